#!/usr/bin/env bash
# The gallery's drop-down button that drops its menu after a hold, on the Qt host on a virtual X
# display, driven by the real mouse: the pointer over it raises it, holding the left button on
# it past its delay drops its menu under it (seen on a screenshot), releasing on an item chooses
# that item and no click comes through. The press gave it the focus, so with TabFocusUp it stays
# raised after the pointer has left, and rests again once the focus goes to another control.
#
#   bash cutebutton_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

source "$(dirname "$0")/lib/display.bash"
source "$(dirname "$0")/lib/gallery.bash"

start_display 1280x1024

# pixel_becomes X Y RRGGBB [not]: until the pixel is that colour, or with "not", no longer is.
pixel_becomes() {
    local test=pixel_is
    [ -n "${4:-}" ] && test=pixel_is_not
    wait_until "$patience" "$test" "$1" "$2" "$3" ||
        fail "pixel ($1, $2) is $(shot_pixel "$1" "$2") (wanted ${4:+not }$3)"
}

start_gallery
read -r _ _ bx by bw bh < <(grep '^bounds CuteButton2 ' "$work/out.txt")

# The button's colours: face C0C0C0, bevel highlight FFFFFF and shadow 808080. At rest only the
# inner raised frame shows, so the pixel inside its corner is the face.
pixel_becomes "$bx" "$by" FFFFFF
pixel_becomes $((bx + 1)) $((by + 1)) C0C0C0
# Where the menu will stand, below the button's lower-left corner: the form's colour for now.
menu_x=$((bx + 30))
menu_y=$((by + bh + 10))
screenshot
form_colour=$(shot_pixel "$menu_x" "$menu_y")

xdotool mousemove --sync $((bx + 30)) $((by + bh / 2))
pixel_becomes $((bx + 1)) $((by + 1)) FFFFFF # raised: an outer ring around the inner one

xdotool mousedown 1
pixel_becomes "$bx" "$by" 808080 # sunken while held
wait_line '^event FruitMenu.OnPopup' "holding the button did not drop the menu" >/dev/null
pixel_becomes "$menu_x" "$menu_y" "$form_colour" not

xdotool mousemove --sync "$menu_x" $((menu_y + 1))
xdotool mouseup 1
wait_line '^event AppleItem.OnClick' "releasing on the first item did not choose it" >/dev/null
grep -q '^event CuteButton2.OnClick' "$work/out.txt" && fail "the press that dropped the menu also clicked"

xdotool mousemove --sync $((bx + 100)) $((by + bh + 120))
sleep 0.3
pixel_becomes $((bx + 1)) $((by + 1)) FFFFFF # raised while focused
read -r _ _ ex ey < <(grep '^control NumberEdit1 ' "$work/out.txt")
xdotool mousemove --sync "$ex" "$ey" click 1
pixel_becomes $((bx + 1)) $((by + 1)) C0C0C0 # at rest again
pixel_becomes "$bx" "$by" FFFFFF
echo "cutebutton: ok"
