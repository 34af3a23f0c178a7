#!/bin/sh
# Rebuilds tests/data/corpus from Debian packages: installs the packages named
# in tools/rule-corpus.list, copies the chosen files into one folder per rule
# set and records package, version and licence in tests/data/corpus/SOURCES.tsv.
# Rows whose source is src:PATH take PATH from the unpacked Debian source
# package named in the row (apt-get source, Debian's patches applied); rows
# with orig:PATH take it from that package's upstream tarball (apt-get source
# --tar-only), for packages whose Debian part the mirror no longer serves.
# Both need a deb-src line for the distribution.
# Needs root (apt-get); run it only to change the corpus, the test reads the
# committed copy.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
list="$root/tools/rule-corpus.list"
out="$root/tests/data/corpus"

# Rows whose source is deb:PATH take the file from the package's .deb,
# downloaded and unpacked without installing it (texlive-* pulls in much).
packages=$(grep -v '^#' "$list" | awk -F'\t' '$3 !~ /^(src|orig|deb):/ { print $2 }' | sort -u)
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
# The upstream tarball of a source package, downloaded once.
source_tarball() {
    if [ ! -d "$sources/orig-$1" ]; then
        mkdir "$sources/orig-$1"
        (cd "$sources/orig-$1" && apt-get source -qq --tar-only "$1" >/dev/null)
    fi
    find "$sources/orig-$1" -name '*.orig.tar.*' ! -name '*.asc' | head -n 1
}
mkdir "$sources/deb"
for p in $(grep -v '^#' "$list" | awk -F'\t' '$3 ~ /^deb:/ { print $2 }' | sort -u); do
    (cd "$sources/deb" && apt-get download "$p" && dpkg-deb -x "$p"_*.deb "$p")
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
    orig:*)
        tarball=$(source_tarball "$package")
        top=$(tar tf "$tarball" | head -n 1 | cut -d/ -f1)
        tar xOf "$tarball" "$top/${source#orig:}" > "$out/$set/$file" ;;
    deb:*)
        cp "$sources/deb/$package/${source#deb:}" "$out/$set/$file" ;;
    *)
        cp "$source" "$out/$set/$file" ;;
    esac
    case "$source" in
    src:* | orig:*) version=$(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | head -n 1) ;;
    deb:*) version=$(dpkg-deb -f "$sources/deb/$package"_*.deb Version) ;;
    *) version=$(dpkg-query -W -f='${Version}' "$package") ;;
    esac
    printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$set" "$file" "$package" "$version" "$licence" "$source" >> "$out/SOURCES.tsv"
done
du -sh "$out"
