#!/usr/bin/env bash
# Inside Xvfb: one persistent wineserver for the whole run, then CTest.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
cd "$ZUNT_BUILD"
wineserver -p
trap 'wineserver -k 2>/dev/null' EXIT
# Wine's background services (services.exe, rpcss...) start with the first Wine process and
# keep its output open; started here, away from CTest's pipes, CTest does not wait for them.
wine cmd /c exit </dev/null >/dev/null 2>&1
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1
ctest --output-on-failure --timeout 600 "$@"
