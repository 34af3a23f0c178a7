#!/usr/bin/env bash
# Builds the scan benchmark in the optimised bench preset and runs it: the
# module's line scan over a 200,000-line C file and a 1,000,000-line log beside
# grep -n, whole skerrow-host runs at 250,000, 500,000 and 1,000,000 lines,
# then the Esc case from tools/bench-cancel.sh when that script is there.
# BUILD_DIR picks another build folder (default build/bench).
set -eu
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build/bench}
cmake --preset bench -B "$dir" >/dev/null
cmake --build "$dir" --target bench_scan_lines skerrow skerrow-host skerrow_data -j2 >/dev/null
"$dir/bin/bench_scan_lines" "$@"
if [ -x tools/bench-cancel.sh ]; then
  echo
  BUILD_DIR=$dir tools/bench-cancel.sh
fi
