#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine for the win64 build (see wine-run.sh).
SKERROW_WINE_ARCH=win64 exec "$(dirname "$0")/wine-run.sh" "$@"
