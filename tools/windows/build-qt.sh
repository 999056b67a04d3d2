#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's qt6-base source package, once,
# with only what the editor uses, into a cache folder outside the work tree.
# Prints the folder. A later run with the same version and options reuses it.
# With --cached it only prints the folder when it is there, and fails if not.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
version=6.4.2
options=(
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
  -DFEATURE_opengl=ON -DFEATURE_opengl_dynamic=ON -DFEATURE_tabletevent=OFF
  -DFEATURE_png=ON -DFEATURE_system_png=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_sspi=OFF -DFEATURE_schannel=OFF -DFEATURE_openssl=OFF
)
key=$(printf '%s\n' "$version" "${options[@]}" "$(cat "$here/mingw-w64-x86_64.cmake")" | sha256sum | cut -c1-12)
cache=${TILEWRIGHT_CACHE:-$HOME/.cache/tilewright}
prefix="$cache/qt-$version-mingw64-$key"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
[ "${1:-}" = --cached ] && exit 1
"$here/fetch-sources.sh" "$cache/sources" qt6-base >&2
src=$(ls -d "$cache/sources/src/qt6-base-$version"*/ | head -1)
build="$cache/qt-build-$key"
mkdir -p "$build"
cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
cmake --build "$build" -j"$(nproc)" >&2
cmake --install "$build" >&2
touch "$prefix/.complete"
echo "$prefix"
