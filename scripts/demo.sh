#!/usr/bin/env bash
# The demo command: builds and runs the gallery from the product build (Release, i686; x86_64
# where the 32-bit Wine cannot be had). With a display it opens the window; without one it runs
# under Xvfb and writes one screenshot per page to out/gallery/.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
cd "$root"
scripts/setup.sh
source scripts/wine-env.sh
tree=win32
why=$(zunt_wine32_missing)
if [ -n "$why" ]; then
  echo "demo: $why; the gallery runs from the 64-bit build"
  tree=win64
fi
mkdir -p "$build" out/gallery
scripts/build.sh "$tree" --target ZuntGallery
scripts/wineprefix.sh
gallery="$build/$tree/bin/ZuntGallery.exe"
if [ -n "${DISPLAY:-}" ]; then
  exec scripts/wine-run "$gallery"
fi
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run "$gallery" /screenshots out/gallery
# The same pages at 192 DPI, on a screen big enough for the frame at twice the size.
ZUNT_DPI=192 xvfb-run -a -s "-screen 0 2560x2048x24" scripts/wine-run "$gallery" /screenshots out/gallery/192dpi
ls out/gallery out/gallery/192dpi
