#!/usr/bin/env bash
# Configures (once) and builds one tree:
#   win32        i686, Release: the product as it ships, with its tests and the gallery
#   win64        x86_64, Release
#   win64-ubsan  x86_64, unoptimised, undefined behaviour traps (illegal instruction)
#   native       the portable core under clang's sanitizers, with the fuzz targets
#   bench        native Release benchmarks
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
tree=$1; shift
dir="$build/$tree"
mingw32=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake")
mingw64=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake")
case "$tree" in
  win32)       args=("${mingw32[@]}" -DCMAKE_BUILD_TYPE=Release) ;;
  win64)       args=("${mingw64[@]}" -DCMAKE_BUILD_TYPE=Release) ;;
  win64-ubsan) args=("${mingw64[@]}" -DZUNT_UB_TRAP=ON) ;;
  native)      args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  bench)       args=(-DZUNT_BENCH=ON -DCMAKE_BUILD_TYPE=Release) ;;
  *) echo "build.sh: unknown tree $tree" >&2; exit 2 ;;
esac
if [ ! -f "$dir/build.ninja" ]; then
  mkdir -p "$build"
  cmake -S "$root" -B "$dir" -G Ninja -DZUNT_TREE="$tree" "${args[@]}" >"$build/$tree-configure.log" 2>&1 \
    || { cat "$build/$tree-configure.log"; exit 1; }
fi
cmake --build "$dir" "$@" | grep -vE '^\[[0-9]+/[0-9]+\] ' || [ "${PIPESTATUS[0]}" = 0 ]
