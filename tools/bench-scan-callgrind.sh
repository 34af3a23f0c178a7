#!/usr/bin/env bash
# Counts the instructions of the scan benchmark's in-process rows under
# callgrind, one row per run (bench_scan_lines N), only inside RunLineScan:
# the host calls a scan makes for every line are counted, generating the
# file and the grep runs are not. Prints instructions per line scanned and
# what the function column adds to the pattern scan alone. Instruction
# counts do not depend on what else the machine runs. Needs valgrind;
# BUILD_DIR picks another build folder (default build/bench); arguments
# pick rows (default 1 to 6).
set -eu
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build/bench}
cmake --preset bench -B "$dir" >/dev/null
cmake --build "$dir" --target bench_scan_lines skerrow_data -j2 >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
rows=("$@")
[ ${#rows[@]} -gt 0 ] || rows=(1 2 3 4 5 6)
printf '%-4s %-36s %14s %10s\n' row search instructions "per line"
for row in "${rows[@]}"; do
  valgrind --tool=callgrind --callgrind-out-file="$out/cg.$row" --toggle-collect='RunLineScan*' \
    "$dir/bin/bench_scan_lines" "$row" >"$out/stdout.$row" 2>"$out/log.$row"
  # "200000-line C file, best of 7 runs, in process": every run is counted.
  lines=$(awk 'NR == 1 {print $1 * $7}' FS='[- ]' "$out/stdout.$row")
  total=$(awk '/^summary: / {print $2}' "$out/cg.$row")
  name=$(awk 'NR == 4 {print substr($0, 1, 36)}' "$out/stdout.$row")
  per=$(awk -v t="$total" -v l="$lines" 'BEGIN {printf "%.0f", t / l}')
  printf '%-4s %-36s %14s %10s\n' "$row" "$name" "$total" "$per"
  echo "$row $total" >>"$out/totals"
done
awk '{t[$1] = $2} END {
  if (t[5] && t[6]) printf "function column over the pattern scan alone: %+.1f %% (goal +30 %%)\n", (t[6] / t[5] - 1) * 100
}' "$out/totals"
