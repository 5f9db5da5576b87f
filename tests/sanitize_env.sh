#!/bin/sh
# Runs a test program of the sanitizer build (and its listing of tests) with
# the sanitizers' settings: LeakSanitizer passes over what lsan.supp names
# (allocations a library keeps until the process ends on purpose), and
# UBSan prints the stack where it stopped. Settings already in
# the environment come after ours and win.
#   sanitize_env.sh PROGRAM [ARGUMENTS…]
here=$(CDPATH= cd -- "$(dirname -- "$0")" && pwd)
export LSAN_OPTIONS="suppressions=$here/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
exec "$@"
