#!/bin/sh
# Test stage: the default rule sets on the real-source corpus against
# Universal Ctags. Installs ctags, python3, node with the TypeScript compiler,
# a JDK and hugs with the haskell-src parser when missing (Debian, as root),
# builds only the pattern tester when no build has one, then runs
# tools/check-rule-corpus.py; fails when a set falls below its floor.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

need=""
command -v ctags >/dev/null 2>&1 && ctags --version 2>/dev/null | grep -q 'Universal Ctags' || need="$need universal-ctags"
command -v python3 >/dev/null 2>&1 || need="$need python3"
# JavaScript and TypeScript functions are also read by the TypeScript compiler.
command -v node >/dev/null 2>&1 || need="$need nodejs"
[ -d /usr/share/nodejs/typescript ] || need="$need node-typescript"
# Java methods too, by the JDK's parser.
command -v javac >/dev/null 2>&1 || need="$need default-jdk-headless"
# Haskell declarations too, by the haskell-src parser under hugs.
command -v runhugs >/dev/null 2>&1 || need="$need hugs"
[ -d /usr/lib/hugs/packages/haskell-src ] || need="$need libhugs-haskell-src-bundled"
if [ -n "$need" ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "check-rule-corpus: missing$need; install it or run as root" >&2
        exit 2
    fi
    apt-get update -qq
    # shellcheck disable=SC2086 # one word per package
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

if [ -z "${SKERROW_REGEX:-}" ] && ! ls build/*/bin/skerrow-regex >/dev/null 2>&1; then
    cmake --preset native >/dev/null
    cmake --build --preset native --target skerrow-regex >/dev/null
fi

exec timeout 300 python3 tools/check-rule-corpus.py "$@"
