# Sourced by tests/e2e/host/tmux_esc_during_search.sh and tools/bench-cancel.sh:
# the one line on which /a*a*a*a*bc/ backtracks for minutes before it matches
# (200 'a' followed by "b bc"), and options that search by pattern, case
# sensitive, without picking up the word at the cursor.
# write_slow_match_fixture DIR: writes DIR/line.txt and DIR/options.reg (the
# host saves into the options file, so a fresh one is written per run).
write_slow_match_fixture() {
  printf '%0.sa' $(seq 200) >"$1/line.txt"
  printf 'b bc\n' >>"$1/line.txt"
  cat >"$1/options.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Far\Plugins\SKERROW]
"PickWord"=dword:00000000
"RegExp"=dword:00000001
"Case"=dword:00000001
REG
}
