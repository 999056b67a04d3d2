#!/usr/bin/env bash
# Builds the libraries the Windows build links, besides Qt, from Debian's
# source packages into a cache folder outside the work tree, once: googletest
# and libspng as static libraries, libcsv as a DLL (it is under the LGPL), a
# static zlib from libz-mingw-w64-dev, and the header-only CLI11 and
# nlohmann-json from the host's -dev packages. Prints the folder.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
packages=(googletest libspng libcsv)
cc=x86_64-w64-mingw32-gcc-posix
key=$( { printf '%s\n' "${packages[@]}"; cat "$0" "$here/mingw-w64-x86_64.cmake" "$here/tilewright-mingw64.cmake";
         dpkg-query -W -f='${Version}\n' libcli11-dev nlohmann-json3-dev libz-mingw-w64-dev; } | sha256sum | cut -c1-12)
cache=${TILEWRIGHT_CACHE:-$HOME/.cache/tilewright}
prefix="$cache/deps-mingw64-$key"
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi
"$here/fetch-sources.sh" "$cache/sources" "${packages[@]}" >&2
src="$cache/sources/src"
build="$cache/deps-build-$key"
rm -rf "$prefix" "$build"
mkdir -p "$prefix/include" "$prefix/lib/pkgconfig" "$prefix/bin" "$build"

cp -r /usr/include/CLI /usr/include/nlohmann "$prefix/include/"
ln -s /usr/x86_64-w64-mingw32/lib/libz.a "$prefix/lib/libz.a"

spng=$(ls -d "$src"/libspng-*/ | head -1)
$cc -O2 -DSPNG_STATIC -c "$spng/spng/spng.c" -o "$build/spng.o" >&2
x86_64-w64-mingw32-ar rcs "$prefix/lib/libspng.a" "$build/spng.o"
cp "$spng/spng/spng.h" "$prefix/include/"
cat > "$prefix/lib/pkgconfig/spng.pc" <<PC
prefix=$prefix
Name: spng
Description: PNG decoding and encoding
Version: $(basename "$spng" | sed 's/libspng-//')
Cflags: -I\${prefix}/include -DSPNG_STATIC
Libs: -L\${prefix}/lib -lspng -lz
PC

csv=$(ls -d "$src"/libcsv-*/ | head -1)
$cc -O2 -shared -o "$prefix/bin/libcsv.dll" "$csv/libcsv.c" -Wl,--out-implib,"$prefix/lib/libcsv.dll.a" >&2
cp "$csv/csv.h" "$prefix/include/"

gtest=$(ls -d "$src"/googletest-*/ | head -1)
cmake -S "$gtest" -B "$build/googletest" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64-x86_64.cmake" -DBUILD_GMOCK=OFF -DBUILD_SHARED_LIBS=OFF \
  -DCMAKE_INSTALL_PREFIX="$prefix" >&2
cmake --build "$build/googletest" -j2 >&2
cmake --install "$build/googletest" >&2

rm -rf "$build"
touch "$prefix/.complete"
echo "$prefix"
