#!/usr/bin/env bash
# Runs a Windows program under Wine for the win32 build: a private prefix under
# the build folder, no debug chatter, no display. The locale gives Wine its code
# pages: ru_RU.UTF-8 means OEM 866 and ANSI 1251, as on a Russian Windows.
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${SKERROW_WINEPREFIX:-$here/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=${SKERROW_WINE_LOCALE:-ru_RU.UTF-8}
export DISPLAY=
mkdir -p "$WINEPREFIX"
# The first run creates the prefix; parallel tests wait for it instead of racing.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
) 9>"$WINEPREFIX.lock"
# Keep the server up between runs: starting it costs seconds, and the tests
# start Wine many times in a row.
wineserver -p30 >/dev/null 2>&1 || true
# One Wine program at a time: runs share the prefix's registry, and a test that
# replaces a key must not see another test's keys appear under it.
exec flock "$WINEPREFIX.run.lock" wine "$@"
