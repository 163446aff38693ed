#!/usr/bin/env bash
# The test command: builds every tree and runs every test with one CTest summary: the product as
# it ships (Release, i686 under 32-bit Wine and x86_64 under 64-bit Wine), an unoptimised x86_64
# tree where undefined behaviour traps, and the portable core natively under sanitizers with the
# fuzz corpus replays. Wine runs in Xvfb.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
cd "$root"
scripts/setup.sh
source scripts/wine-env.sh
mkdir -p "$build"
trees=(win32 win64 win64-ubsan native)
for tree in "${trees[@]}"; do
  scripts/build.sh "$tree"
done
scripts/wineprefix.sh
why=$(zunt_wine32_missing)
if [ -n "$why" ]; then
  echo "test: THE 32-BIT TESTS DID NOT RUN: $why; the i686 tree was built only"
  trees=(win64 win64-ubsan native)
fi
# One CTest run over the trees gives one summary; each entry ends with its tree's name. The
# sources' formatting is one more entry.
{
  printf 'add_test(format_check "%s/scripts/format-check.sh")\n' "$root"
  printf 'subdirs(%s)\n' "$(printf '"%s" ' "${trees[@]}")"
} > "$build/CTestTestfile.cmake"
exec xvfb-run -a -s "-screen 0 1280x1024x24" scripts/run-tests.sh "$@"
