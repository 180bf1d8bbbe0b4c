#!/usr/bin/env bash
# The drop-down button on the Qt host on a virtual X display, driven by the real mouse: the
# pointer over it raises it, holding the left button on it past its delay drops its menu under
# it (seen on a screenshot), releasing on an item chooses that item and no click comes through,
# and once the pointer has left, the button is flat again.
#
#   bash cutebutton_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/cutebutton_demo"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 1024x768

start_program "$exe"

# pixel_becomes X Y RRGGBB [not]: until the pixel is that colour, or with "not", no longer is.
pixel_becomes() {
    local test=pixel_is
    [ -n "${4:-}" ] && test=pixel_is_not
    wait_until "$patience" "$test" "$1" "$2" "$3" ||
        fail "pixel ($1, $2) is $(shot_pixel "$1" "$2") (wanted ${4:+not }$3)"
}

line=$(wait_line '^button ' "the program did not start")
read -r _ bx by <<<"$line"

# The demo's colours: face C0C0C0, bevel highlight FFFFFF and shadow 808080, form 008080.
# Flat: only the inner raised frame, so the pixel inside its corner shows the face.
pixel_becomes "$bx" "$by" FFFFFF
pixel_becomes $((bx + 1)) $((by + 1)) C0C0C0

xdotool mousemove --sync $((bx + 30)) $((by + 12))
pixel_becomes $((bx + 1)) $((by + 1)) FFFFFF # raised: an outer ring around the inner one

xdotool mousedown 1
pixel_becomes "$bx" "$by" 808080 # sunken while held
wait_line '^popup$' "holding the button did not drop the menu" >/dev/null
# The menu stands below the button's lower-left corner, over the form's teal.
pixel_becomes $((bx + 30)) $((by + 25 + 10)) 008080 not

xdotool mousemove --sync $((bx + 30)) $((by + 25 + 11))
xdotool mouseup 1
wait_line '^item AppleItem$' "releasing on the first item did not choose it" >/dev/null
grep -q '^click$' "$work/out.txt" && fail "the press that dropped the menu also clicked"

xdotool mousemove --sync $((bx + 150)) $((by + 100))
pixel_becomes $((bx + 1)) $((by + 1)) C0C0C0 # flat again
pixel_becomes "$bx" "$by" FFFFFF

# With no window manager the keyboard follows the pointer, which is over the form.
xdotool key Escape
wait_exit "the program did not end when its form closed"
echo "cutebutton e2e: ok"
