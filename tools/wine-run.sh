#!/usr/bin/env bash
# Runs a Windows program under Wine: a private prefix under the build folder,
# no debug chatter, no display. The locale gives Wine its code pages:
# ru_RU.UTF-8 means OEM 866 and ANSI 1251, as on a Russian Windows, and
# en_US.UTF-8 OEM 437 and ANSI 1252.
#
# SKERROW_WINE_ARCH picks the Wine: win32 (default, the 32-bit loader in a
# 32-bit prefix, for the win32 build) or win64 (Debian's 64-bit loader in a
# 64-bit prefix of its own, for the win64 build; tools/wine64-run.sh sets it).
# The 64-bit Wine is started by its own loader: Debian's "wine" command takes
# the 32-bit one whenever it is installed, even where it cannot run.
#
# Every run is ended after SKERROW_WINE_TIMEOUT seconds (default 240): a Wine
# that cannot start may hang instead of failing, and a test must not wait for
# it for ever. The exit status is then 124, as from timeout(1).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
arch=${SKERROW_WINE_ARCH:-win32}
limit=${SKERROW_WINE_TIMEOUT:-240}
case $arch in
  win32)
    export WINEPREFIX=${SKERROW_WINEPREFIX:-$here/build/wineprefix}
    loader=wine
    ;;
  win64)
    export WINEPREFIX=${SKERROW_WINEPREFIX:-$here/build/wineprefix64}
    loader=/usr/lib/wine/wine64
    export WINELOADER=$loader
    ;;
  *)
    echo "wine-run: SKERROW_WINE_ARCH is '$arch', not win32 or win64" >&2
    exit 2
    ;;
esac
# A new prefix of the loader's own kind: with both Wines installed, the 32-bit
# loader would otherwise make a 64-bit prefix and run the win32 build in it.
export WINEARCH=$arch
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=${SKERROW_WINE_LOCALE:-ru_RU.UTF-8}
export DISPLAY=
mkdir -p "$WINEPREFIX"
# The first run creates the prefix; parallel tests wait for it instead of racing.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    timeout -k 10 "$limit" "$loader" wineboot -i >/dev/null 2>&1
    timeout -k 10 "$limit" wineserver -w
  fi
) 9>"$WINEPREFIX.lock"
# Keep the server up between runs: starting it costs seconds, and the tests
# start Wine many times in a row.
timeout -k 5 30 wineserver -p30 >/dev/null 2>&1 || true
# At a terminal the program must stay in the terminal's foreground group to
# read keys; timeout then ends only the program itself.
foreground=()
[ -t 0 ] && foreground=(--foreground)
# One Wine program at a time: runs share the prefix's registry, and a test that
# replaces a key must not see another test's keys appear under it.
exec flock "$WINEPREFIX.run.lock" timeout "${foreground[@]}" -k 10 "$limit" "$loader" "$@"
