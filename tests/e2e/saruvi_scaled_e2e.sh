#!/usr/bin/env bash
# Runs the real Saruvi on a virtual X display at 100, 125, 150 and 200 % (QT_SCALE_FACTOR): the
# window's client area is the stored one scaled, a measurement paints exactly the dark
# rectangle's pixels red (the image keeps one image pixel per screen pixel), and at 200 % every
# label shows text drawn at the larger size, not the 100 % picture enlarged.
#
#   bash saruvi_scaled_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/saruvi"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 2560x1600

# --- the image: 200 x 150, white, with a black 80 x 60 rectangle at columns 40..119, rows 30..89
bmp="$work/region.bmp"
python3 "$(dirname "$0")/lib/region_bmp.py" "$bmp"
expected_red=$((80 * 60))

labels="Label1 Label2 Label3 Label4 Label5 Label10 Label7"
form="$(dirname "$0")/../../app/main.json"
declare -A rect
while read -r name geometry; do
    rect[$name]=$geometry
done < <(python3 "$(dirname "$0")/lib/form_geometry.py" "$form" \
    Form1 Image pnSX sbOpen sbCalc sbExit $labels)

# scaled VALUE: the value times the scale, rounded half away from zero, as the forms scale.
scaled() {
    awk -v v="$1" -v k="$scale" 'BEGIN { x = v * k; printf "%d", (x < 0 ? x - 0.5 : x + 0.5) }'
}

# form_rect NAME: the component's left, top, width and height in the client area at the scale;
# a pixel or two off where nested edges round differently, which a click in the middle allows.
form_rect() {
    local left top width height
    read -r left top width height <<<"${rect[$1]}"
    echo "$(scaled "$left") $(scaled "$top") $(($(scaled $((left + width))) - $(scaled "$left"))) \
$(($(scaled $((top + height))) - $(scaled "$top")))"
}

click_on() {
    local left top width height
    read -r left top width height < <(form_rect "$1")
    xdotool mousemove --sync $((win_x + left + width / 2)) $((win_y + top + height / 2)) click 1
}

# run_at SCALE: one run of the program at the scale; leaves the window's picture before the
# measurement in $work/window_SCALE.png.
run_at() {
    scale=$1
    local main attempt
    for attempt in 1 2; do
        QT_SCALE_FACTOR=$scale QT_QPA_PLATFORM=xcb "$exe" >"$work/out.txt" 2>"$work/err.txt" &
        app_pid=$!
        main=$(wait_window 'これで肝機能がほんとにわかるの') && break
        # A loaded machine's virtual display now and then refuses a connection; that, once, is
        # the display's doing, not the program's.
        [ "$attempt" = 1 ] && ! kill -0 "$app_pid" 2>/dev/null && grep -q 'no display' "$work/err.txt" ||
            fail "no main window at $scale"
        echo "at $scale the display refused the first start: $(cat "$work/err.txt")"
    done
    eval "$(xdotool getwindowgeometry --shell "$main")"
    win_x=$X
    win_y=$Y
    local client_width client_height
    read -r _ _ client_width client_height < <(form_rect Form1)
    # The window system counts whole logical pixels; the client area is within one of them.
    [ $((WIDTH - client_width)) -ge -2 ] && [ $((WIDTH - client_width)) -le 2 ] &&
        [ $((HEIGHT - client_height)) -ge -2 ] && [ $((HEIGHT - client_height)) -le 2 ] ||
        fail "client area at $scale is ${WIDTH}x${HEIGHT}, not ${client_width}x${client_height}"
    sleep 1
    import -window "$main" "$work/window_$scale.png"

    click_on sbOpen
    local dialog
    dialog=$(wait_window '^Open$') || fail "the file dialog did not open at $scale"
    focus_window "$dialog"
    xdotool type --delay 20 "$bmp"
    xdotool key Return
    wait_gone '^Open$' || fail "the file dialog did not close at $scale"

    local image_left image_top
    read -r image_left image_top _ _ < <(form_rect Image)
    # The scroll box's edge stays two screen pixels at every scale.
    image_x=$((win_x + image_left + 2))
    image_y=$((win_y + image_top + 2))
    wait_pixel $((image_x + 5)) $((image_y + 5)) FFFFFF
    xdotool mousemove --sync $((image_x + 80)) $((image_y + 60)) click 1
    sleep 0.5
    click_on sbCalc
    measured() {
        screenshot &&
            [ "$(count_colour FF0000 208 158 $((image_x - 4)) $((image_y - 4)))" -eq "$expected_red" ]
    }
    wait_until $((2 * patience)) measured ||
        fail "at $scale the image shows $(count_colour FF0000 208 158 $((image_x - 4)) \
$((image_y - 4))) red pixels, not $expected_red"
    echo "at $scale: $expected_red red pixels"
    click_on sbExit
    wait_exit "Exit did not end the program at $scale"
}

for s in 1 1.25 1.5 2; do
    run_at "$s"
done

# --- text at 200 % is drawn at the larger size: each label differs from the 100 % one enlarged
convert "$work/window_1.png" -filter point -resize 200% "$work/window_1_enlarged.png"
scale=2
for name in $labels; do
    read -r left top width height < <(form_rect "$name")
    geometry="${width}x${height}+${left}+${top}"
    differing=$(compare -metric AE "$work/window_2.png[$geometry]" \
        "$work/window_1_enlarged.png[$geometry]" null: 2>&1 || true)
    [ "${differing%% *}" -gt 0 ] 2>/dev/null ||
        fail "$name at 200 % is the 100 % picture enlarged (compare: $differing)"
done
echo "every label's text is drawn at 200 %"
echo "PASS"
