#!/usr/bin/env bash
# Tells whether this machine executes 32-bit x86 programs itself: silent with
# status 0 when it does, else one line saying why not and status 1. The probe
# is a 96-byte static i386 program that only exits with status 42: no
# library, no loader, nothing installed needed.
# SKERROW_ASSUME_NO_32BIT=1 makes the answer "no", to try the other path;
# SKERROW_BINFMT_DIR replaces /proc/sys/fs/binfmt_misc and SKERROW_PROBE_FILE
# the probe's place (build/probe-i386), for its test.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${SKERROW_ASSUME_NO_32BIT:-0}" = 1 ]; then
  echo "this machine cannot execute 32-bit programs (SKERROW_ASSUME_NO_32BIT=1)"
  exit 1
fi
probe=${SKERROW_PROBE_FILE:-$root/build/probe-i386}
mkdir -p "$(dirname "$probe")"
# ELF header, one loadable segment of the whole file at 0x08048000, then
# mov eax, 1; mov ebx, 42; int 0x80 (exit(42)) at 0x08048054.
printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' >"$probe"
printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' >>"$probe"
printf '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >>"$probe"
chmod +x "$probe"
timeout 10 "$probe" 2>/dev/null
if [ $? -ne 42 ]; then
  echo "this machine cannot execute 32-bit programs"
  exit 1
fi
# An emulator registered for i386 programs (qemu-user and binfmt_misc)
# comes before the kernel's own loader: 32-bit Wine through it does not
# finish starting.
for entry in "${SKERROW_BINFMT_DIR:-/proc/sys/fs/binfmt_misc}"/*; do
  case ${entry##*/} in register | status | '*') continue ;; esac
  if grep -qx enabled "$entry" 2>/dev/null &&
    grep -q '^magic 7f454c4601.\{26\}0300' "$entry" 2>/dev/null; then
    echo "this machine cannot execute 32-bit programs natively (binfmt_misc hands them to $(sed -n 's/^interpreter //p' "$entry"))"
    exit 1
  fi
done
exit 0
