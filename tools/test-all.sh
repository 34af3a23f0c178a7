#!/usr/bin/env bash
# The one test command: installs what a fresh Debian machine lacks, builds the
# native and win32 presets, runs every test natively and under Wine, fuzzes the
# pattern engine for a bounded time, and ends non-zero when anything failed.
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
log() { printf '\n== %s\n' "$*"; }

install_packages() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v ninja >/dev/null || need+=(ninja-build)
  command -v g++ >/dev/null || need+=(g++)
  command -v clang++ >/dev/null || need+=(clang)
  command -v i686-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-i686)
  command -v tmux >/dev/null || need+=(tmux)
  command -v zip >/dev/null || need+=(zip unzip)
  command -v python3 >/dev/null || need+=(python3)
  [ -d /usr/src/googletest ] || need+=(googletest)
  [ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev libgmock-dev)
  [ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
  [ -f /usr/include/pcre2.h ] || need+=(libpcre2-dev)
  ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 ||
    need+=(libclang-rt-14-dev)
  command -v wine >/dev/null || need+=(wine)
  dpkg -s wine32:i386 >/dev/null 2>&1 || need+=(wine32:i386)
  command -v locale-gen >/dev/null || need+=(locales)
  if [ ${#need[@]} -gt 0 ]; then
    log "installing: ${need[*]}"
    dpkg --print-foreign-architectures | grep -q i386 || dpkg --add-architecture i386
    apt-get update -q >/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${need[@]}" >/dev/null || return 1
  fi
  # Wine takes its code pages from the locale: ru_RU gives OEM 866 and ANSI 1251.
  if ! locale -a 2>/dev/null | grep -qi '^ru_RU.utf8$'; then
    sed -i 's/^# *ru_RU.UTF-8 UTF-8/ru_RU.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null || return 1
  fi
}

failed=()
step() {
  local name=$1
  shift
  log "$name"
  if "$@"; then return 0; fi
  failed+=("$name")
  return 1
}

step "packages" install_packages || exit 1

step "native build" bash -c 'cmake --preset native >/dev/null && cmake --build --preset native'
step "native tests" ctest --preset native -j2
# ctest keeps a passing test's output to itself; the hit rates are wanted.
step "rule-set hit rates" bash -c 'set -o pipefail; build/native/bin/data_tests \
  --gtest_filter=RulesTest.EverySampleLineCarriesItsExpectedName | grep "^rules:"'
step "win32 build" bash -c 'cmake --preset win32 >/dev/null && cmake --build --preset win32'
step "win32 tests (Wine)" ctest --preset win32 -j2
# The same scenarios on both builds must give the same screens and traces.
step "native and win32 runs compared" python3 tools/compare-builds.py
step "suite from the package (Wine)" tools/test-package.sh
if [ -x tools/fuzz.sh ]; then
  step "fuzzing" tools/fuzz.sh "${SKERROW_FUZZ_SECONDS:-60}"
fi
command -v wineserver >/dev/null && WINEPREFIX=$root/build/wineprefix wineserver -k 2>/dev/null

log "summary"
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}"
  exit 1
fi
echo "all steps passed"
