#!/usr/bin/env bash
# tools/merge-rules.sh on small fragments: one header, sections in argument
# order with one blank line between them, CRLF, and a refusal (non-zero exit,
# no output file) for each malformed fragment.
#
#   merge_rules_test.sh SOURCE_DIR
set -u
merge=$1/tools/merge-rules.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\S\\A]\r\n"Mask"="*.a"\r\n\r\n\r\n' >a.reg
printf '\nREGEDIT4\n; two sets, LF only, no final line end\n[HKEY_CURRENT_USER\\S\\B]\n"Match"="/b\\\\d/"\n\n[HKEY_CURRENT_USER\\S\\C]\n"RegNum"=dword:00000002' >b.reg
expected='REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\S\\A]\r\n"Mask"="*.a"\r\n\r\n; two sets, LF only, no final line end\r\n[HKEY_CURRENT_USER\\S\\B]\r\n"Match"="/b\\\\d/"\r\n\r\n[HKEY_CURRENT_USER\\S\\C]\r\n"RegNum"=dword:00000002\r\n'
"$merge" -o out.reg a.reg b.reg || fail "merging two good fragments"
[ "$(od -An -c out.reg)" = "$(printf "$expected" | od -An -c)" ] || fail "merged file is
$(cat -A out.reg)"

"$merge" >empty.reg || fail "no fragments"
[ "$(cat empty.reg)" = $'REGEDIT4\r' ] || fail "no fragments should give the bare header"

refuse() {  # name, fragment content
  printf "$2" >bad.reg
  rm -f out.reg
  if "$merge" -o out.reg a.reg bad.reg 2>err.txt; then fail "$1: accepted"; fi
  [ -e out.reg ] && fail "$1: left an output file"
  grep -q 'bad.reg' err.txt || fail "$1: the message names no file: $(cat err.txt)"
}
refuse "no header" '[HKEY_CURRENT_USER\\S\\D]\n"Mask"="*.d"\n'
refuse "version 5 header" 'Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\S\\D]\n'
refuse "second header" 'REGEDIT4\n[HKEY_CURRENT_USER\\S\\D]\nREGEDIT4\n'
refuse "value before a key" 'REGEDIT4\n"Mask"="*.d"\n[HKEY_CURRENT_USER\\S\\D]\n'
refuse "key defined twice" 'REGEDIT4\n[hkey_current_user\\s\\a]\n"Mask"="*.x"\n'
refuse "byte-order mark" '\357\273\277REGEDIT4\n[HKEY_CURRENT_USER\\S\\D]\n'
refuse "empty file" ''

if [ $failures -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "merge-rules: all checks passed"
