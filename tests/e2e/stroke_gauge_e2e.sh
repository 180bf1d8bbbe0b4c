#!/usr/bin/env bash
# The stroke bar and the gauge on the Qt host on a virtual X display, driven by the real
# pointer: stroking the bar moves the gauge with it, a left click commits the bar, and after the
# pointer has left and come back, a right click cancels a new stroke back to the committed
# value and the gauge follows the bar back. Both are checked on screenshots.
#
#   bash stroke_gauge_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/stroke_gauge"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 800x600

start_program "$exe"
wait_line '^Gauge ' "the program did not start" >/dev/null
read -r _ bar_x bar_y < <(grep '^Bar ' "$work/out.txt")
read -r _ gauge_x gauge_y < <(grep '^Gauge ' "$work/out.txt")

# Both controls are 200 pixels wide over the range 0..200, so a value shows as that many
# columns. The bar band is rows 16..31, inside two bevels; the gauge's row 1 lies inside its
# frame and above its text.
band_y=$((bar_y + 24))

# Navy pixels in row 1 of the gauge (the fill less the frame's left column), and the colour of
# the bar's band row 28 at column $2 (149 is clear of the text), as the screen shows them.
gauge_and_bar_are() {
    screenshot &&
        [ "$(count_colour 000080 200 1 "$gauge_x" $((gauge_y + 1)))" = "$1" ] &&
        [ "$(shot_pixel $((bar_x + $2)) $((bar_y + 28)))" = "$3" ]
}

# shows NAVY COLUMN RRGGBB: until the gauge shows that many navy pixels and the bar's column
# that colour.
shows() {
    wait_until "$patience" gauge_and_bar_are "$@" ||
        fail "gauge shows $(count_colour 000080 200 1 "$gauge_x" $((gauge_y + 1))) navy pixels" \
            "(expected $1), bar column $2 is $(shot_pixel $((bar_x + $2)) $((bar_y + 28))) (expected $3)"
}

move() {
    xdotool mousemove --sync "$1" "$2"
    sleep 0.2
}

shows 0 149 FFFFFF

# The first move into the band starts tracking; the next one moves the bar, in the highlight
# colour, and the gauge follows.
move $((bar_x + 20)) "$band_y"
move $((bar_x + 150)) "$band_y"
shows 149 149 0000FF
xdotool click 1
shows 149 149 000080
echo "stroked and committed at 150"

# Out of the bar and back: a new stroke, then a right click restores 150 on the bar and on
# the gauge.
move $((bar_x + 100)) $((bar_y + 70))
move $((bar_x + 20)) "$band_y"
move $((bar_x + 60)) "$band_y"
shows 59 149 FFFFFF
xdotool click 3
shows 149 149 000080
echo "stroked to 60 and cancelled back to 150"

xdotool key Escape
wait_exit "the program did not end when its form closed"
echo "PASS"
