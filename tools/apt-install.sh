#!/bin/sh
# Installs Debian packages for the test command, as root:
#   tools/apt-install.sh [APT-GET-OPTION...] PACKAGE...
#
# A mirror can be caught between two syncs: an index that fails to download
# (apt-get update then exits 100 but keeps the indexes it got) is no reason to
# give up, so the install is tried anyway. When the security index of one
# architecture is the one missing, the multi-arch pairs (zlib1g and
# zlib1g:i386, say) are offered at different versions and the install cannot
# be solved; it is then tried once more from the release's own archive
# (-t CODENAME), whose versions exist for every architecture.
set -u
[ $# -gt 0 ] || exit 0
export DEBIAN_FRONTEND=noninteractive
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! timeout 600 apt-get update -q >"$log" 2>&1; then
    echo "apt-install: apt-get update: $(grep '^E:' "$log" | head -1)" >&2
fi
if timeout 1200 apt-get install -y -q "$@" >"$log" 2>&1; then
    exit 0
fi
codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
if [ -n "$codename" ] &&
    timeout 1200 apt-get install -y -q -t "$codename" "$@" >"$log" 2>&1; then
    echo "apt-install: installed from $codename's own archive: $*" >&2
    exit 0
fi
echo "apt-install: could not install $*:" >&2
grep -E '^(E:| [^ ].*: Depends)' "$log" | head -8 >&2
exit 1
