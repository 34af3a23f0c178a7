#!/usr/bin/env bash
# The real host under Wine with a results list far longer than one menu:
# 300,000 and 1,000,000 matching lines. For each size it checks that the
# first page comes up soon after the scan (without pages the host needs
# minutes to build such a menu), that the page keys and the page entries move
# between pages, and that the jump from the last result and from the last
# result of a page is right. It prints the times it measured.
#
#   tests/e2e/host/realhost_big_menu.sh [--package ZIP] [--host DIR] [--work DIR] [SIZE...]
#
# --package  the archive to install (default: tools/package.sh builds it)
# --host     a folder holding Far.exe (default: $SKERROW_REALHOST, else the
#            32-bit host from ../shared/realhost unpacked into the work folder)
# --work     scratch folder with the Wine prefix (default build/realhost-big)
# SIZE       numbers of matching lines (default 300000 1000000)
# SKERROW_MENU_LIMIT: seconds the first page may take after the scan before
# the run fails (default 20; the goal is 2, printed beside each figure).
set -u
root=$(cd "$(dirname "$0")/../../.." && pwd)
package="" host=${SKERROW_REALHOST:-} work=$root/build/realhost-big
sizes=()
while [ $# -gt 0 ]; do
  case $1 in
    --package) package=$(realpath "$2"); shift 2 ;;
    --host) host=$(realpath "$2"); shift 2 ;;
    --work) work=$(realpath -m "$2"); shift 2 ;;
    -*) echo "usage: $0 [--package ZIP] [--host DIR] [--work DIR] [SIZE...]" >&2; exit 2 ;;
    *) sizes+=("$1"); shift ;;
  esac
done
[ ${#sizes[@]} -gt 0 ] || sizes=(300000 1000000)
limit=${SKERROW_MENU_LIMIT:-20}
socket="skerrow-realhost-big-$$"
. "$(dirname "$0")/tmux_lib.sh"
t() { tmux -L "$socket" "$@"; }
pane() { t capture-pane -p -t e2e 2>/dev/null; }
now() { date +%s.%N; }
seconds() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
# Waits until the pane matches the extended regular expression, at most $2
# seconds (default 60); prints the moment it did.
wait_re() {
  local until
  until=$(awk -v s="$(now)" -v w="${2:-60}" 'BEGIN { printf "%.3f", s + w }')
  while :; do
    if pane | grep -qE -- "$1"; then now; return 0; fi
    if awk -v n="$(now)" -v u="$until" 'BEGIN { exit !(n > u) }'; then
      fail "the pane never showed /$1/ in ${2:-60} s"
    fi
    sleep 0.05
  done
}

# SKERROW_WINE_ARCH=win64: the 64-bit host and module under 64-bit Wine.
arch=${SKERROW_WINE_ARCH:-win32}
wine=wine tarball=far-1.75-i686.tar.gz
if [ "$arch" = win64 ]; then
  wine=/usr/lib/wine/wine64 tarball=far-1.75-x86_64.tar.gz
  export WINELOADER=$wine
  [ "$work" = "$root/build/realhost-big" ] && work=$root/build/realhost-big64
fi
mkdir -p "$work"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=$arch
if [ -z "$host" ]; then
  host=$work/host
  if [ ! -f "$host/Far.exe" ]; then
    mkdir -p "$host"
    tar -xzf "$root/../shared/realhost/$tarball" -C "$host" || fail "no host tarball"
  fi
fi
[ -f "$host/Far.exe" ] || fail "no Far.exe in $host"
if [ -z "$package" ]; then
  package=$("$root/tools/package.sh") || fail "tools/package.sh failed"
fi
# A new prefix each run, of the loader's own kind.
rm -rf "$WINEPREFIX"
timeout 300 "$wine" wineboot -i >/dev/null 2>&1 || fail "wineboot failed"
rm -rf "$host/Plugins/skerrow"
mkdir -p "$host/Plugins"
unzip -qo "$package" -d "$host/Plugins" || fail "cannot unpack $package"
# The plain text is typed each time: no word under the cursor is proposed.
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Far\\Plugins\\SKERROW]\n"PickWord"=dword:00000000\n' \
  >"$work/options.reg"
(cd "$work" && timeout 60 "$wine" regedit /s options.reg) || fail "regedit failed"

start_host() {
  # A server being killed may still take a connection and then drop it, so
  # a new session is tried again until one starts.
  t kill-server 2>/dev/null
  local tries
  for tries in 1 2 3 4 5; do
    t -f /dev/null new-session -d -s e2e -x 80 -y 25 \
      "cd '$work' && LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 timeout --foreground 600 $wine '$host/Far.exe' /e '$1'; echo host-exited-\$?; sleep 30" &&
      break
    [ "$tries" = 5 ] && fail "tmux did not start"
    sleep 1
  done
  wait_re "10Quit" 120 >/dev/null
  t send-keys -t e2e C-Home
}
# Starts a search for $1; prints the moment Enter was sent.
search() {
  t send-keys -t e2e F11
  wait_re "Skerrow: list matching lines" >/dev/null
  t send-keys -t e2e Enter
  wait_re "Search for" >/dev/null
  t send-keys -t e2e -l "$1"
  sleep 0.3
  now
  t send-keys -t e2e Enter
}
bottom() { printf 'Matching lines: %s \\(%s-%s\\)' "$1" "$2" "$3"; }
# The editor's status line after a jump to (1-based) line $1 at the match.
expect_cursor() {
  wait_re "Line +$1/[0-9]+ +Col 22 " 10 >/dev/null
}
key() { t send-keys -t e2e "$@"; }
keys_xterm() { t send-keys -t e2e -l "$1"; }  # Wine reads Home/End only in these forms
CTRL_HOME=$'\e[1;5H' CTRL_END=$'\e[1;5F' HOME=$'\e[H' END=$'\e[F'

status=0
for n in "${sizes[@]}"; do
  file=big$n.txt
  [ -f "$work/$file" ] ||
    awk -v n="$n" 'BEGIN { for (i = 1; i <= n; i++) printf "line %07d has the needle here\n", i }' \
      >"$work/$file"
  start_host "$file"
  # The same scan finding nothing: how long the scan alone takes.
  sent=$(search absent)
  scanned=$(wait_re "Matching lines: 0" 120)
  scan=$(seconds "$sent" "$scanned")
  key Enter
  wait_re "10Quit" >/dev/null

  sent=$(search needle)
  shown=$(wait_re "Matching lines: $n \\(1-[0-9]+\\)" "$(awk -v s="$scan" -v l="$limit" 'BEGIN { print s * 2 + l + 5 }')")
  page=$(pane | sed -n "s/.*Matching lines: $n (1-\([0-9]*\)).*/\1/p" | head -1)
  total=$(seconds "$sent" "$shown")
  after=$(seconds "$scan" "$total")

  # Page keys, with the time a page turn takes (the host building one page).
  turned=$(now)
  key C-NPage
  turn=$(seconds "$turned" "$(wait_re "$(bottom "$n" $((page + 1)) $((2 * page)))" 30)")
  key C-PPage
  wait_re "$(bottom "$n" 1 "$page")" 30 >/dev/null
  # Page entries: the last entry leads on, the first back, onto the last
  # result of the page before, whose jump is checked.
  keys_xterm "$END"
  wait_re ">>> Next page: matching lines $((page + 1))-$((2 * page)) " 10 >/dev/null
  key Enter
  wait_re "$(bottom "$n" $((page + 1)) $((2 * page)))" 30 >/dev/null
  keys_xterm "$HOME"
  wait_re "<<< Previous page: matching lines 1-$page " 10 >/dev/null
  key Enter
  wait_re "$(bottom "$n" 1 "$page")" 30 >/dev/null
  key Enter
  expect_cursor "$page"

  # The last result, on the last page.
  search needle >/dev/null
  wait_re "Matching lines: $n \\(1-$page\\)" 60 >/dev/null
  keys_xterm "$CTRL_END"
  last_first=$(((n - 1) / page * page + 1))
  wait_re "$(bottom "$n" "$last_first" "$n")" 30 >/dev/null
  pane | grep -q "<<< Previous page" || fail "no previous-page entry on the last page"
  keys_xterm "$END"
  key Enter
  expect_cursor "$n"
  keys_xterm "$CTRL_HOME"
  key F10
  wait_re "host-exited-0" 30 >/dev/null

  verdict="within 2 s"
  awk -v a="$after" 'BEGIN { exit !(a > 2) }' && verdict="OVER 2 s"
  printf '%s results: scan alone %s s, Enter to the first page (1-%s) %s s, so %s s after the scan (%s); a page turn %s s\n' \
    "$n" "$scan" "$page" "$total" "$after" "$verdict" "$turn"
  if awk -v a="$after" -v l="$limit" 'BEGIN { exit !(a > l) }'; then
    echo "FAILED: the first page of $n results took more than $limit s after the scan"
    status=1
  fi
done
t kill-server 2>/dev/null
[ $status = 0 ] && echo "passed the real host's long results menu"
exit $status
