#!/usr/bin/env bash
# Builds the editor, writes a sample game folder and starts the editor on it.
# Arguments, when given, go to the editor in place of the sample folder
# (for example another game folder).
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
tilewright_ensure_packages

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target tilewright tilewright-cli make-sample-game
if [ $# -eq 0 ]; then
  folder="$PWD/sample-game/"
  build/tools/make-sample-game "$folder" >/dev/null
  echo "Starting the editor on the sample game folder $folder"
  set -- "$folder"
fi
exec build/app/tilewright "$@"
