#!/usr/bin/env bash
# Configures (once) and builds one tree: win64 | win32 | native | bench.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ZUNT_BUILD="${ZUNT_BUILD:-$root/build}"
build=$ZUNT_BUILD
tree=$1; shift
dir="$build/$tree"
case "$tree" in
  win64)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-mingw.cmake") ;;
  win32)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-mingw.cmake" -DZUNT_DLLS_ONLY=ON) ;;
  native) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) ;;
  bench)  args=(-DZUNT_BENCH=ON -DCMAKE_BUILD_TYPE=Release) ;;
  *) echo "build.sh: unknown tree $tree" >&2; exit 2 ;;
esac
if [ ! -f "$dir/build.ninja" ]; then
  mkdir -p "$build"
  cmake -S "$root" -B "$dir" -G Ninja "${args[@]}" >"$build/$tree-configure.log" 2>&1 \
    || { cat "$build/$tree-configure.log"; exit 1; }
fi
cmake --build "$dir" "$@" | grep -vE '^\[[0-9]+/[0-9]+\] ' || [ "${PIPESTATUS[0]}" = 0 ]
