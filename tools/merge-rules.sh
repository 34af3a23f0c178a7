#!/usr/bin/env bash
# Merges REGEDIT4 fragments (one or more rule sets each) into one REGEDIT4
# file for regedit: one header, the fragments' key sections in the order of
# the arguments, one blank line between sections, CRLF line ends, a final
# line end (regedit drops a last line that has none).
#
#   tools/merge-rules.sh [-o OUT] FRAGMENT.reg...
#
# Refuses, naming the file and line: a fragment that does not start with the
# REGEDIT4 header (a "Windows Registry Editor Version 5.00" file is UTF-16 and
# another format), a second header, a value before the first key, a byte-order
# mark, and a key that two sections define (regedit would silently mix their
# values, so two sets of one name are a mistake). Bytes pass through
# unchanged; a comment stays with the key section it is in or precedes.
# Tested by tests/tools/merge_rules_test.sh.
set -eu

out=
if [ "${1:-}" = "-o" ]; then
  out=$2
  shift 2
fi

merge() {
  if [ $# -eq 0 ]; then
    printf 'REGEDIT4\r\n'  # nothing to import, but a valid file
    return
  fi
  LC_ALL=C awk '
    function fail(msg) { printf "merge-rules: %s:%d: %s\n", FILENAME, FNR, msg > "/dev/stderr"; failed = 1; exit 1 }
    function flush() {  # the pending section, without its trailing blank lines
      while (n > 0 && lines[n] ~ /^[ \t]*$/) n--
      if (n == 0) return
      printf "\r\n"
      for (i = 1; i <= n; i++) printf "%s\r\n", lines[i]
      n = 0
      pendingKey = 0
    }
    BEGIN { printf "REGEDIT4\r\n"; n = 0 }
    FNR == 1 { flush(); header = 0; inKey = 0; continued = 0 }
    {
      sub(/\r$/, "")
      if (FNR == 1 && substr($0, 1, 3) == "\357\273\277") fail("byte-order mark: REGEDIT4 files are ANSI text")
      if (!header) {
        if ($0 ~ /^[ \t]*$/) next
        if ($0 != "REGEDIT4") fail("does not start with the REGEDIT4 header")
        header = 1
        hasHeader[FILENAME] = 1
        next
      }
      if ($0 == "REGEDIT4") fail("a second REGEDIT4 header")
      if (n == 0 && $0 ~ /^[ \t]*$/) next  # blank lines between sections
      if (!continued && $0 ~ /^\[/) {
        if (pendingKey) flush()  # comments before a first key stay with it
        pendingKey = 1
        key = toupper($0)
        if (key in seen) fail("key " $0 " is also defined in " seen[key])
        seen[key] = FILENAME ":" FNR
        inKey = 1
      } else if (!continued && !inKey && $0 !~ /^[ \t]*(;.*)?$/) {
        fail("a value before the first key")
      }
      lines[++n] = $0
      continued = inKey && $0 ~ /\\$/  # a value continued on the next line
    }
    END {
      if (failed) exit 1
      for (i = 1; i < ARGC; i++) {
        if (!(ARGV[i] in hasHeader)) { printf "merge-rules: %s: empty, no REGEDIT4 header\n", ARGV[i] > "/dev/stderr"; exit 1 }
      }
      flush()
    }
  ' "$@"
}

if [ -n "$out" ]; then
  tmp="$out.tmp.$$"
  if merge "$@" >"$tmp"; then
    mv "$tmp" "$out"
  else
    rm -f "$tmp"
    exit 1
  fi
else
  merge "$@"
fi
