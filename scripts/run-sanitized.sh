#!/usr/bin/env bash
# Runs the sanitizer build's program (build/test, made by scripts/test.sh) with the options
# the tests use: leaks that tests/lsan.supp names, all inside system libraries, are not
# reported, so a normal quit exits with 0.
#   scripts/run-sanitized.sh [ARGUMENTS...]      e.g. examples/Summe.CPU
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
exec "${TOVAK_BUILD:-$root/build/test}/bin/tovak" "$@"
