#!/usr/bin/env bash
# The one test command: installs what a fresh Debian machine lacks, builds the
# native and Windows presets, runs every test natively and under Wine, fuzzes
# the pattern engine for a bounded time, prints a summary of every stage with
# its duration and ends non-zero when a stage that ran failed.
#
# It first finds out whether this machine can execute 32-bit programs. Where
# it can, the win32 build's tests run under 32-bit Wine; the win64 stages only
# run with SKERROW_WIN64=1, as they double the Wine time. Where it cannot,
# the win32 build is still compiled (its structure layouts are checked at
# compile time) and its DLL inspected without running it, and the win64 build
# takes the 32-bit stages' place under 64-bit Wine. A stage that did not run is
# listed with its reason and never counted as passed.
#
#   SKERROW_ASSUME_NO_32BIT=1  act as on a machine without 32-bit support
#   SKERROW_WIN64=1            run the win64 stages where 32-bit Wine runs too
#   SKERROW_FUZZ_SECONDS=N     fuzzing time (default 60)
set -u
cd "$(dirname "$0")/.."
root=$(pwd)
log() { printf '\n== %s\n' "$*"; }

# --- stages and the summary ------------------------------------------------

summary_lines=()
notes=()
passed=0
failed=0
skipped=0

duration() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }

# stage NAME COMMAND...: runs COMMAND and records how it went and how long.
stage() {
  local name=$1 started=$SECONDS
  shift
  log "$name"
  if "$@"; then
    passed=$((passed + 1))
    summary_lines+=("passed   $name  $(duration $((SECONDS - started)))")
    return 0
  fi
  failed=$((failed + 1))
  summary_lines+=("FAILED   $name  $(duration $((SECONDS - started)))")
  return 1
}

# not_run NAME REASON
not_run() {
  skipped=$((skipped + 1))
  summary_lines+=("not run  $1: $2")
}

print_summary() {
  log "summary"
  printf '%s\n' "${summary_lines[@]}"
  [ ${#notes[@]} -gt 0 ] && printf '%s\n' "${notes[@]}"
  echo "total $(duration "$SECONDS")"
  echo "stages: $passed passed, $failed failed, $skipped skipped"
}

# --- the machine -----------------------------------------------------------

# The Unix locales the Wine runs use: Wine's default here and every
# "== locale" of a scenario.
wine_locales() {
  {
    echo ru_RU.UTF-8
    sed -n 's/^== locale  *\([^ ]*\).*/\1/p' tests/e2e/*/*.scenario
  } | sort -u
}

locale_present() {
  local want
  want=$(echo "$1" | tr 'A-Z' 'a-z' | tr -d '-')
  locale -a 2>/dev/null | tr 'A-Z' 'a-z' | tr -d '-' | grep -qx "$want"
}

# 32-bit Wine, where the machine runs 32-bit programs. When it cannot be
# installed (a mirror out of step, say) the win64 stages take the 32-bit
# stages' place, as on a machine without 32-bit support.
install_wine32() {
  dpkg -s wine32:i386 >/dev/null 2>&1 && command -v wine >/dev/null && return 0
  dpkg --print-foreign-architectures | grep -q i386 || dpkg --add-architecture i386
  log "installing: wine wine32:i386"
  tools/apt-install.sh wine wine32:i386 && return 0
  run_win32=0
  run_win64=1
  no32_reason="32-bit Wine could not be installed (see the packages stage)"
  log "32-bit programs: $no32_reason; the win64 stages take their place"
}

install_packages() {
  [ $run_win32 = 1 ] && install_wine32
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
  command -v locale-gen >/dev/null || need+=(locales)
  command -v wine >/dev/null || need+=(wine)
  if [ $run_win64 = 1 ]; then
    command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64)
    [ -x /usr/lib/wine/wine64 ] || need+=(wine64)
  fi
  if [ ${#need[@]} -gt 0 ]; then
    log "installing: ${need[*]}"
    tools/apt-install.sh "${need[@]}" || return 1
  fi
  # Wine takes its code pages from the locale: ru_RU gives OEM 866 and ANSI
  # 1251, en_US OEM 437 and ANSI 1252.
  local name generate=0
  for name in $(wine_locales); do
    locale_present "$name" && continue
    sed -i "s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
    grep -q "^$name UTF-8" /etc/locale.gen || echo "$name UTF-8" >>/etc/locale.gen
    generate=1
  done
  if [ $generate = 1 ]; then
    locale-gen >/dev/null || return 1
  fi
  # The tools of the rule-corpus check, before the unit tests that check it.
  if [ -x tools/check-rule-corpus.sh ]; then
    tools/check-rule-corpus.sh --install || return 1
  fi
}

# Adds a note on the code pages of a Wine stage's runs: unit tests run under
# Wine's default locale, scenarios under their "== locale" or the default.
# code_pages_note STAGE ARCH SCENARIO...
code_pages_note() {
  local stage=$1 arch=$2 exe=$root/build/$2/bin/code-pages.exe
  shift 2
  local name count pages parts=()
  for name in $(wine_locales); do
    count=$(grep -l "^== locale  *$name\b" "$@" | wc -l)
    if [ "$name" = ru_RU.UTF-8 ]; then
      count=$((count + $(grep -L '^== locale' "$@" | wc -l)))
      name="$name (default)"
    fi
    pages=$(SKERROW_WINE_ARCH=$arch SKERROW_WINE_LOCALE=$name SKERROW_WINE_TIMEOUT=120 \
      tools/wine-run.sh "$exe" 2>/dev/null </dev/null | tr -d '\r')
    [ -n "$pages" ] || pages="code pages unknown (code-pages.exe did not run)"
    parts+=("$name $pages: $count scenarios")
  done
  local joined
  joined=$(printf '%s; ' "${parts[@]}")
  notes+=("code pages  $stage: ${joined%; }")
}

# --- the stages ------------------------------------------------------------

no32_reason=$(tools/probe-32bit.sh)
if [ -z "$no32_reason" ]; then
  run_win32=1
  run_win64=${SKERROW_WIN64:-0}
  win64_reason="they add about 15 minutes to the 32-bit stages; SKERROW_WIN64=1 runs them"
else
  run_win32=0
  run_win64=1
fi
log "32-bit programs: ${no32_reason:-this machine executes them}"

if ! stage "packages" install_packages; then
  print_summary
  exit 1
fi

stage "native build" bash -c 'cmake --preset native >/dev/null && cmake --build --preset native'
stage "native tests" ctest --preset native -j2
# ctest keeps a passing test's output to itself; the hit rates are wanted.
stage "rule-set hit rates" bash -c 'set -o pipefail; timeout 300 build/native/bin/data_tests \
  --gtest_filter=RulesTest.EverySampleLineCarriesItsExpectedName | grep "^rules:"'
if [ -x tools/check-rule-corpus.sh ]; then
  stage "rule sets on real source" timeout 1200 tools/check-rule-corpus.sh
else
  not_run "rule sets on real source" "tools/check-rule-corpus.sh is not there yet"
fi

# Compiling the win32 build checks the host's 32-bit structure layouts. Where
# its tests cannot run, the DLL is all that is built.
win32_targets=()
[ $run_win32 = 1 ] || win32_targets=(--target skerrow)
stage "win32 build" bash -c 'cmake --preset win32 >/dev/null && cmake --build --preset win32 "$@"' \
  _ "${win32_targets[@]}"
scenarios=(tests/e2e/*/*.scenario)
suite=(tests/e2e/suite/*.scenario)
if [ $run_win32 = 1 ]; then
  code_pages_note "win32 tests (Wine)" win32 "${scenarios[@]}"
  stage "win32 tests (Wine)" ctest --preset win32 -j2
  # The same scenarios on both builds must give the same screens and traces.
  code_pages_note "native and win32 runs compared" win32 "${scenarios[@]}"
  stage "native and win32 runs compared" python3 tools/compare-builds.py --reuse-runs
  code_pages_note "suite from the package (Wine)" win32 "${suite[@]}"
  stage "suite from the package (Wine)" tools/test-package.sh
else
  # What only the 32-bit DLL can show, read from the file: machine type,
  # exports by bare name, imports, and the shipped archive's layout.
  stage "win32 DLL and package checked without running them" \
    ctest --preset win32 -R '^(dll_exports|dll_machine_checked|package_layout|merge_rules)$'
  for name in "win32 tests (Wine)" "native and win32 runs compared" \
    "suite from the package (Wine)"; do
    not_run "$name" "$no32_reason"
  done
fi

# The real host under Wine: the package installed as the README tells a user,
# every scenario with a real-host section driven through tmux and compared
# with the stand-in, then the long results menu at 300,000 and 1,000,000
# results. The host is SKERROW_REAL_HOST (a user's installation) or the
# tarball in ../shared/realhost. Without 32-bit support the 64-bit host runs
# the win64 module under 64-bit Wine.
# real_host_reason ARCH: empty when the stage can run, else why not.
real_host_reason() {
  local tarball=$root/../shared/realhost/far-1.75-$([ "$1" = win32 ] && echo i686 || echo x86_64).tar.gz
  if [ -n "${SKERROW_REAL_HOST:-}" ]; then
    [ -f "$SKERROW_REAL_HOST/Far.exe" ] || echo "SKERROW_REAL_HOST=$SKERROW_REAL_HOST holds no Far.exe"
  elif [ ! -f "$tarball" ]; then
    echo "no host: $tarball is missing and SKERROW_REAL_HOST is not set"
  fi
}
real_host() {
  local arch=$1 zip status=0 started=$SECONDS
  zip=$(tools/package.sh --build-dir "build/$arch" --no-build --out "build/realhost-dist/$arch") || return 1
  timeout -k 10 420 python3 tools/real-host-run.py --arch "$arch" --package "$zip" || status=1
  notes+=("real host ($arch): scenarios $(duration $((SECONDS - started)))")
  started=$SECONDS
  SKERROW_WINE_ARCH=$arch timeout -k 10 300 tests/e2e/host/realhost_big_menu.sh --package "$zip" \
    --host "build/$([ "$arch" = win32 ] && echo realhost || echo realhost64)/host" |
    tee build/realhost-big.log
  [ "${PIPESTATUS[0]}" = 0 ] || status=1
  notes+=("real host ($arch): long menus $(duration $((SECONDS - started))); $(grep -h '^[0-9]* results:' build/realhost-big.log | tr '\n' ' ')")
  return $status
}
real_host_stage() {
  local arch=$1 reason
  reason=$(real_host_reason "$arch")
  if [ -n "$reason" ]; then
    not_run "real host (Wine)" "$reason"
  else
    stage "real host (Wine)" real_host "$arch"
  fi
}
if [ $run_win32 = 1 ]; then
  real_host_stage win32
fi

win64_stages=("win64 build" "win64 tests (Wine)" "native and win64 runs compared"
  "suite from the package, 64-bit module (Wine)")
if [ $run_win64 = 1 ]; then
  if stage "win64 build" bash -c 'cmake --preset win64 >/dev/null && cmake --build --preset win64'; then
    code_pages_note "win64 tests (Wine)" win64 "${scenarios[@]}"
    stage "win64 tests (Wine)" ctest --preset win64 -j2
    code_pages_note "native and win64 runs compared" win64 "${scenarios[@]}"
    stage "native and win64 runs compared" python3 tools/compare-builds.py --windows win64 --reuse-runs
    code_pages_note "suite from the package, 64-bit module (Wine)" win64 "${suite[@]}"
    stage "suite from the package, 64-bit module (Wine)" tools/test-package.sh --windows win64
    [ $run_win32 = 1 ] || real_host_stage win64
  else
    for name in "${win64_stages[@]:1}"; do not_run "$name" "the win64 build failed"; done
    [ $run_win32 = 1 ] || not_run "real host (Wine)" "the win64 build failed"
  fi
else
  for name in "${win64_stages[@]}"; do not_run "$name" "$win64_reason"; done
fi

if [ -x tools/fuzz.sh ]; then
  fuzz_seconds=${SKERROW_FUZZ_SECONDS:-60}
  stage "fuzzing" timeout $((fuzz_seconds + 900)) tools/fuzz.sh "$fuzz_seconds"
else
  not_run "fuzzing" "tools/fuzz.sh is missing"
fi

for prefix in wineprefix wineprefix-suite wineprefix64 wineprefix64-suite realhost/prefix \
  realhost64/prefix realhost-big/prefix realhost-big64/prefix; do
  if [ -d "build/$prefix" ] && command -v wineserver >/dev/null; then
    WINEPREFIX=$root/build/$prefix timeout 30 wineserver -k 2>/dev/null
  fi
done

print_summary
[ $failed -eq 0 ]
