#!/usr/bin/env bash
# Writes the licence notices of every library in the Windows zip into a
# folder, taken from the Debian source packages the libraries were built
# from and from the Debian packages that supplied the rest.
#   collect-licenses.sh FOLDER
set -euo pipefail
out=$1
src=${TILEWRIGHT_CACHE:-$HOME/.cache/tilewright}/sources/src
mkdir -p "$out"
one() { ls -d "$src/$1"-*/ | head -1; }
version() { dpkg-parsechangelog -l "$1/debian/changelog" -S Version; }

qt=$(one qt6-base)
cp "$qt/LICENSES/LGPL-3.0-only.txt" "$out/Qt-LGPL-3.0.txt"
cp "$qt/LICENSES/GPL-3.0-only.txt" "$out/Qt-GPL-3.0.txt"
cp "$qt/debian/copyright" "$out/Qt-copyright.txt"
spng=$(one libspng)
cp "$spng/LICENSE" "$out/libspng-LICENSE.txt"
cp "$spng/debian/copyright" "$out/libspng-copyright.txt"
csv=$(one libcsv)
cp "$csv/COPYING.LESSER" "$out/libcsv-LGPL-2.1.txt"
cp "$csv/debian/copyright" "$out/libcsv-copyright.txt"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$out/zlib-copyright.txt"
cp /usr/share/doc/libcli11-dev/copyright "$out/CLI11-copyright.txt"
cp /usr/share/doc/nlohmann-json3-dev/copyright "$out/nlohmann-json-copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$out/gcc-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$out/mingw-w64-winpthreads-copyright.txt"

cat > "$out/README.txt" <<TEXT
Licences of the libraries in this folder's parent

Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, platforms/qwindows.dll and
styles/qwindowsvistastyle.dll are Qt $(version "$qt" | sed 's/+.*//'), built unchanged from the
Debian source package qt6-base $(version "$qt") and used under the GNU Lesser
General Public License version 3 (Qt-LGPL-3.0.txt, which adds to
Qt-GPL-3.0.txt); Qt-copyright.txt lists the authors and the licences of the
parts Qt bundles. libcsv.dll is libcsv, Debian source package libcsv
$(version "$csv"), under the GNU Lesser General Public License version 2.1 or
later (libcsv-LGPL-2.1.txt, libcsv-copyright.txt). Both are separate DLLs:
you may replace them with versions you built yourself.

Source offer: the complete source of Qt and of libcsv as built here is that
of the Debian source packages named above ("apt-get source qt6-base libcsv"
on a Debian 12 machine). For three years from the day you received this zip,
its distributor gives you, on request, a copy of that source on a medium
customarily used for software interchange, for no more than the cost of
making the copy.

Linked into the programs: libspng (libspng-LICENSE.txt, BSD 2-clause),
zlib (zlib-copyright.txt), CLI11 (CLI11-copyright.txt), nlohmann-json
(nlohmann-json-copyright.txt). libstdc++-6.dll and libgcc_s_seh-1.dll are the
GCC runtime libraries under the GPL with the GCC Runtime Library Exception
(gcc-runtime-copyright.txt); libwinpthread-1.dll is from mingw-w64
(mingw-w64-winpthreads-copyright.txt).
TEXT
