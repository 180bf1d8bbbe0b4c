#!/usr/bin/env bash
# The stroke bar and the gauge on the Qt host on a virtual X display, driven by the real
# pointer: stroking the bar moves the gauge with it, a left click commits the bar, and after the
# pointer has left and come back, a right click cancels a new stroke back to the committed
# value while the gauge keeps the last value stroked. Both are checked on screenshots.
#
#   bash stroke_gauge_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/stroke_gauge"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "${TMPDIR:-/tmp}/stroke_gauge_e2e_failure.png" &&
        echo "screenshot: ${TMPDIR:-/tmp}/stroke_gauge_e2e_failure.png" >&2
    exit 1
}

start_display 800x600

QT_QPA_PLATFORM=xcb "$exe" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
for _ in $(seq 100); do
    grep -q '^Gauge ' "$work/out.txt" 2>/dev/null && break
    sleep 0.1
done
read -r _ bar_x bar_y < <(grep '^Bar ' "$work/out.txt") ||
    fail "the program did not start: $(cat "$work/err.txt")"
read -r _ gauge_x gauge_y < <(grep '^Gauge ' "$work/out.txt") || fail "no gauge"

# Both controls are 200 pixels wide over the range 0..200, so a value shows as that many
# columns. The bar band is rows 16..31, inside two bevels; the gauge's row 1 lies inside its
# frame and above its text.
band_y=$((bar_y + 24))

# Navy pixels in row 1 of the gauge: the fill less the frame's left column.
gauge_navy() {
    convert "$work/shot.png" -crop "200x1+$gauge_x+$((gauge_y + 1))" +repage -fill black \
        +opaque '#000080' -fill white -opaque '#000080' -format '%[fx:round(mean*w)]' info:
}
# The colour of a pixel of the bar's band row 28, as RRGGBB; column 149 is clear of the text.
bar_pixel() {
    convert "$work/shot.png" -depth 8 -format "%[hex:p{$((bar_x + $1)),$((bar_y + 28))}]" info:
}

# Waits (bounded) until the gauge shows $1 navy pixels and the bar's column $2 has colour $3.
shows() {
    local navy="" pixel=""
    for _ in $(seq 50); do
        import -window root "$work/shot.png"
        navy=$(gauge_navy)
        pixel=$(bar_pixel "$2")
        [ "$navy" = "$1" ] && [ "${pixel:0:6}" = "$3" ] && return 0
        sleep 0.1
    done
    fail "gauge shows $navy navy pixels (expected $1), bar column $2 is $pixel (expected $3)"
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

# Out of the bar and back: a new stroke, then a right click restores 150 on the bar.
move $((bar_x + 100)) $((bar_y + 70))
move $((bar_x + 20)) "$band_y"
move $((bar_x + 60)) "$band_y"
shows 59 149 FFFFFF
xdotool click 3
shows 59 149 000080
echo "stroked to 60 and cancelled back to 150"

xdotool key Escape
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end when its form closed"
fi
wait "$app_pid" || fail "the program failed"
app_pid=""
echo "PASS"
