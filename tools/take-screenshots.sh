#!/usr/bin/env bash
# Takes the README's screenshots from the real editor under Xvfb: an item and
# a land tile of the sample game folder. Needs xvfb, xdotool and imagemagick.
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

# Xvfb picks a free display and writes its number once it is ready.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1024x768x24 -dpi 96 >"$work/xvfb.log" 2>&1 & xvfb=$!
read -r -t 10 display_number <&"$display_fd" || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$display_number"
build/app/tilewright >/dev/null 2>&1 & app=$!
sleep 1.5

# The window is centred: its client area's top-left on this screen.
read -r wx wy < <(xwininfo -name Tilewright | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{print x, $4}') ||
  { echo "The editor's window did not appear." >&2; exit 1; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; sleep 0.3; }
shot() { import -window root "$work/screen.png"; convert "$work/screen.png" -crop "465x403+$wx+$wy" +repage "$1"; }

click 428 388                       # "Path's"
read -r dx dy < <(xwininfo -root -tree | awk '/"Tilewright".*312x92/{split($NF,a,"+"); print a[2], a[3]}')
for y in 33 57; do
  xdotool mousemove $((dx + 200)) $((dy + y)) click 1; xdotool key ctrl+a; xdotool type --delay 2 "$work/game/"
done
xdotool key Return; sleep 0.3

click 44 392                        # "Look Item's Tile"
click 30 20; xdotool type --delay 30 "1234"; sleep 0.5
shot docs/screenshot-item.png
click 44 376                        # "Look Land's Tile"
click 30 20; xdotool type --delay 30 "6"; sleep 0.5
shot docs/screenshot-land.png
echo "docs/screenshot-item.png docs/screenshot-land.png written"
