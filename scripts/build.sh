#!/usr/bin/env bash
# Builds everything (the native simulator and tests, the two 32-bit Windows
# programs) and then runs one simulated cold-start erase of veskara_west.
#   ./scripts/build.sh
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh build
jobs=$(nproc)

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j "$jobs"

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
cmake --build build/win32 -j "$jobs"

echo
echo "Windows programs: $(ls build/win32/veskara_*.exe | tr '\n' ' ')"
echo
exec ./scripts/simulate.sh
