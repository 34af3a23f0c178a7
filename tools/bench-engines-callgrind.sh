#!/usr/bin/env bash
# Counts the instructions of bench_regex_engines' tables under callgrind:
# every shipped rule on the corpus of its language and the engine's goal
# rows, ours beside PCRE2 without JIT, per line. Instruction counts do not
# depend on what else the machine runs, so they stand in for the timed
# figures on a busy machine. Needs valgrind; BUILD_DIR picks another build
# folder (default build/bench).
set -eu
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build/bench}
cmake --preset bench -B "$dir" >/dev/null
cmake --build "$dir" --target bench_regex_engines -j2 >/dev/null
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
valgrind --tool=callgrind --callgrind-out-file="$out/cg.out" --dump-instr=no \
  "$dir/bin/bench_regex_engines" --tables --once >/dev/null 2>"$out/log"
# Each dump: "desc: Trigger: Client Request: set|rule|engine|lines", then
# "summary: N" or "totals: N".
for dump in $(ls -v "$out"/cg.out.*); do
  awk '/^desc: Trigger: Client Request: /{sub(/^desc: Trigger: Client Request: /, ""); label=$0}
       /^(summary|totals): /{if (label != "") print label "|" $2; exit}' "$dump"
done | awk -F'|' '
  { key = $1 "|" $2; if (!(key in seen)) { seen[key] = 1; order[++n] = key }
    per[key "|" $3] = $5 / ($4 ? $4 : 1); lines[key] = $4 }
  END {
    printf "%-22s %-6s %6s %10s %10s %7s %5s\n", "set", "rule", "lines", "ours", "pcre2", "ratio", "goal"
    for (i = 1; i <= n; ++i) {
      key = order[i]; split(key, part, "|")
      if (part[1] == "goal") continue
      ours = per[key "|ours"]; pcre = per[key "|pcre2"]
      if (!pcre) { printf "%-22.22s %-6s %6d %10.0f %10s\n", part[1], part[2], lines[key], ours, "-"; continue }
      ratio = ours / pcre; sum += ratio; ++rows; if (ratio > worst) worst = ratio
      if (ratio > 1.5) ++over
      printf "%-22.22s %-6s %6d %10.0f %10.0f %7.2f %5.1f\n", part[1], part[2], lines[key], ours, pcre, ratio, 1.5
    }
    printf "%d rules, instructions per line: worst %.2f (goal 1.5), mean %.2f (goal 1.0), %d over 1.5\n", rows, worst, sum / rows, over
    f = "goal|function rule"
    printf "\nfunction rule of the scan, per line: ours %.0f, PCRE2 no JIT %.0f, ratio %.2f (goal 1.5)\n", per[f "|ours"], per[f "|pcre2"], per[f "|ours"] / per[f "|pcre2"]
    printf "/a*a*a*b/ on 200 a + cb: %.0f instructions, %.0f backing off byte by byte\n", per["goal|a*a*a*b keeping|ours"], per["goal|a*a*a*b stepping|ours"]
  }'
