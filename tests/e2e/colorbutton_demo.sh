#!/usr/bin/env bash
# The colour button on the Qt host on a virtual X display: the button with the thin edge shows
# no edge at rest, a raised one (white top-left, navy bottom-right) while the real pointer is
# over it, and none again once the pointer has gone to the bare desktop, which sends the program
# no further mouse message.
#
#   bash colorbutton_demo.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/colorbutton_demo"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 1024x768

QT_QPA_PLATFORM=xcb "$exe" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
for _ in $(seq 100); do
    grep -q '^hover ' "$work/out.txt" 2>/dev/null && break
    sleep 0.1
done
read -r _ mx my x0 y0 x1 y1 < <(grep '^hover ' "$work/out.txt") ||
    fail "the program did not start: $(cat "$work/err.txt")"

fail() {
    [ -f "$work/shot.png" ] && cp "$work/shot.png" "${TMPDIR:-/tmp}/colorbutton_demo_fail.png"
    echo "FAIL: $*" >&2
    exit 1
}

# Waits until the screen shows the two colours (RRGGBB) at the button's first and last pixel.
corners_become() {
    local top_left=$1 bottom_right=$2 got=""
    for _ in $(seq 50); do
        import -window root "$work/shot.png"
        got=$(convert "$work/shot.png" -depth 8 -format "%[hex:p{$x0,$y0}] %[hex:p{$x1,$y1}]" info:)
        [ "${got:0:6} ${got:7:6}" = "$top_left $bottom_right" ] && return 0
        sleep 0.1
    done
    fail "corners ($x0, $y0) and ($x1, $y1) are $got, not $top_left $bottom_right"
}

face=B0D0F0 # the button's Color 0xF0D0B0, blue in the high byte
corners_become "$face" "$face"
xdotool mousemove "$mx" "$my"
corners_become FFFFFF 000080
xdotool mousemove 1000 740
corners_become "$face" "$face"

# With no window manager the keyboard follows the pointer: back onto the form, between controls.
xdotool mousemove "$x0" $((y0 + 94)) key Escape
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when its form closed"
wait "$app_pid" || fail "the program failed"
app_pid=""
echo "colour button demo: ok"
