#!/usr/bin/env bash
# Writes dist/tilewright-<version>-windows-x64.zip: the editor, tilewright-cli
# and make-sample-game for 64-bit Windows, cross-built here with Debian's
# mingw-w64 compilers, with the Qt and runtime DLLs they need, README.md and
# the licences of every library inside. The first run builds Qt for Windows
# into ~/.cache/tilewright (30 to 60 minutes); later runs reuse it.
#   ./package-windows.sh [--check]
# --check then unpacks the zip into a fresh folder and tries it under wine.
set -euo pipefail
cd "$(dirname "$0")"
source tools/ensure-packages.sh
tilewright_ensure_packages
root=$PWD
windows=$root/tools/windows
build=$root/build-windows
version=$(sed -n 's/^project(Tilewright VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=tilewright-$version-windows-x64
zip=$root/dist/$name.zip

deps=$("$windows/build-deps.sh")
qt=$("$windows/build-qt.sh")
"$windows/configure.sh" "$build" "$qt"
cmake --build "$build" -j"$(nproc)" --target tilewright tilewright-cli make-sample-game

stage=$root/dist/$name
rm -rf "$stage" "$zip"
mkdir -p "$stage/platforms" "$stage/styles" "$stage/LICENSES"
cp "$build/app/tilewright.exe" "$build/cli/tilewright-cli.exe" "$build/tools/make-sample-game.exe" "$stage/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$deps/bin/libcsv.dll" "$stage/"
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
  cp "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)" "$stage/"
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded
cp README.md "$stage/"
"$windows/collect-licenses.sh" "$stage/LICENSES"
(cd "$root/dist" && rm -f "$name.zip" && zip -qr9 "$name.zip" "$name")
rm -rf "$stage"
echo "$zip ($(du -k "$zip" | cut -f1) KiB)"

if [ "${1:-}" = --check ]; then
  "$windows/check-package.sh" "$zip"
fi
