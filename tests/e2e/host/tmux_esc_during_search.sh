#!/usr/bin/env bash
# skerrow-host in a real terminal: Esc pressed while a pattern backtracks on a
# single line ends the search. Without the module's poll during the match the
# search would run for minutes and the test's timeout would end it.
set -u
host=$1
socket="skerrow-e2e-esc-$$"
work=$(mktemp -d)
. "$(dirname "$0")/tmux_lib.sh"
cleanup() { rm -rf "$work"; }
wait_tenths=200

. "$(dirname "$0")/slow_match_fixture.sh"
write_slow_match_fixture "$work"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
t -f /dev/null new-session -d -s e2e -x 80 -y 25 \
  "TERM=xterm-256color $host --registry $work/options.reg $work/line.txt; echo host-exited-\$?; sleep 30" ||
  fail "tmux did not start"
wait_for "line.txt"
wait_for "10Quit"
t send-keys -t e2e F11
wait_for "Plugin commands"
t send-keys -t e2e Enter
wait_for "Skerrow search"
t send-keys -t e2e -l "a*a*a*a*bc"
t send-keys -t e2e Enter
sleep 1
if t capture-pane -p -t e2e | grep -qE "Matching lines|Stopped at line"; then
  fail "the search ended before Esc was pressed"
fi
t send-keys -t e2e Escape
wait_for "Stopped at line 1, nothing found before it"
t send-keys -t e2e Enter
wait_for "10Quit"
t send-keys -t e2e F10
wait_for "host-exited-0"
t kill-server 2>/dev/null
rm -rf "$work"
echo "passed tmux Esc during a search"
