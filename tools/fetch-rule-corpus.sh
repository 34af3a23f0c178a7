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

# Rows whose source is src:PATH name a Debian source package (apt-get source,
# needs a deb-src line) instead of a binary one.
packages=$(grep -v '^#' "$list" | awk -F'\t' '$3 !~ /^src:/ { print $2 }' | sort -u)
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing="$missing $p"
done
if [ -n "$missing" ]; then
    apt-get update
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $missing
fi

sources=$(mktemp -d)
trap 'rm -rf "$sources"' EXIT
for p in $(grep -v '^#' "$list" | awk -F'\t' '$3 ~ /^src:/ { print $2 }' | sort -u); do
    mkdir "$sources/$p"
    (cd "$sources/$p" && apt-get source -qq "$p" >/dev/null)
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
    src:*)
        cp "$sources/$package"/*/"${source#src:}" "$out/$set/$file" ;;
    *)
        cp "$source" "$out/$set/$file" ;;
    esac
    case "$source" in
    src:*) version=$(sed -n 's/^Version: //p' "$sources/$package"/*.dsc) ;;
    *) version=$(dpkg-query -W -f='${Version}' "$package") ;;
    esac
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$set" "$file" "$package" "$version" "$licence" "$source" >> "$out/SOURCES.tsv"
done
du -sh "$out"
