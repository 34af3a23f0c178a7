#!/bin/sh
# Rebuilds tests/data/corpus from Debian packages: installs the packages named
# in tools/rule-corpus.list, copies the chosen files into one folder per rule
# set and records package, version and licence in tests/data/corpus/SOURCES.tsv.
# Needs root (apt-get); run it only to change the corpus, the test reads the
# committed copy.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
list="$root/tools/rule-corpus.list"
out="$root/tests/data/corpus"

# Rows whose source is deb:PATH take the file from the package's .deb,
# downloaded and unpacked without installing it (texlive-* pulls in much).
packages=$(grep -v '^#' "$list" | grep -v -P '^[^\t]*\t[^\t]*\tdeb:' | cut -f2 | sort -u)
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

debs=$(mktemp -d)
trap 'rm -rf "$debs"' EXIT
for p in $(grep -v '^#' "$list" | grep -P '^[^\t]*\t[^\t]*\tdeb:' | cut -f2 | sort -u); do
    (cd "$debs" && apt-get download "$p" && dpkg-deb -x "$p"_*.deb "$p")
done

find "$out" -mindepth 1 -maxdepth 1 -type d -exec rm -r {} +
printf 'set\tfile\tpackage\tversion\tlicence\tsource\n' > "$out/SOURCES.tsv"
grep -v '^#' "$list" | while IFS='	' read -r set package source file licence; do
    mkdir -p "$out/$set"
    case "$source" in
    zip:*)
        rest=${source#zip:}
        unzip -p "${rest%%:*}" "${rest#*:}" > "$out/$set/$file" ;;
    gz:*)
        gzip -dc "${source#gz:}" > "$out/$set/$file" ;;
    deb:*)
        cp "$debs/$package/${source#deb:}" "$out/$set/$file" ;;
    *)
        cp "$source" "$out/$set/$file" ;;
    esac
    case "$source" in
    deb:*) version=$(dpkg-deb -f "$debs/$package"_*.deb Version) ;;
    *) version=$(dpkg-query -W -f='${Version}' "$package") ;;
    esac
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$set" "$file" "$package" "$version" "$licence" "$source" >> "$out/SOURCES.tsv"
done
du -sh "$out"
