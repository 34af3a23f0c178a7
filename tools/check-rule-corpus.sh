#!/bin/sh
# Test stage: the default rule sets on the real-source corpus against
# Universal Ctags. Installs ctags, python3, node with the TypeScript compiler,
# a JDK and hugs with the haskell-src parser when missing (Debian, as root),
# builds only the pattern tester when no build has one, then runs
# tools/check-rule-corpus.py; fails when a set falls below its floor.
# With --install it only installs (the test command does so before the unit
# tests, whose check of tools/check-rule-corpus.py needs the same tools).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

# What the check needs and is missing, as "TOOL|PACKAGE" lines.
missing() {
    command -v ctags >/dev/null 2>&1 && ctags --version 2>/dev/null | grep -q 'Universal Ctags' ||
        echo "Universal Ctags|universal-ctags"
    command -v python3 >/dev/null 2>&1 || echo "python3|python3"
    # JavaScript and TypeScript functions are also read by the TypeScript
    # compiler, found the way the check finds it, whichever node is on the PATH.
    if ! command -v node >/dev/null 2>&1; then
        echo "node|nodejs"
    elif ! node tools/check-rule-corpus-functions.js --check 2>/dev/null; then
        echo "the TypeScript compiler for node|node-typescript"
    fi
    # Java methods too, by the JDK's parser.
    command -v javac >/dev/null 2>&1 || echo "javac|default-jdk-headless"
    # Haskell declarations too, by the haskell-src parser under hugs.
    command -v runhugs >/dev/null 2>&1 || echo "runhugs|hugs"
    [ -d /usr/lib/hugs/packages/haskell-src ] || echo "the haskell-src parser for hugs|libhugs-haskell-src-bundled"
}

# One line: each missing tool with the Debian package that brings it.
report() {
    printf '%s' "$1" | awk -F'|' -v why="$2" '
        { list = list (NR > 1 ? ", " : "") $1 " (apt-get install " $2 ")" }
        END { print "check-rule-corpus: " why list }' >&2
}

need=$(missing)
if [ -n "$need" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        report "$need" "missing, install it or run as root: "
        exit 2
    fi
    # shellcheck disable=SC2046 # one word per package
    tools/apt-install.sh --no-install-recommends $(printf '%s\n' "$need" | cut -d'|' -f2) || true
    need=$(missing)
    if [ -n "$need" ]; then
        report "$need" "still missing after the install: "
        exit 2
    fi
fi

[ "${1:-}" = --install ] && exit 0

if [ -z "${SKERROW_REGEX:-}" ] && ! ls build/*/bin/skerrow-regex >/dev/null 2>&1; then
    cmake --preset native >/dev/null
    cmake --build --preset native --target skerrow-regex >/dev/null
fi

exec timeout 300 python3 tools/check-rule-corpus.py "$@"
