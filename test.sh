#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
tilewright_ensure_packages

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j"$jobs"

# The Windows build: the core, tilewright-cli and the unit tests cross-built
# and run under wine.
if command -v x86_64-w64-mingw32-g++-posix >/dev/null && [ -x /usr/lib/wine/wine64 ]; then
  tools/windows/test-windows.sh
fi

# The art decoders under libFuzzer with AddressSanitizer and UBSan, for a
# bounded time, when clang is there.
if command -v clang++ >/dev/null; then
  cmake -S . -B build-fuzz -DTILEWRIGHT_FUZZ=ON -DTILEWRIGHT_GUI=OFF -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build-fuzz -j"$jobs"
  ctest --test-dir build-fuzz --output-on-failure
fi
