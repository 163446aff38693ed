#!/usr/bin/env bash
# The test command: builds every tree, runs every test (Wine in Xvfb, native under sanitizers,
# fuzz corpus replays), proves the 32-bit DLLs link, and prints one CTest summary.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
cd "$root"
scripts/setup.sh
mkdir -p "$build"
scripts/build.sh win64
scripts/build.sh win32
scripts/build.sh native
scripts/wineprefix.sh
# One CTest run over both trees gives one summary.
printf 'subdirs("win64" "native")\n' > "$build/CTestTestfile.cmake"
exec xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run-tests.sh "$@"
