#!/usr/bin/env bash
#
# deploy.sh - build a release tarball, upload it and switch the symlink.
#
# Usage: deploy.sh [-n] [-k KEEP] HOST...
#   -n       dry run: print what would be done
#   -k KEEP  releases to keep on each host (default 5)
#
# Functions are defined in the order they are needed; main() is last.
# Hooks: define pre_upload() { ...; } in deploy.local.sh to run code first.

set -euo pipefail
IFS=$'\n\t'

readonly PROG=${0##*/}
readonly STAMP=$(date +%Y%m%d%H%M%S)
DRY_RUN=0
KEEP=5
declare -a HOSTS=()

log() {
    printf '%s %s: %s\n' "$(date +%T)" "$PROG" "$*" >&2
}

die() { log "error: $*"; exit 1; }

usage()
{
    sed -n '3,8s/^# \{0,1\}//p' "$0"
    exit "${1:-0}"
}

function run {
    if (( DRY_RUN )); then
        log "would run: $*"
    else
        "$@"
    fi
}

function require_tools() {
    local tool missing=()
    for tool in tar ssh rsync "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        die "missing tools: ${missing[*]}"
    fi
}

parse_args () {
    local opt
    while getopts ':nk:h' opt; do
        case $opt in
            n) DRY_RUN=1 ;;
            k) KEEP=$OPTARG ;;
            h) usage 0 ;;
            :) die "option -$OPTARG needs a value" ;;
            *) usage 2 ;;
        esac
    done
    shift $((OPTIND - 1))
    [[ $# -gt 0 ]] || usage 2
    HOSTS=("$@")
    [[ $KEEP =~ ^[0-9]+$ ]] || die "KEEP must be a number, not '$KEEP'"
}

build_tarball() {
    local out="release-$STAMP.tar.gz"
    log "building $out"
    (
        cd "$(git rev-parse --show-toplevel)"
        git diff --quiet || die "working tree is dirty"
        run tar --exclude-vcs -czf "/tmp/$out" bin lib share
    )
    echo "/tmp/$out"
}

remote() {
    local host=$1; shift
    run ssh -o BatchMode=yes "$host" "$@"
}

upload()
{
    local host=$1 tarball=$2
    local dir="/srv/app/releases/$STAMP"
    if declare -F pre_upload >/dev/null; then
        pre_upload "$host"
    fi
    remote "$host" "mkdir -p '$dir'"
    run rsync -az "$tarball" "$host:$dir/"
    remote "$host" "tar -xzf '$dir/${tarball##*/}' -C '$dir' && rm '$dir/${tarball##*/}'"
}

switch_current() {
    local host=$1
    remote "$host" "ln -sfn '/srv/app/releases/$STAMP' /srv/app/current.new && mv -T /srv/app/current.new /srv/app/current"
}

prune_releases() {
    local host=$1
    # The remote side runs this snippet; "old() {" in it is just text.
    remote "$host" "cd /srv/app/releases && ls -1t | tail -n +$((KEEP + 1)) | xargs -r rm -rf"
}

health_check() (
    # runs in a subshell so the trap stays local
    trap 'log "health check on $1 interrupted"' INT
    local host=$1 tries=0
    until remote "$host" "curl -fsS http://localhost:8080/health" >/dev/null; do
        tries=$((tries + 1))
        (( tries < 10 )) || return 1
        sleep 3
    done
)

rollback() {
    local host=$1
    log "rolling back $host"
    remote "$host" 'prev=$(ls -1t /srv/app/releases | sed -n 2p); ln -sfn "/srv/app/releases/$prev" /srv/app/current'
}

cleanup() {
    [[ -n ${TARBALL:-} && -f $TARBALL ]] && rm -f "$TARBALL"
    return 0
}

deploy_host() {
    local host=$1
    log "deploying to $host"
    upload "$host" "$TARBALL"
    switch_current "$host"
    if ! health_check "$host"; then
        rollback "$host"
        return 1
    fi
    prune_releases "$host"
}

main() {
    parse_args "$@"
    require_tools curl
    [[ -f deploy.local.sh ]] && source deploy.local.sh
    trap cleanup EXIT
    TARBALL=$(build_tarball)
    local host failed=()
    for host in "${HOSTS[@]}"; do
        deploy_host "$host" || failed+=("$host")
    done
    if (( ${#failed[@]} )); then
        die "failed on: ${failed[*]}"
    fi
    log "done: ${#HOSTS[@]} host(s)"
}

main "$@"
