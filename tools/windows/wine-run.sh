#!/usr/bin/env bash
# Runs a Windows program under wine for the build and the tests:
#   wine-run.sh WINEPREFIX DLL_FOLDERS PROGRAM [ARGUMENTS...]
# DLL_FOLDERS is a :-separated list of Linux folders (a ; would split it in
# CMake's emulator list) holding the DLLs the
# program needs besides the compiler's runtime. The prefix is made on first use.
set -euo pipefail
# Debian's wine64 keeps its programs here, off the PATH.
export PATH=/usr/lib/wine:$PATH
export WINEPREFIX=$1 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
dlls=$2
shift 2
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
path=
IFS=':' read -ra folders <<< "$runtime:/usr/x86_64-w64-mingw32/lib:$dlls"
for f in "${folders[@]}"; do
  [ -n "$f" ] && path+="Z:${f//\//\\};"
done
export WINEPATH="$path"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wine64 wineboot -i >/dev/null 2>&1
fi
exec wine64 "$@"
