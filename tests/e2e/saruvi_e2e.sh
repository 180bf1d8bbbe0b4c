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

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "${TMPDIR:-/tmp}/saruvi_e2e_failure.png" &&
        echo "screenshot: ${TMPDIR:-/tmp}/saruvi_e2e_failure.png" >&2
    exit 1
}

start_display 1280x1024

# --- the image: 200 x 150, white, with a black 80 x 60 rectangle at columns 40..119, rows 30..89
bmp="$work/region.bmp"
python3 - "$bmp" <<'EOF'
import struct, sys
w, h = 200, 150
rows = []
for y in range(h - 1, -1, -1):
    row = b''.join(b'\0\0\0' if 40 <= x < 120 and 30 <= y < 90 else b'\xff\xff\xff'
                   for x in range(w))
    rows.append(row + bytes(-len(row) % 4))
pixels = b''.join(rows)
header = struct.pack('<2sIHHI', b'BM', 54 + len(pixels), 0, 0, 54)
info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
open(sys.argv[1], 'wb').write(header + info + pixels)
EOF
expected_red=$((80 * 60))

# --- the program
QT_QPA_PLATFORM=xcb "$exe" >"$work/saruvi.log" 2>&1 &
app_pid=$!

# Waits (bounded) until a visible window with a name matching $1 exists; prints its id.
wait_window() {
    for _ in $(seq 100); do
        local id
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$app_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Waits (bounded) until no visible window matches $1.
wait_gone() {
    for _ in $(seq 100); do
        [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null || true)" ] && return 0
        sleep 0.1
    done
    return 1
}

main=$(wait_window 'これで肝機能がほんとにわかるの') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$main")"
win_x=$X
win_y=$Y
[ "$WIDTH" -eq 968 ] && [ "$HEIGHT" -eq 543 ] || fail "client area is ${WIDTH}x${HEIGHT}"

# A real click at a client point of the main window.
click_at() {
    xdotool mousemove --sync $((win_x + $1)) $((win_y + $2))
    sleep 0.2
    xdotool click 1
}

# --- load the image through the file dialog
click_at $((680 + 80)) $((20 + 12))
dialog=$(wait_window '^Open$') || fail "the file dialog did not open"
eval "$(xdotool getwindowgeometry --shell "$dialog")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + 10))
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool type --delay 20 "$bmp"
xdotool key Return
wait_gone '^Open$' || fail "the file dialog did not close"
sleep 0.5

# The image sits inside the scroll box's 2-pixel edge, at client (14, 14).
image_x=$((win_x + 14))
image_y=$((win_y + 14))

# --- seed inside the rectangle, then "Start !"
click_at $((14 + 80)) $((14 + 60))
sleep 0.3
click_at $((736 + 70)) $((292 + 11))

# Red pixels in the w x h area at screen (x, y) of a screenshot.
red_in() {
    convert "$1" -crop "$2x$3+$4+$5" +repage -fill black +opaque '#FF0000' -fill white \
        -opaque '#FF0000' -format '%[fx:round(mean*w*h)]' info:
}

# Until the count in the image area stops changing (bounded).
previous=-1
stable=0
for _ in $(seq 60); do
    import -window root "$work/shot.png"
    count=$(red_in "$work/shot.png" 200 150 "$image_x" "$image_y")
    if [ "$count" = "$previous" ] && [ "$count" -gt 0 ]; then
        stable=$((stable + 1))
        [ "$stable" -ge 2 ] && break
    else
        stable=0
    fi
    previous=$count
    sleep 0.25
done
[ "$count" -eq "$expected_red" ] ||
    fail "the image area shows $count red pixels, expected $expected_red"
inside=$(red_in "$work/shot.png" 80 60 $((image_x + 40)) $((image_y + 30)))
[ "$inside" -eq "$expected_red" ] || fail "only $inside pixels of the rectangle are red"
echo "measured: $count red pixels, all inside the rectangle"

# --- the About box: the question-mark button opens it, Return closes it
click_at $((848 + 12)) $((20 + 12))
about=$(wait_window 'Saruviです。について') || fail "the About box did not open"
eval "$(xdotool getwindowgeometry --shell "$about")"
xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + 10))
xdotool windowfocus --sync "$about" 2>/dev/null || true
sleep 0.3
xdotool key Return
wait_gone 'Saruviです。について' || fail "Return did not close the About box"
echo "About box opened and closed"

# --- "Exit" ends the program
click_at $((876 + 34)) $((21 + 12))
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "Exit did not end the program"
fi
wait "$app_pid" || fail "the program exited with status $?"
app_pid=""
echo "PASS"
