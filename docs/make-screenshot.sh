#!/usr/bin/env bash
# Makes docs/screenshot.png: the real calculator after 7.5 / 300 / 500, on
# the same Xvfb and openbox set-up as the end-to-end tests, cropped to the
# window and its frame. Usage: docs/make-screenshot.sh [path-to-fuelcalc]
set -u
ROOT=$(cd "$(dirname "$0")/.." && pwd)
FUELCALC=${1:-$ROOT/build/fuelcalc}
FUELCALC_ROOT=$ROOT
. "$ROOT/scripts/deps.sh"
fuelcalc_need_packages "${FUELCALC_BUILD_PACKAGES[@]}" imagemagick
. "$ROOT/tests/e2e/fixture.sh"

start_display
start_app
calculate 7.5 300 500
expect_box 编辑框6 0.6
click 按钮1 # the focus back on the button, no selection in a result box
xdotool mousemove 0 0
sleep 0.3

info=$(xwininfo -id "$WID")
x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
IFS=', ' read -r left right top bottom <<<"$(xprop_value _NET_FRAME_EXTENTS)"
width=$((492 + left + right))
height=$((219 + top + bottom))
import -window root -crop "${width}x${height}+$((x - left))+$((y - top))" +repage \
    -strip "PNG24:$ROOT/docs/screenshot.png"
echo "wrote docs/screenshot.png (${width}x${height})"
