#!/usr/bin/env bash
# tools/probe-32bit.sh: its answer agrees with the i386 dynamic loader where
# one is installed, an emulator registered for i386 programs turns it into
# "no", and the switch forces "no".
#
#   probe_32bit_test.sh SOURCE_DIR WORK_DIR
set -u
root=$1 work=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# The test command's switch would answer for the machine.
unset SKERROW_ASSUME_NO_32BIT
rm -rf "$work" && mkdir -p "$work/none" "$work/qemu" "$work/others"
export SKERROW_PROBE_FILE=$work/probe-i386
probe() { SKERROW_BINFMT_DIR=$work/$1 "$root/tools/probe-32bit.sh"; }

answer=$(probe none)
native=$?
if [ -x /lib/ld-linux.so.2 ]; then
  loader=1
  /lib/ld-linux.so.2 --version >/dev/null 2>&1 && loader=0
  [ $native = $loader ] || fail "probe says $native ('$answer'), the i386 loader $loader"
fi
[ $native = 0 ] && [ -n "$answer" ] && fail "a 'yes' must be silent, got '$answer'"
[ $native = 1 ] && [ -z "$answer" ] && fail "a 'no' must say why"

# Entries for other machines, or disabled, change nothing.
printf 'enabled\ninterpreter /usr/bin/qemu-arm\nflags: \noffset 0\nmagic 7f454c4601010100000000000000000002002800\n' \
  >"$work/others/qemu-arm"
printf 'disabled\ninterpreter /usr/bin/qemu-i386\nflags: \noffset 0\nmagic 7f454c4601010100000000000000000002000300\n' \
  >"$work/others/qemu-i386"
printf '1\n' >"$work/others/status"
probe others >/dev/null
[ $? = $native ] || fail "disabled or foreign emulators changed the answer"

printf 'enabled\ninterpreter /usr/bin/qemu-i386-static\nflags: F\noffset 0\nmagic 7f454c4601010100000000000000000002000300\nmask fffffffffefefe00fffffffffffffffffeffffff\n' \
  >"$work/qemu/qemu-i386"
answer=$(probe qemu)
[ $? = 1 ] || fail "an i386 emulator must make the answer 'no'"
if [ $native = 0 ]; then
  case $answer in *qemu-i386-static*) ;; *) fail "the emulator is not named: '$answer'" ;; esac
fi

answer=$(SKERROW_ASSUME_NO_32BIT=1 probe none)
[ $? = 1 ] || fail "SKERROW_ASSUME_NO_32BIT=1 must make the answer 'no'"
case $answer in *"cannot execute 32-bit programs"*) ;; *) fail "switch answer: '$answer'" ;; esac

[ $failures = 0 ] && echo "probe: all checks passed (this machine: $([ $native = 0 ] && echo yes || echo no))"
[ $failures = 0 ]
