#!/usr/bin/env bash
# The gallery's colour button with the thin edge (bsIELike), on the Qt host on a virtual X
# display: it shows no edge at rest, a raised one (light top-left, dark bottom-right) while the
# real pointer is over it, and none again once the pointer has gone to the bare desktop, which
# sends the program no further mouse message.
#
#   bash colorbutton_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

source "$(dirname "$0")/lib/display.bash"
source "$(dirname "$0")/lib/gallery.bash"

start_display 1280x1024

start_gallery
read -r _ _ mx my < <(grep '^control ColorButton4 ' "$work/out.txt")
read -r _ _ x0 y0 w h < <(grep '^bounds ColorButton4 ' "$work/out.txt")
x1=$((x0 + w - 1))
y1=$((y0 + h - 1))

corners() {
    screenshot && echo "$(shot_pixel "$x0" "$y0") $(shot_pixel "$x1" "$y1")"
}

# corners_are FIRST LAST: the colours (RRGGBB) of the button's first and last pixel.
corners_are() {
    [ "$(corners)" = "$1 $2" ]
}

# The edge, in the desktop's highlight and shadow colours: both differ from the face and from
# each other.
corners_raised() {
    local first last
    read -r first last < <(corners)
    [ "$first" != "$face" ] && [ "$last" != "$face" ] && [ "$first" != "$last" ]
}

face=C0DCC0 # the button's Color 0xC0DCC0, blue in the high byte
wait_until "$patience" corners_are "$face" "$face" || fail "at rest the corners are $(corners)"
xdotool mousemove "$mx" "$my"
wait_until "$patience" corners_raised || fail "under the pointer the corners are $(corners)"
xdotool mousemove 1270 1015
wait_until "$patience" corners_are "$face" "$face" || fail "the pointer gone, the corners are $(corners)"
echo "colour button: ok"
