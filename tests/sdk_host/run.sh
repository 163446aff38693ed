#!/usr/bin/env bash
# Installs the SDK from a built tree, builds the host project against it and runs the host.
# The host is built in Release, as hosts ship. Usage: run.sh <built tree> <toolchain file>
set -euo pipefail
tree=$1 toolchain=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
sdk="$tree/sdk" host="$tree/sdk_host"
rm -rf "$sdk" "$host"
cmake --install "$tree" --prefix "$sdk" >/dev/null
cmake -S "$here" -B "$host" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$sdk" \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$host" >/dev/null
exec "$here/../../scripts/wine-run" "$host/sdk_host.exe"
