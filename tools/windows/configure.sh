#!/usr/bin/env bash
# Configures the Windows build in a folder:
#   configure.sh BUILD_FOLDER [QT_PREFIX]
# with the cached libraries of build-deps.sh, the cached Qt when given (the
# editor and its window tests are built only then), and wine running the
# programs the build and the tests start, in a prefix under the build folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
qt=${2:-}
deps=$("$here/build-deps.sh")
mkdir -p "$build"
build=$(cd "$build" && pwd)
prefixes=$deps
gui=OFF
if [ -n "$qt" ]; then
  prefixes="$deps;$qt"
  gui=ON
fi
cmake -S "$here/../.." -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$here/tilewright-mingw64.cmake" -DTILEWRIGHT_WINDOWS_PREFIXES="$prefixes" \
  -DTILEWRIGHT_GUI=$gui \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$here/wine-run.sh;$build/wineprefix;$deps/bin${qt:+:$qt/bin}" >/dev/null
