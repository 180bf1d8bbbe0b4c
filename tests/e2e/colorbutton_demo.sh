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

start_program "$exe"
line=$(wait_line '^hover ' "the program did not start")
read -r _ mx my x0 y0 x1 y1 <<<"$line"

corners_are() {
    pixel_is "$x0" "$y0" "$1" && [ "$(shot_pixel "$x1" "$y1")" = "$2" ]
}

# Waits until the screen shows the two colours (RRGGBB) at the button's first and last pixel.
corners_become() {
    wait_until "$patience" corners_are "$1" "$2" ||
        fail "corners ($x0, $y0) and ($x1, $y1) are $(shot_pixel "$x0" "$y0") $(shot_pixel "$x1" "$y1"), not $1 $2"
}

face=B0D0F0 # the button's Color 0xF0D0B0, blue in the high byte
corners_become "$face" "$face"
xdotool mousemove "$mx" "$my"
corners_become FFFFFF 000080
xdotool mousemove 1000 740
corners_become "$face" "$face"

# With no window manager the keyboard follows the pointer: back onto the form, between controls.
xdotool mousemove "$x0" $((y0 + 94)) key Escape
wait_exit "the program did not end when its form closed"
echo "colour button demo: ok"
