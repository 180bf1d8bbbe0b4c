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

QT_QPA_PLATFORM=xcb "$exe" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
for _ in $(seq 100); do
    grep -q '^edit ' "$work/out.txt" 2>/dev/null && break
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
read -r _ x y < <(grep '^edit ' "$work/out.txt") ||
    fail "the demo did not start: $(cat "$work/err.txt")"
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Number edit demo$' >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Number edit demo$' >/dev/null || fail "no demo window"

# With no window manager the keyboard follows the pointer, which the click leaves on the edit.
xdotool mousemove "$x" "$y" click 1
xdotool key End BackSpace BackSpace 1 2 3 a minus 4
xdotool key Escape

for _ in $(seq 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the demo did not end when its form closed"
wait "$app_pid" || fail "the demo failed: $(cat "$work/err.txt")"
app_pid=""

text=$(grep '^text ' "$work/out.txt" || true)
[ "$text" = "text 1234" ] || fail "the edit kept '${text#text }', not '1234'"
echo "numberedit e2e: ok"
