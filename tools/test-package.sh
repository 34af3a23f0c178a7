#!/usr/bin/env bash
# Runs the Wine end-to-end suite from the package a user downloads: builds
# (or takes) dist/skerrow-VERSION.zip, unpacks it into a scratch plug-ins
# folder, and runs every tests/e2e/suite scenario, English and Russian, with
# the win32 skerrow-host.exe loading skerrow.dll from there (--module) and the
# package's own skerrow-rules.reg imported by regedit.
#
#   tools/test-package.sh [--zip FILE] [--build-dir DIR] [SCENARIO...]
#
# --zip        the archive to test (default: tools/package.sh --no-build
#              --build-dir DIR builds it into the scratch folder)
# --build-dir  the win32 build holding bin/skerrow-host.exe (default build/win32)
# Prints one line per scenario and "N passed, N failed"; exits 1 on a failure.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32
zip=
while [ $# -gt 0 ]; do
  case $1 in
    --zip) zip=$(realpath -m "$2"); shift 2 ;;
    --build-dir) build=$(realpath -m "$2"); shift 2 ;;
    --*) echo "usage: $0 [--zip FILE] [--build-dir DIR] [SCENARIO...]" >&2; exit 2 ;;
    *) break ;;
  esac
done
host=$build/bin/skerrow-host.exe
if [ ! -f "$host" ]; then
  echo "test-package: $host is missing; build the win32 preset first" >&2
  exit 2
fi

# A prefix of its own: other Wine runs on the machine would replace
# HKCU\Software\Far between the import and the run.
export SKERROW_WINEPREFIX=${SKERROW_WINEPREFIX:-$root/build/wineprefix-suite}
scratch=$root/build/package-suite
rm -rf "$scratch"
mkdir -p "$scratch/Plugins"
if [ -z "$zip" ]; then
  zip=$("$root/tools/package.sh" --no-build --build-dir "$build" --out "$scratch") || exit 1
fi
unzip -q "$zip" -d "$scratch/Plugins" || exit 1
plugin=$scratch/Plugins/skerrow
for f in skerrow.dll skerrowEng.lng skerrowRus.lng skerrow-rules.reg; do
  if [ ! -f "$plugin/$f" ]; then
    echo "test-package: $(basename "$zip") lacks skerrow/$f" >&2
    exit 1
  fi
done

if [ $# -eq 0 ]; then
  set -- "$root"/tests/e2e/suite/*.scenario
fi
passed=0
failed=0
started=$(date +%s)
for scenario in "$@"; do
  name=$(basename "$scenario" .scenario)
  log=$scratch/work/$name.log
  mkdir -p "$scratch/work"
  if python3 "$root/tests/e2e/run_scenario.py" --host "$host" --wine "$root/tools/wine-run.sh" \
      --build win32 --source "$root" --work "$scratch/work/$name" \
      --module "$plugin/skerrow.dll" --rules "$plugin/skerrow-rules.reg" "$scenario" >"$log" 2>&1 &&
      grep -q '^passed ' "$log"; then
    passed=$((passed + 1))
    echo "passed  $name"
  else
    failed=$((failed + 1))
    echo "FAILED  $name"
    sed 's/^/  /' "$log" | head -60
  fi
done
echo "$passed passed, $failed failed ($(($(date +%s) - started))s, from $(basename "$zip"))"
[ $failed -eq 0 ]
