#!/usr/bin/env bash
# The numeric edit on the Qt host on a virtual X display, typed into with real key presses: the
# demo form's edit shows 42 in the range -1000 to 99999; after End and two Backspaces, digits
# must be taken, while a letter and a minus sign after the digits must be refused and leave the
# text as it was. Escape closes the form, and the demo prints the edit's text as it closes.
#
#   bash numberedit_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/numberedit_demo"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 1024x768

start_program "$exe"
line=$(wait_line '^edit ' "the demo did not start")
read -r _ x y <<<"$line"
wait_window '^Number edit demo$' >/dev/null || fail "no demo window"

# With no window manager the keyboard follows the pointer, which the click leaves on the edit.
xdotool mousemove "$x" "$y" click 1
xdotool key End BackSpace BackSpace 1 2 3 a minus 4
xdotool key Escape

wait_exit "the demo did not end when its form closed"

text=$(grep '^text ' "$work/out.txt" || true)
[ "$text" = "text 1234" ] || fail "the edit kept '${text#text }', not '1234'"
echo "numberedit e2e: ok"
