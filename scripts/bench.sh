#!/usr/bin/env bash
# The bench command: native release build of the benchmarks, then each one runs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
cd "$root"
scripts/setup.sh
mkdir -p "$build"
scripts/build.sh bench
found=0
for b in "$build"/bench/bin/bench_*; do
  [ -x "$b" ] || continue
  found=1
  "$b" --benchmark_counters_tabular=true
done
[ "$found" = 1 ] || echo "bench: no benchmarks yet"
