#!/usr/bin/env bash
# skerrow-host in a real terminal: tmux runs it on a private server, keys go
# in with send-keys, the screen comes back with capture-pane. Checks the
# editor, the plug-in menu, the search dialog, the results menu, the jump and
# that F10 ends the program with the terminal restored.
set -u
host=$1
source=$2
socket="skerrow-e2e-$$"
. "$(dirname "$0")/tmux_lib.sh"

cd "$source" || exit 1
export LANG=C.UTF-8 LC_ALL=C.UTF-8
t -f /dev/null new-session -d -s e2e -x 80 -y 25 \
  "TERM=xterm-256color $host samples/counter.c; echo host-exited-\$?; sleep 30" || fail "tmux did not start"
wait_for "counter.c"
wait_for "10Quit"
t send-keys -t e2e F11
wait_for "Plugin commands"
t send-keys -t e2e Enter
wait_for "Skerrow search"
t send-keys -t e2e -l "counter_next"
t send-keys -t e2e Enter
wait_for "Search: counter_next"
wait_for "Matching lines: 2"
t send-keys -t e2e Down Enter
wait_for "Line 38/41"
t send-keys -t e2e C-Right
wait_for "Col 32"
t send-keys -t e2e F10
wait_for "host-exited-0"
t kill-server 2>/dev/null
echo "passed tmux session"
