#!/usr/bin/env bash
# The Windows build under wine: cross-builds the core, tilewright-cli, the
# sample-game maker and their tests with the mingw-w64 compilers and runs the
# tests under wine, with one wineserver kept running meanwhile. The window
# tests join when the Windows Qt is in the cache (./package-windows.sh
# builds it once).
set -euo pipefail
# Debian's wine64 keeps its programs here, off the PATH.
export PATH=/usr/lib/wine:$PATH
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$here/../.." && pwd)/build-windows
jobs=$(nproc)
qt=$("$here/build-qt.sh" --cached || true)
"$here/configure.sh" "$build" "$qt"
cmake --build "$build" -j"$jobs"

export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
mkdir -p "$WINEPREFIX"
wineserver -p
"$here/wine-run.sh" "$WINEPREFIX" "" cmd /c exit
# The tests' temporary folders in memory where there is some: under wine
# every flush of a file reaches the disk.
temp=$(mktemp -d /dev/shm/tilewright-tests-XXXXXX 2>/dev/null || mktemp -d)
trap 'wineserver -k; rm -rf "$temp"' EXIT
for name in TEMP TMP; do
  wine64 reg add 'HKCU\Environment' /v $name /d "Z:${temp//\//\\}" /f >/dev/null
done
ctest --test-dir "$build" --output-on-failure -j"$jobs"
if [ -z "$qt" ]; then
  echo "Windows window tests left out: no Windows Qt in the cache; ./package-windows.sh builds it (once, 30 to 60 minutes)."
fi
