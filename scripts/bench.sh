#!/usr/bin/env bash
# The bench command: the portable core's benchmarks natively (Release), then the controls'
# costs under Wine in the product build (i686 Release; x86_64 where the 32-bit Wine is missing).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
cd "$root"
scripts/setup.sh
source scripts/wine-env.sh
mkdir -p "$build"
scripts/build.sh bench
for b in "$build"/bench/bin/bench_*; do
  [ -x "$b" ] && "$b" --benchmark_counters_tabular=true
done
tree=win32
[ -z "$(zunt_wine32_missing)" ] || tree=win64
scripts/build.sh "$tree" --target bench_ui
scripts/wineprefix.sh
xvfb-run -a -s "-screen 0 1280x1024x24" scripts/wine-run "$build/$tree/bin/bench_ui.exe"
