# Shared by the terminal tests: a private tmux server named by $socket, a
# session "e2e", and the checks on its pane. The caller sets $socket and may
# define cleanup() for what it made besides the server.
t() { tmux -L "$socket" "$@"; }
fail() {
  echo "FAILED: $*"
  echo "--- pane:"
  t capture-pane -p -t e2e 2>/dev/null
  t kill-server 2>/dev/null
  declare -F cleanup >/dev/null && cleanup
  exit 1
}
# Waits until the pane shows the text (fixed string), at most $wait_tenths
# tenths of a second (100 when not set).
wait_for() {
  for _ in $(seq "${wait_tenths:-100}"); do
    if t capture-pane -p -t e2e 2>/dev/null | grep -qF -- "$1"; then return 0; fi
    sleep 0.1
  done
  fail "the pane never showed: $1"
}
