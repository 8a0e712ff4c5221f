#!/usr/bin/env bash
# Installs what is missing, fetches the payload inputs, and builds both trees:
#   "$build/native"  host tools (packer, art generator) and native tests of portable code
#   "$build/win"     the 32-bit Windows programs and their tests (cross-compiled with MinGW-w64)
# Deliverables land in dist/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

"$root/scripts/install-deps.sh"
deps=$("$root/scripts/fetch-deps.sh")

build=${LARKSPUR_BUILD:-build}  # another folder lets several builds coexist
jobs=$(nproc)
cmake -S . -B "$build/native" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build/native" -j "$jobs"

cmake -S . -B "$build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DLARKSPUR_HOST_TOOLS="$root/$build/native/bin" \
  -DLARKSPUR_DEPS_DIR="$deps" >/dev/null
cmake --build "$build/win" -j "$jobs"
