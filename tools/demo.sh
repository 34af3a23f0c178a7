#!/usr/bin/env bash
# The demo: builds the native module and host stand-in, and opens a sample in
# the host's editor with the shipped rule sets imported. Settings made in the
# demo are kept in build/native/demo-registry.reg between runs. F11 opens the
# plug-in menu; Alt+Shift+F9 is the stand-in's own key for the configuration
# menu (the real host opens it from its panels: F9, Options, Plugins
# configuration); F10 quits.
#   tools/demo.sh [FILE [skerrow-host options]]     (default samples/counter.c)
set -eu
cd "$(dirname "$0")/.."
cmake --preset native >/dev/null
cmake --build --preset native --target skerrow-host skerrow skerrow_data >/dev/null
tools/merge-rules.sh -o build/native/skerrow-rules.reg data/rules/sets/*.reg
file=${1:-samples/counter.c}
shift $(($# > 0 ? 1 : 0))
# Further arguments go to skerrow-host, e.g. --keys "F11 Enter Enter" or --lang rus.
exec build/native/bin/skerrow-host --import build/native/skerrow-rules.reg \
  --registry build/native/demo-registry.reg "$@" "$file"
