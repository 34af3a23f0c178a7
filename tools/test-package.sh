#!/usr/bin/env bash
# Runs the Wine end-to-end suite from the package a user downloads: builds
# (or takes) dist/skerrow-VERSION.zip, unpacks it into a scratch plug-ins
# folder, and runs every tests/e2e/suite scenario, English and Russian, with
# the Windows skerrow-host.exe loading skerrow.dll from there (--module) and
# the package's own skerrow-rules.reg imported by regedit.
#
#   tools/test-package.sh [--windows win32|win64] [--zip FILE] [--build-dir DIR]
#                         [SCENARIO...]
#
# --windows    the Windows build and its Wine (default win32). With win64 the
#              archive is made from the 64-bit build, for machines that cannot
#              run 32-bit Wine; the shipped archive holds the 32-bit DLL.
# --zip        the archive to test (default: tools/package.sh --no-build
#              --build-dir DIR builds it into the scratch folder)
# --build-dir  the build holding bin/skerrow-host.exe (default build/WINDOWS)
# Prints one line per scenario and "N passed, N failed"; exits 1 on a failure.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
windows=win32
build=
zip=
usage="usage: $0 [--windows win32|win64] [--zip FILE] [--build-dir DIR] [SCENARIO...]"
while [ $# -gt 0 ]; do
  case $1 in
    --windows)
      windows=${2:-}
      case $windows in win32|win64) ;; *) echo "$usage" >&2; exit 2 ;; esac
      shift 2 ;;
    --zip) zip=$(realpath -m "$2"); shift 2 ;;
    --build-dir) build=$(realpath -m "$2"); shift 2 ;;
    --*) echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
done
build=${build:-$root/build/$windows}
export SKERROW_WINE_ARCH=$windows
host=$build/bin/skerrow-host.exe
if [ ! -f "$host" ]; then
  echo "test-package: $host is missing; build the $windows preset first" >&2
  exit 2
fi

# A prefix of its own: other Wine runs on the machine would replace
# HKCU\Software\Far between the import and the run.
if [ $windows = win32 ]; then
  export SKERROW_WINEPREFIX=${SKERROW_WINEPREFIX:-$root/build/wineprefix-suite}
  scratch=$root/build/package-suite
else
  export SKERROW_WINEPREFIX=${SKERROW_WINEPREFIX:-$root/build/wineprefix64-suite}
  scratch=$root/build/package-suite-win64
fi
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
      --build $windows --source "$root" --work "$scratch/work/$name" \
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
