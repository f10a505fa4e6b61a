# Sourced by the end-to-end tests and the screenshot script: a virtual X
# display with a window manager, the real calculator on it, and the ways a
# person uses it (click, type, copy). Every wait is bounded; everything
# started here is stopped on exit, also when a check fails.

FIXTURE_TMP=$(mktemp -d)
FIXTURE_SHELL=$BASHPID
FIXTURE_PIDS=()
APP_PID=
WID=

fixture_cleanup() {
    # Command substitutions are subshells: only the test's own shell cleans up.
    [ "$BASHPID" = "$FIXTURE_SHELL" ] || return 0
    local pid
    for pid in $APP_PID "${FIXTURE_PIDS[@]}"; do
        kill "$pid" 2>/dev/null
    done
    for pid in $APP_PID "${FIXTURE_PIDS[@]}"; do
        wait "$pid" 2>/dev/null
    done
    rm -rf "$FIXTURE_TMP"
}
trap fixture_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -s "$FIXTURE_TMP/app.err" ] && sed 's/^/  app: /' "$FIXTURE_TMP/app.err" >&2
    exit 1
}

# wait_for SECONDS COMMAND…: runs COMMAND every 0.05 s until it succeeds.
wait_for() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Xvfb on a free display number, then openbox on it.
start_display() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
        3>"$FIXTURE_TMP/display" >"$FIXTURE_TMP/xvfb.log" 2>&1 &
    FIXTURE_PIDS+=($!)
    wait_for 10 test -s "$FIXTURE_TMP/display" || fail "Xvfb did not start: $(cat "$FIXTURE_TMP/xvfb.log")"
    export DISPLAY=":$(head -n1 "$FIXTURE_TMP/display")"
    unset WAYLAND_DISPLAY XAUTHORITY
    # A session has a runtime directory; without one Qt warns on every start.
    export XDG_RUNTIME_DIR=$FIXTURE_TMP/runtime
    mkdir -m 0700 "$XDG_RUNTIME_DIR"

    openbox --sm-disable >"$FIXTURE_TMP/openbox.log" 2>&1 &
    FIXTURE_PIDS+=($!)
    wait_for 10 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start"
}

# Starts the calculator with any arguments given and waits for its window.
start_app() {
    QT_QPA_PLATFORM=xcb "$FUELCALC" "$@" >"$FIXTURE_TMP/app.out" 2>"$FIXTURE_TMP/app.err" &
    APP_PID=$!
    # A cold font cache can make the first start slow.
    wait_for 30 find_window || fail "the calculator window did not appear"
    WID=$(find_window)
    # Openbox frames it and gives it the focus once it is mapped.
    wait_for 10 sh -c "xprop -id $WID _NET_FRAME_EXTENTS | grep -q =" ||
        fail "the window manager did not frame the window"
    wait_for 10 sh -c "[ \"\$(xdotool getactivewindow)\" = $WID ]" ||
        fail "the calculator window did not get the focus"
}

find_window() {
    xdotool search --onlyvisible --name '^百公里耗油计算器$' 2>/dev/null | head -n1 | grep .
}

# Waits for the calculator to exit; its exit status goes to APP_STATUS.
wait_for_exit() {
    wait_for 10 sh -c "! kill -0 $APP_PID" || fail "the calculator did not exit"
    wait "$APP_PID"
    APP_STATUS=$?
    APP_PID=
}

# Control centres, in the window's client coordinates.
declare -A CONTROL=(
    [编辑框2]="152 20" [编辑框3]="152 52" [编辑框4]="152 84"
    [按钮1]="308 56" [按钮2]="444 56" [编辑框1]="108 164"
    [编辑框5]="328 144" [编辑框6]="328 184"
)

click() {
    # shellcheck disable=SC2086
    xdotool mousemove --window "$WID" ${CONTROL[$1]} click 1
    sleep 0.1
}

type_text() {
    xdotool type --delay 15 "$1"
}

key() {
    xdotool key --clearmodifiers "$@"
    sleep 0.1
}

# Types a measurement as a person would, from the price box down with Tab,
# and clicks 计算.
calculate() { # PRICE MONEY DISTANCE
    click 编辑框2
    type_text "$1"
    key Tab
    type_text "$2"
    key Tab
    type_text "$3"
    click 按钮1
}

# The whole text of a box, read as a person would: select all, copy, paste.
read_box() {
    # Empty the clipboard first, so an empty box reads as empty. xclip stays
    # behind to own the selection: it must not hold this function's output.
    xclip -selection clipboard -i /dev/null >/dev/null 2>&1
    click "$1"
    key ctrl+a ctrl+c
    timeout 5 xclip -o -selection clipboard 2>/dev/null
}

expect_box() {
    local actual
    actual=$(read_box "$1")
    [ "$actual" = "$2" ] || fail "$1 shows '$actual', expected '$2'"
}

xprop_value() {
    xprop -id "$WID" "$1" | sed 's/^[^=]*= //'
}
