#!/usr/bin/env bash
# The demo command: builds and runs the gallery. With a display it opens the window; without
# one it runs under Xvfb and writes one screenshot per page to out/gallery/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
cd "$root"
scripts/setup.sh
mkdir -p "$build" out/gallery
scripts/build.sh win64 --target ZuntGallery
scripts/wineprefix.sh
gallery="$build/win64/bin/ZuntGallery.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run "$gallery"
fi
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run "$gallery" /screenshots out/gallery
ls out/gallery
