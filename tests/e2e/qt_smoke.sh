#!/usr/bin/env bash
# The framework on the Qt host on a virtual X display: a form with a blue panel must show the
# panel's colour on the screen, a real mouse click on the panel must turn it red, and Escape
# must close the form and so end the program.
#
#   bash qt_smoke.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/qt_smoke"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 1024x768

QT_QPA_PLATFORM=xcb "$exe" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
for _ in $(seq 100); do
    grep -q '^panel ' "$work/out.txt" 2>/dev/null && break
    sleep 0.1
done
read -r _ x y < <(grep '^panel ' "$work/out.txt") || fail "the program did not start: $(cat "$work/err.txt")"

# The colour at the panel's middle, as RRGGBB, once the screen shows the expected one.
pixel_becomes() {
    local want=$1 got=""
    for _ in $(seq 50); do
        import -window root "$work/shot.png"
        got=$(convert "$work/shot.png" -depth 8 -format "%[hex:p{$x,$y}]" info:)
        [ "${got:0:6}" = "$want" ] && return 0
        sleep 0.1
    done
    fail "pixel ($x, $y) is $got, not $want"
}

pixel_becomes 0000FF
xdotool mousemove "$x" "$y" click 1
pixel_becomes FF0000

xdotool search --name '^Qt smoke$' >/dev/null || fail "no window titled Qt smoke"
# With no window manager the keyboard follows the pointer, which is over the form.
xdotool key Escape
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end when its form closed"
fi
wait "$app_pid" || fail "the program failed"
app_pid=""
echo "qt smoke: ok"
