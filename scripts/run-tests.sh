#!/usr/bin/env bash
# Inside Xvfb: one persistent wineserver for the whole run, then CTest.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ZUNT_BUILD"
wineserver -p
trap 'wineserver -k 2>/dev/null' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1
ctest --output-on-failure "$@"
