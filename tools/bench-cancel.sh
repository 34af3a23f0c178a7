#!/usr/bin/env bash
# Esc during a long pattern match: skerrow-host searches /a*a*a*a*bc/ in a
# line of 200 'a' followed by "b bc" (it matches, after minutes of
# backtracking), Esc is pressed 1 s into the search, and the host reports how
# long the module took from the press until it asked for a key again (the
# warning that says where the search stopped). Prints one table row in the form of
# tools/bench-scan.sh: the worst of RUNS runs (default 3).
# BUILD_DIR picks the build folder (default build/bench, the optimised preset;
# build/native measures the Debug build). Figures only, never a pass or fail.
set -eu
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build/bench}
runs=${RUNS:-3}
if [ "$dir" = build/bench ]; then
  cmake --preset bench -B "$dir" >/dev/null
fi
cmake --build "$dir" --target skerrow-host skerrow skerrow_data -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
. tests/e2e/host/slow_match_fixture.sh
worst=
for _ in $(seq "$runs"); do
  write_slow_match_fixture "$work"
  report=$(timeout 120 "$dir/bin/skerrow-host" --registry "$work/options.reg" --key-times \
    --keys 'F11 Enter "a*a*a*a*bc" Enter Esc@1000ms Enter' "$work/line.txt" 2>&1 >/dev/null |
    sed -n 's/.*a key was wanted \([0-9.]*\) ms later.*/\1/p')
  if [ -z "$report" ]; then
    echo "| Esc 1 s into \`/a*a*a*a*bc/\`, 200 \`a\` + \`b bc\` | not measured: the search did not end | | | ≤ 1 s |"
    exit 0
  fi
  worst=$(awk -v a="$report" -v b="${worst:-0}" 'BEGIN { print (a > b ? a : b) }')
done
printf '| Esc 1 s into `/a*a*a*a*bc/`, 200 `a` + `b bc` | %.1f ms from Esc to the end (worst of %d) | | | ≤ 1 s |\n' \
  "$worst" "$runs"
