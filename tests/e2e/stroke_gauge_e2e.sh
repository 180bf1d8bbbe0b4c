#!/usr/bin/env bash
# The gallery's stroke bar and the gauge it drives, on the Qt host on a virtual X display, driven
# by the real pointer: stroking the bar moves the gauge with it, a left click commits the bar,
# and after the pointer has left and come back, a right click cancels a new stroke back to the
# committed value and the gauge follows the bar back. Both are checked on screenshots.
#
#   bash stroke_gauge_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

source "$(dirname "$0")/lib/display.bash"
source "$(dirname "$0")/lib/gallery.bash"

start_display 1280x1024

start_gallery
read -r _ _ bar_x bar_y _ < <(grep '^bounds StrokeBar1 ' "$work/out.txt")
read -r _ _ gauge_x gauge_y _ < <(grep '^bounds LevelGauge ' "$work/out.txt")

# Both are 300 pixels wide over the range 0..100, so a value shows as three times as many
# columns. The bar's band is rows 16..39, inside two bevels; the gauge's row 1 lies inside its
# frame and above its text. Column 100 of the band is clear of the value's text.
band_y=$((bar_y + 28))
probe_x=$((bar_x + 100))

gauge_navy() {
    count_colour 000080 300 1 "$gauge_x" $((gauge_y + 1))
}

# Until the gauge shows between $1 and $2 navy pixels and the bar's probe column is $3.
gauge_and_bar_are() {
    screenshot || return 1
    local navy
    navy=$(gauge_navy)
    [ "$navy" -ge "$1" ] && [ "$navy" -le "$2" ] && [ "$(shot_pixel "$probe_x" "$band_y")" = "$3" ]
}

shows() {
    wait_until "$patience" gauge_and_bar_are "$@" ||
        fail "gauge shows $(gauge_navy) navy pixels (expected $1 to $2)," \
            "bar column 100 is $(shot_pixel "$probe_x" "$band_y") (expected $3)"
}

move() {
    xdotool mousemove --sync "$1" "$2"
    sleep 0.2
}

shows 0 0 FFFFFF

# The first move into the band starts tracking; the next one moves the bar to 200 of 300
# pixels, in the highlight colour, and the gauge follows to two thirds.
move $((bar_x + 20)) "$band_y"
move $((bar_x + 200)) "$band_y"
shows 190 200 0000FF
committed=$(gauge_navy)
xdotool click 1
shows "$committed" "$committed" 000080
echo "stroked and committed at two thirds"

# Out of the bar and back: a new stroke to a fifth, then a right click restores two thirds on
# the bar and on the gauge.
move $((bar_x + 100)) $((bar_y + 80))
move $((bar_x + 20)) "$band_y"
move $((bar_x + 60)) "$band_y"
shows 50 62 FFFFFF
xdotool click 3
shows "$committed" "$committed" 000080
echo "stroked to a fifth and cancelled back to two thirds"
echo "PASS"
