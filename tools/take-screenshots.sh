#!/usr/bin/env bash
# Takes the README's screenshots from the real editor under Xvfb, started on
# sample game folders as a user starts it: an item and a land tile, a torch
# found with the find dialog, and an item of a file with 64-bit flags.
# Needs xvfb, xdotool and imagemagick.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/ensure-packages.sh
tilewright_ensure_packages xvfb xdotool imagemagick x11-utils

cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target tilewright make-sample-game >/dev/null
work=$(mktemp -d)
app='' xvfb=''
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
build/tools/make-sample-game "$work/game/" >/dev/null
build/tools/make-sample-game "$work/game64/" --layout 64bit >/dev/null

# Xvfb picks a free display and writes its number once it is ready.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -dpi 96 >"$work/xvfb.log" 2>&1 & xvfb=$!
read -r -t 10 display_number <&"$display_fd" || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display_number"

# The editor's window's client area on screen; it widens for 64-bit flags.
measure() {
  local id
  id=$(xdotool search --onlyvisible --name '^Tilewright$' | head -1)
  [ -n "$id" ] || { echo "The editor's window did not appear." >&2; exit 1; }
  read -r wx wy ww wh < <(xwininfo -id "$id" |
    awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width/{w=$2} /Height/{print x, y, w, $2}')
}
start() { build/app/tilewright "$1" >/dev/null 2>&1 & app=$!; sleep 1.5; measure; }
stop() { kill "$app"; wait "$app" 2>/dev/null || true; app=''; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; sleep 0.5; }
shot() {
  measure
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${ww}x${wh}+$wx+$wy" +repage "$1"
}

start "$work/game/"
click 44 392                        # "Look Item's Tile"
click 30 20; xdotool type --delay 30 "1234"; sleep 0.5
shot docs/screenshot-item.png
click 44 376                        # "Look Land's Tile"
click 30 20; xdotool type --delay 30 "6"; sleep 0.5
shot docs/screenshot-land.png
click 44 392                        # "Look Item's Tile", then Ctrl+F, "torch", Return
xdotool key ctrl+f; sleep 0.5; xdotool type --delay 30 "torch"; xdotool key Return; sleep 0.5
shot docs/screenshot-find.png
stop

start "$work/game64/"
click 44 392
click 30 20; xdotool type --delay 30 "1234"; sleep 0.5
shot docs/screenshot-64bit.png
echo "docs/screenshot-item.png docs/screenshot-land.png docs/screenshot-find.png docs/screenshot-64bit.png written"
