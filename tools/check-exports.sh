#!/usr/bin/env bash
# Checks without running it that the DLL is a PE file for the given machine
# (i386, the default, or x86-64), exports exactly the four entry points by
# bare name, and imports nothing but system DLLs.
#
#   tools/check-exports.sh DLL [i386|x86-64]
set -eu
dll=$1
machine=${2:-i386}
case $machine in
  i386 | x86-64) ;;
  *) echo "usage: $0 DLL [i386|x86-64]" >&2; exit 2 ;;
esac
# Debian's own objdump reads both PE formats; each MinGW one only its own.
format=$(objdump -f "$dll" | sed -n 's/.*file format //p')
if [ "$format" != "pei-$machine" ]; then
  echo "file format is '$format', expected 'pei-$machine'"
  exit 1
fi
dump=$(objdump -p "$dll")
names=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
expected="Configure GetPluginInfo OpenPlugin SetStartupInfo "
if [ "$names" != "$expected" ]; then
  echo "exports are '$names', expected '$expected'"
  exit 1
fi
imports=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort -u | tr '\n' ' ')
for dllname in $imports; do
  case $dllname in
    KERNEL32.DLL|USER32.DLL|ADVAPI32.DLL|MSVCRT.DLL) ;;
    *) echo "imports a non-system DLL: $dllname"; exit 1 ;;
  esac
done
echo "$format; exports: $names; imports: $imports"
