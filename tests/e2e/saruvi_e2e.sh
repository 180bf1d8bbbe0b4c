#!/usr/bin/env bash
# Runs the real Saruvi on a virtual X display and uses it as a person would: real mouse clicks
# load a generated BMP through the file dialog, pick a seed inside its dark rectangle and start
# the measurement; a screenshot must then show exactly that rectangle in red. The question-mark
# button must open the About box, and Return must close it.
#
#   bash saruvi_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/saruvi"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 1280x1024

# --- the image: 200 x 150, white, with a black 80 x 60 rectangle at columns 40..119, rows 30..89
bmp="$work/region.bmp"
python3 "$(dirname "$0")/lib/region_bmp.py" "$bmp"
expected_red=$((80 * 60))

# --- where to click: read from the main window's stored form, in one go
form="$(dirname "$0")/../../app/main.json"
declare -A rect
while read -r name geometry; do
    rect[$name]=$geometry
done < <(python3 "$(dirname "$0")/lib/form_geometry.py" "$form" \
    Form1 Image pnSX sbOpen sbCalc SpeedButton1 sbExit)
[ "${#rect[@]}" -eq 7 ] || fail "the components to click are not all in $form"
# form_rect NAME: the component's left, top, width and height in the client area.
form_rect() {
    echo "${rect[$1]}"
}
read -r _ _ client_width client_height < <(form_rect Form1)
read -r image_left image_top _ _ < <(form_rect Image)
read -r seed_left seed_top seed_width seed_height < <(form_rect pnSX)

# --- the program
QT_QPA_PLATFORM=xcb "$exe" >"$work/saruvi.log" 2>&1 &
app_pid=$!

main=$(wait_window 'これで肝機能がほんとにわかるの') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
win_x=$X
win_y=$Y
[ "$WIDTH" -eq "$client_width" ] && [ "$HEIGHT" -eq "$client_height" ] ||
    fail "client area is ${WIDTH}x${HEIGHT}, not ${client_width}x${client_height}"

# A real click at a client point of the main window.
click_at() {
    xdotool mousemove --sync $((win_x + $1)) $((win_y + $2)) click 1
}

# A real click in the middle of a component of the main window.
click_on() {
    local left top width height
    read -r left top width height < <(form_rect "$1")
    click_at $((left + width / 2)) $((top + height / 2))
}

# The image's top left on the screen.
image_x=$((win_x + image_left))
image_y=$((win_y + image_top))

# --- load the image through the file dialog; the black scroll box then shows its white corner
click_on sbOpen
dialog=$(wait_window '^Open$') || fail "the file dialog did not open"
focus_window "$dialog"
xdotool type --delay 20 "$bmp"
xdotool key Return
wait_gone '^Open$' || fail "the file dialog did not close"
wait_pixel $((image_x + 5)) $((image_y + 5)) FFFFFF

# --- seed inside the rectangle: its coordinates appear in white inside the seed field's bevel,
# and "Start !" is enabled
click_at $((image_left + 80)) $((image_top + 60))
seed_shown() {
    screenshot &&
        [ "$(count_colour FFFFFF $((seed_width - 4)) $((seed_height - 4)) \
            $((win_x + seed_left + 2)) $((win_y + seed_top + 2)))" -gt 0 ]
}
wait_until "$patience" seed_shown || fail "the seed point was not shown"
click_on sbCalc

# --- the measurement paints the rectangle red, column by column
red_in_image() {
    count=$(count_colour FF0000 200 150 "$image_x" "$image_y")
    [ "$count" -eq "$expected_red" ]
}
measured() {
    screenshot && red_in_image
}
count=0
wait_until $((2 * patience)) measured ||
    fail "the image area shows $count red pixels, expected $expected_red"
inside=$(count_colour FF0000 80 60 $((image_x + 40)) $((image_y + 30)))
[ "$inside" -eq "$expected_red" ] || fail "only $inside pixels of the rectangle are red"
echo "measured: $count red pixels, all inside the rectangle"

# --- the About box: the question-mark button opens it, Return closes it
click_on SpeedButton1
about=$(wait_window 'Saruviです。について') || fail "the About box did not open"
focus_window "$about"
xdotool key Return
wait_gone 'Saruviです。について' || fail "Return did not close the About box"
echo "About box opened and closed"

# --- "Exit" ends the program
click_on sbExit
wait_exit "Exit did not end the program"
echo "PASS"
