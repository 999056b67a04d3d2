#!/usr/bin/env bash
# Builds the editor, writes a sample game folder and starts the editor on it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
tilewright_ensure_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tilewright tilewright-cli make-sample-game
folder="$PWD/sample-game/"
build/tools/make-sample-game "$folder"
echo
echo "Sample game folder: $folder"
echo "Press \"Path's\" and type it into both boxes (with the trailing /)."
exec build/app/tilewright "$@"
