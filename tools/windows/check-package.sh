#!/usr/bin/env bash
# Tries the Windows zip as a new user would, under wine in a fresh prefix:
# unpacks it, writes a sample game folder with make-sample-game.exe, runs
# tilewright-cli.exe info and export on it, and starts tilewright.exe on the
# folder under Xvfb. There, as a user would: "Look Item's Tile", item 1234
# typed in the list, its weight set to 50 and compiled, which
# tilewright-cli.exe diff must then report; the find dialog finds a torch.
# With SCREENSHOT, the window is saved there as a PNG at the end. Only the
# zip's own DLLs are used. Any failure fails the script.
#   check-package.sh ZIP [SCREENSHOT]
set -euo pipefail
# Debian's wine64 keeps its programs here, off the PATH.
export PATH=/usr/lib/wine:$PATH
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
screenshot=${2:+$(cd "$(dirname "$2")" && pwd)/$(basename "$2")}
check=$(mktemp -d "${TMPDIR:-/tmp}/tilewright-check-XXXXXX")
export WINEPREFIX=$check/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d WINEPATH=
xvfb=
cleanup() {
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  rm -rf "$check"
}
trap cleanup EXIT
fail() { echo "package check: $*" >&2; exit 1; }

(cd "$check" && unzip -q "$zip")
app=$(ls -d "$check"/tilewright-*/)
for f in tilewright.exe tilewright-cli.exe make-sample-game.exe README.md LICENSES/README.txt \
         platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
  [ -f "$app/$f" ] || fail "$f is missing from the zip"
done
# Xvfb first: wine's desktop process, started with the prefix, takes its
# display then. Xvfb picks a free display and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$check/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$check/display" ] && break
  sleep 0.1
done
[ -s "$check/display" ] || fail "Xvfb did not start"
export DISPLAY=:$(cat "$check/display")
# One wineserver for every program below, started before the prefix is made.
mkdir -p "$WINEPREFIX"
wineserver -p
wine64 wineboot -i >/dev/null 2>&1

# Windows paths, as a user types them: Z: is the Linux root under wine.
windows() { printf 'Z:%s' "${1//\//\\}"; }
game=$(windows "$check/sample-game/")
wine64 "$app/make-sample-game.exe" "$game" >/dev/null || fail "make-sample-game.exe failed"
[ -f "$check/sample-game/TileData.mul" ] || fail "make-sample-game.exe wrote no TileData.mul"
info=$(wine64 "$app/tilewright-cli.exe" info "${game}TileData.mul") || fail "tilewright-cli.exe info failed"
echo "$info" | grep -q 16384 || fail "tilewright-cli.exe info: unexpected output: $info"
wine64 "$app/tilewright-cli.exe" export "${game}TileData.mul" -o "$(windows "$check/tiles.csv")" ||
  fail "tilewright-cli.exe export failed"
[ "$(wc -l < "$check/tiles.csv")" -gt 16384 ] || fail "tilewright-cli.exe export wrote too few lines"
# CSV lines end in CR LF on every system; text mode would have made it CR CR LF.
if grep -q $'\r\r' "$check/tiles.csv"; then fail "the exported CSV went through text mode"; fi

(wine64 "$app/tilewright.exe" "$game" >/dev/null 2>&1) &
editor=$!
disown "$editor"  # wineserver -k ends it; no job report then
# A visible window whose name matches, polled: a search can fail when a
# window it meets goes away meanwhile, as wine's do while a program starts.
await_window() {
  local id
  for _ in $(seq $(($2 * 5))); do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
    if [ -n "$id" ]; then echo "$id"; return 0; fi
    sleep 0.2
  done
  return 1
}
window=$(await_window '^Tilewright$' 60) || fail "tilewright.exe showed no window within a minute"
kill -0 "$editor" 2>/dev/null || fail "tilewright.exe ended early"

# The window's client area on screen; the controls sit where the window puts them.
read -r wx wy ww wh < <(xwininfo -id "$window" |
  awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{print x, y, w, $2}')
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; sleep 1; }
cp "$check/sample-game/TileData.mul" "$check/before.mul"
click 44 392                                  # "Look Item's Tile"
click 30 20; xdotool type --delay 50 1234; sleep 1
click 425 38; xdotool key ctrl+a; xdotool type --delay 50 50
click 348 388; xdotool key Return; sleep 1    # Compile, and OK on "Compiling complite..."
changes=$(wine64 "$app/tilewright-cli.exe" diff "$(windows "$check/before.mul")" "${game}TileData.mul" || true)
echo "$changes" | grep -q '^item 1234 weight: .* -> 50$' || fail "the compiled change is not in the file: $changes"
xdotool key ctrl+f
await_window '^Find' 20 >/dev/null || fail "Ctrl+F showed no find dialog"
xdotool type --delay 50 torch; xdotool key Return; sleep 1.5
await_window '^Tilewright$' 5 >/dev/null || fail "the window went away during the find"
if [ -n "$screenshot" ]; then
  import -window root "$check/screen.png"
  convert "$check/screen.png" -crop "${ww}x${wh}+$wx+$wy" +repage "$screenshot"
fi
xdotool windowclose "$window" 2>/dev/null || true
wineserver -k
echo "package check passed: $(basename "$zip")"
