#!/usr/bin/env bash
# Builds the archive a user downloads: dist/skerrow-VERSION.zip with one
# folder skerrow/ holding the module, its language and help files, the
# default rule sets as one .reg file and a short ReadMe.txt. VERSION is the
# one of the project() line of the top-level CMakeLists.txt.
#
#   tools/package.sh [--build-dir DIR] [--out DIR] [--no-build]
#
# --build-dir  the win32 build to take skerrow.dll from (default build/win32,
#              configured with the win32 preset and built when needed)
# --out        where the archive goes (default dist/)
# --no-build   take the DLL as it is; fail when it is missing
# Prints the archive's path. The layout is tested by tests/tools/package_test.sh.
set -eu
export LC_ALL=C
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32
out=$root/dist
make_dll=1
while [ $# -gt 0 ]; do
  case $1 in
    --build-dir) build=$(realpath -m "$2"); shift 2 ;;
    --out) out=$(realpath -m "$2"); shift 2 ;;
    --no-build) make_dll=0; shift ;;
    *) echo "usage: $0 [--build-dir DIR] [--out DIR] [--no-build]" >&2; exit 2 ;;
  esac
done

version=$(sed -n 's/^project(skerrow VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [ -z "$version" ]; then
  echo "package: no VERSION in the project() line of CMakeLists.txt" >&2
  exit 1
fi

if [ $make_dll = 1 ]; then
  if [ ! -f "$build/CMakeCache.txt" ]; then
    (cd "$root" && cmake --preset win32 -B "$build" >/dev/null)
  fi
  cmake --build "$build" --target skerrow -j2 >/dev/null
fi
dll=$build/bin/skerrow.dll
if [ ! -f "$dll" ]; then
  echo "package: $dll is missing; build the win32 preset first" >&2
  exit 1
fi

shopt -s nullglob
languages=("$root"/data/lng/*.lng)
helps=("$root"/data/hlf/*.hlf)
rules=("$root"/data/rules/sets/*.reg)
if [ ${#rules[@]} -eq 0 ]; then
  echo "package: warning: data/rules/sets holds no rule sets; skerrow-rules.reg imports nothing" >&2
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/skerrow
mkdir "$folder"
cp "$dll" "${languages[@]}" "${helps[@]}" "$folder/"
"$root/tools/merge-rules.sh" -o "$folder/skerrow-rules.reg" "${rules[@]}"

# ASCII with CRLF line ends, so that Notepad shows it on any Windows.
sed 's/$/\r/' >"$folder/ReadMe.txt" <<EOF
skerrow $version
==============

An editor plug-in that lists every line of the edited file holding a text
or matching a pattern, with line numbers and function names, and jumps to
the one you choose.

Installing
----------
1. Copy the folder "skerrow" into the "Plugins" folder of the host program
   (the folder that holds its other plug-ins, beside the program itself),
   so that you have Plugins\\skerrow\\skerrow.dll.
2. Import the default function rule sets: double-click skerrow-rules.reg
   and confirm, or run
       regedit /s skerrow-rules.reg
   in the folder. This adds the rule sets for the current user; it changes
   no other setting. You can skip this step and write your own sets.
3. Restart the host program.

Using it
--------
- In the editor press F11 (the plug-in menu) and choose
  "Skerrow: list matching lines". Type the text or pattern, choose the
  switches and press Enter; choose a line in the list to jump to it.
- Defaults and rule sets: Options | Plugins configuration | Skerrow.
- Press F1 in its search dialog, settings dialog or rule-set menu for help,
  in English or Russian.

Files
-----
skerrow.dll          the plug-in
skerrowEng.lng/.hlf  English texts and help
skerrowRus.lng/.hlf  Russian texts and help
skerrow-rules.reg    default function rule sets (REGEDIT4)
EOF

# Stable times and order, so the same sources give the same archive.
stamp=$(git -C "$root" log -1 --format=%cd --date=format:%Y%m%d%H%M.%S 2>/dev/null || true)
[ -n "$stamp" ] && find "$folder" -exec touch -t "$stamp" {} +
mkdir -p "$out"
archive=$out/skerrow-$version.zip
rm -f "$archive"
(cd "$stage" && find skerrow -print | LC_ALL=C sort | zip -q -X -D "$archive" -@)
echo "$archive"
