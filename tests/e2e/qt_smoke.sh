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

start_program "$exe"
line=$(wait_line '^panel ' "the program did not start")
read -r _ x y <<<"$line"

wait_pixel "$x" "$y" 0000FF
xdotool mousemove --sync "$x" "$y" click 1
wait_pixel "$x" "$y" FF0000

visible_window '^Qt smoke$' >/dev/null || fail "no window titled Qt smoke"
# With no window manager the keyboard follows the pointer, which is over the form.
xdotool key Escape
wait_exit "the program did not end when its form closed"
echo "qt smoke: ok"
