#!/usr/bin/env bash
# Fails on every C++ source that clang-format, with the project's .clang-format, would change.
# Fix with: git ls-files '*.cpp' '*.h' | xargs clang-format-14 -i
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
                     find . \( -path ./build -o -path ./out \) -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
clang-format-14 --dry-run --Werror "${files[@]}"
echo "format: ${#files[@]} files as .clang-format has them"
