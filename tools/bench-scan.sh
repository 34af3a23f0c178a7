#!/usr/bin/env bash
# Builds the scan benchmark in the optimised bench preset and runs it: the
# module's line scan over a 200,000-line C file beside grep -c and grep -n.
# BUILD_DIR picks another build folder (default build/bench).
set -eu
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build/bench}
cmake --preset bench -B "$dir" >/dev/null
cmake --build "$dir" --target bench_scan_lines skerrow_data -j2 >/dev/null
exec "$dir/bin/bench_scan_lines"
