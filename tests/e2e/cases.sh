#!/usr/bin/env bash
# End-to-end tests of the real calculator on an X server with a window
# manager. Usage: cases.sh PATH-TO-FUELCALC CASE
set -u
FUELCALC=$1
CASE=$2
. "$(dirname "$0")/fixture.sh"

case_window() {
    start_display
    start_app

    [ "$(xprop_value _NET_WM_NAME)" = '"百公里耗油计算器"' ] || fail "caption: $(xprop_value _NET_WM_NAME)"

    local info width height
    info=$(xwininfo -id "$WID")
    width=$(awk '/Width:/ {print $2}' <<<"$info")
    height=$(awk '/Height:/ {print $2}' <<<"$info")
    [ "$width x $height" = "492 x 219" ] || fail "client area $width x $height"

    local hints
    hints=$(xprop -id "$WID" WM_NORMAL_HINTS)
    grep -q 'minimum size: 492 by 219' <<<"$hints" || fail "minimum size: $hints"
    grep -q 'maximum size: 492 by 219' <<<"$hints" || fail "maximum size: $hints"

    # _MOTIF_WM_HINTS: flags, functions, decorations. Minimise is 0x8 in
    # functions and 0x20 in decorations; maximise 0x10 and 0x40.
    local motif functions decorations
    motif=$(xprop_value _MOTIF_WM_HINTS)
    IFS=', ' read -r _ functions decorations _ <<<"$motif"
    [ $((functions & 0x18)) -eq 0 ] || fail "minimise or maximise function: $motif"
    [ $((decorations & 0x60)) -eq 0 ] || fail "minimise or maximise box: $motif"
    [ $((functions & 0x20)) -ne 0 ] || fail "no close function: $motif"

    # Centred: the frame's centre within a few pixels of the screen's.
    local extents left right top bottom x y
    extents=$(xprop_value _NET_FRAME_EXTENTS)
    IFS=', ' read -r left right top bottom <<<"$extents"
    x=$(awk '/Absolute upper-left X:/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y:/ {print $4}' <<<"$info")
    local cx=$(((x - left) * 2 + left + width + right))
    local cy=$(((y - top) * 2 + top + height + bottom))
    [ $((cx - 1024)) -le 24 ] && [ $((1024 - cx)) -le 24 ] || fail "not centred across: x $x"
    [ $((cy - 768)) -le 48 ] && [ $((768 - cy)) -le 48 ] || fail "not centred down: y $y"

    # The window icon reaches the window manager as 32 x 32 ARGB.
    xprop -id "$WID" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || fail "no 32 x 32 icon"

    # A normal window: in the taskbar, not on top.
    local state
    state=$(xprop_value _NET_WM_STATE)
    ! grep -qE 'ABOVE|SKIP_TASKBAR' <<<"$state" || fail "window state: $state"
}

case_calculate() {
    start_display
    start_app
    calculate 7.5 300 500
    expect_box 编辑框5 8
    expect_box 编辑框6 0.6
    expect_box 编辑框2 7.5
    expect_box 编辑框3 300
    expect_box 编辑框4 500
}

case_clear() {
    start_display
    start_app
    calculate 7.5 300 500
    expect_box 编辑框6 0.6
    click 按钮2
    local box
    for box in 编辑框2 编辑框3 编辑框4 编辑框5 编辑框6; do
        expect_box "$box" ''
    done
    expect_box 编辑框1 '说明：油箱接近空箱时到一个好的加油站加满油，此时公里数清零（或记下此时的公里数），然后正常行驶，待行驶一定公里数后，到原加油站原枪再次加满燃油，记下现在的公里数。'
}

case_enter() {
    start_display
    start_app
    local box
    for box in 编辑框2 编辑框3 编辑框4; do
        click "$box"
        type_text 5
        key Return
        key KP_Enter
        # The focus stayed: this lands in the same box.
        type_text 1
    done
    expect_box 编辑框2 51
    expect_box 编辑框3 51
    expect_box 编辑框4 51
    expect_box 编辑框5 ''
    expect_box 编辑框6 ''
}

case_escape() {
    start_display
    start_app
    type_text 7.5
    click 按钮2
    type_text x
    key Escape
    wait_for_exit
    [ "$APP_STATUS" = 0 ] || fail "exit status $APP_STATUS after Esc"
}

case_close() {
    start_display
    start_app
    type_text 7.5
    wmctrl -c '百公里耗油计算器'
    wait_for_exit
    [ "$APP_STATUS" = 0 ] || fail "exit status $APP_STATUS after the window manager closed it"
}

case_arguments_ignored() {
    start_display
    # Neither of Qt's own options takes effect: the window opens on this
    # display, laid out left to right.
    start_app -platform offscreen -reverse
    calculate 7.5 300 500
    expect_box 编辑框6 0.6
}

case_no_display() {
    local status
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$FUELCALC" \
        >"$FIXTURE_TMP/app.out" 2>"$FIXTURE_TMP/app.err"
    status=$?
    [ "$status" = 1 ] || fail "exit status $status with no display"
    [ "$(wc -l <"$FIXTURE_TMP/app.err")" = 1 ] || fail "expected one line on stderr"
    grep -q '无法打开图形显示' "$FIXTURE_TMP/app.err" || fail "no Chinese message"
    grep -q 'cannot open a display' "$FIXTURE_TMP/app.err" || fail "no English message"
}

"case_$CASE"
echo "ok: $CASE"
