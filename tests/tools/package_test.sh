#!/usr/bin/env bash
# Layout of the shipped archive: tools/package.sh from the win32 build makes
# skerrow-VERSION.zip with exactly one folder skerrow/ holding the DLL, every
# language and help file as shipped, the merged rule sets and the ReadMe.
#
#   package_test.sh SOURCE_DIR WIN32_BUILD_DIR VERSION WORK_DIR
set -u
root=$1 build=$2 version=$3 work=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
export LC_ALL=C

rm -rf "$work" && mkdir -p "$work"
archive=$("$root/tools/package.sh" --build-dir "$build" --no-build --out "$work/dist") || { echo "FAIL: package.sh"; exit 1; }
[ "$archive" = "$work/dist/skerrow-$version.zip" ] || fail "archive is $archive, expected skerrow-$version.zip"
[ -f "$archive" ] || { echo "FAIL: no archive"; exit 1; }

# Exactly these entries, all in skerrow/.
expected=$( (printf 'skerrow/%s\n' ReadMe.txt skerrow-rules.reg skerrow.dll
  for f in "$root"/data/lng/*.lng "$root"/data/hlf/*.hlf; do echo "skerrow/$(basename "$f")"; done) | sort)
listed=$(unzip -Z1 "$archive" | sort)
[ "$listed" = "$expected" ] || fail "entries differ:
$(diff <(echo "$expected") <(echo "$listed"))"

unzip -q "$archive" -d "$work/unpacked" || fail "unzip"
folder=$work/unpacked/skerrow
for f in "$root"/data/lng/*.lng "$root"/data/hlf/*.hlf; do
  cmp -s "$f" "$folder/$(basename "$f")" || fail "$(basename "$f") differs from the shipped source"
done
cmp -s "$build/bin/skerrow.dll" "$folder/skerrow.dll" || fail "skerrow.dll differs from the build's"

# A 32-bit Windows DLL: "MZ", the PE signature, machine i386 (0x14c), the DLL flag.
dll=$folder/skerrow.dll
pe=$(od -An -tu4 -j60 -N4 "$dll" | tr -d ' ')
[ "$(head -c2 "$dll")" = "MZ" ] || fail "skerrow.dll has no MZ header"
[ "$(od -An -tx1 -j"$pe" -N6 "$dll" | tr -d ' ')" = "504500004c01" ] || fail "skerrow.dll is not a PE file for i386"
characteristics=$(od -An -tu2 -j$((pe + 22)) -N2 "$dll" | tr -d ' ')
[ $((characteristics & 0x2000)) -ne 0 ] || fail "skerrow.dll is not a DLL"
if command -v i686-w64-mingw32-objdump >/dev/null; then
  "$root/tools/check-exports.sh" "$dll" >/dev/null || fail "exports: $("$root/tools/check-exports.sh" "$dll")"
fi

# Text files for Windows: every line ends in CRLF and the file ends in one.
crlf_only() {
  local lines crlfs
  lines=$(tr -cd '\n' <"$1" | wc -c)
  crlfs=$(grep -c $'\r$' "$1")
  [ "$lines" -gt 0 ] && [ "$lines" = "$crlfs" ] && [ "$(tail -c2 "$1" | od -An -tx1 | tr -d ' ')" = "0d0a" ]
}

readme=$folder/ReadMe.txt
crlf_only "$readme" || fail "ReadMe.txt must have CRLF line ends throughout"
grep -q '[^ -~'$'\r''	]' "$readme" && fail "ReadMe.txt must be printable ASCII"
head -1 "$readme" | grep -q "skerrow $version" || fail "ReadMe.txt does not name version $version"
for what in 'Plugins' 'regedit /s skerrow-rules.reg' 'double-click' 'F11' 'Plugins configuration'; do
  grep -qF "$what" "$readme" || fail "ReadMe.txt does not say '$what'"
done

# One REGEDIT4 file with every section of every fragment, all below the
# module's Extensions key.
reg=$folder/skerrow-rules.reg
crlf_only "$reg" || fail "skerrow-rules.reg must have CRLF line ends throughout"
[ "$(head -1 "$reg")" = $'REGEDIT4\r' ] || fail "skerrow-rules.reg does not start with REGEDIT4"
[ "$(grep -c '^REGEDIT4' "$reg")" = 1 ] || fail "skerrow-rules.reg has more than one header"
shopt -s nullglob
fragments=("$root"/data/rules/sets/*.reg)
want=0
[ ${#fragments[@]} -gt 0 ] && want=$(cat "${fragments[@]}" | grep -c '^\[')
got=$(grep -c '^\[' "$reg")
[ "$got" = "$want" ] || fail "skerrow-rules.reg holds $got key sections, the fragments $want"
outside=$(grep '^\[' "$reg" | grep -v '^\[HKEY_CURRENT_USER\\Software\\Far\\Plugins\\SKERROW\\Extensions\\[^]\\]*\]'$'\r''$')
[ -z "$outside" ] || fail "keys outside the module's Extensions key: $outside"

if [ $failures -gt 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "package layout: $(unzip -Z1 "$archive" | wc -l) entries, $got rule sets; all checks passed"
