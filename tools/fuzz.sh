#!/usr/bin/env bash
# Builds the fuzz preset in build/fuzz and runs every fuzz target for $1
# seconds in all (default 60), each over a temporary copy of its corpus in
# fuzz/corpus/NAME, so the inputs a run discovers never land in the repo.
# Ends non-zero when a target crashes, leaks or times out; the input that
# did it is kept in build/fuzz/crashes.
set -u
cd "$(dirname "$0")/.."
total=${1:-60}
build=build/fuzz
cmake --preset fuzz -B "$build" >/dev/null || exit 1
cmake --build "$build" -j2 || exit 1

targets=()
for source in fuzz/*.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets"; exit 0; }
each=$((total / ${#targets[@]}))
[ "$each" -ge 1 ] || each=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/crashes"
status=0
for name in "${targets[@]}"; do
  corpus=$work/$name
  mkdir -p "$corpus"
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  echo "fuzz_$name: $each s"
  if ! "$build/bin/fuzz_$name" "$corpus" -max_total_time="$each" -timeout=10 -rss_limit_mb=1024 \
      -artifact_prefix="$build/crashes/$name-" -print_final_stats=1 >"$work/$name.log" 2>&1; then
    tail -40 "$work/$name.log"
    echo "fuzz_$name failed; inputs in $build/crashes"
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "$work/$name.log" | tail -2
  fi
done
exit $status
