#!/usr/bin/env bash
# Checks that the DLL exports exactly the four entry points, by bare name, and
# imports nothing but system DLLs.
set -eu
dll=$1
dump=$(i686-w64-mingw32-objdump -p "$dll")
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
echo "exports: $names; imports: $imports"
