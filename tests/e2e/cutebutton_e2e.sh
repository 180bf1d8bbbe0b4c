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

fail() {
    echo "FAIL: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "${TMPDIR:-/tmp}/cutebutton_e2e_failure.png" &&
        echo "screenshot: ${TMPDIR:-/tmp}/cutebutton_e2e_failure.png" >&2
    echo "program output:" >&2
    cat "$work/out.txt" "$work/err.txt" >&2 2>/dev/null || true
    exit 1
}

start_display 1024x768

QT_QPA_PLATFORM=xcb "$exe" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!

# Waits (bounded) until the program has printed a line matching $1.
wait_line() {
    for _ in $(seq 100); do
        grep -q "$1" "$work/out.txt" 2>/dev/null && return 0
        kill -0 "$app_pid" 2>/dev/null || fail "the program ended early"
        sleep 0.1
    done
    fail "$2"
}

# The screen's colour at ($1, $2) as RRGGBB.
pixel() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -depth 8 -format "%[hex:p{$1,$2}]" info: | cut -c1-6
}

# Waits (bounded) until the pixel at ($1, $2) is $3, or with "not", until it is no longer $3.
pixel_becomes() {
    local x=$1 y=$2 want=$3 negate=${4:-} got=""
    for _ in $(seq 50); do
        got=$(pixel "$x" "$y")
        if [ -z "$negate" ] && [ "$got" = "$want" ]; then return 0; fi
        if [ -n "$negate" ] && [ "$got" != "$want" ]; then return 0; fi
        sleep 0.1
    done
    fail "pixel ($x, $y) is $got (wanted ${negate:+not }$want)"
}

wait_line '^button ' "the program did not start"
read -r _ bx by < <(grep '^button ' "$work/out.txt")

# The demo's colours: face C0C0C0, bevel highlight FFFFFF and shadow 808080, form 008080.
# Flat: only the inner raised frame, so the pixel inside its corner shows the face.
pixel_becomes "$bx" "$by" FFFFFF
pixel_becomes $((bx + 1)) $((by + 1)) C0C0C0

xdotool mousemove --sync $((bx + 30)) $((by + 12))
pixel_becomes $((bx + 1)) $((by + 1)) FFFFFF # raised: an outer ring around the inner one

xdotool mousedown 1
pixel_becomes "$bx" "$by" 808080 # sunken while held
wait_line '^popup$' "holding the button did not drop the menu"
# The menu stands below the button's lower-left corner, over the form's teal.
pixel_becomes $((bx + 30)) $((by + 25 + 10)) 008080 not

xdotool mousemove --sync $((bx + 30)) $((by + 25 + 11))
xdotool mouseup 1
wait_line '^item AppleItem$' "releasing on the first item did not choose it"
grep -q '^click$' "$work/out.txt" && fail "the press that dropped the menu also clicked"

xdotool mousemove --sync $((bx + 150)) $((by + 100))
pixel_becomes $((bx + 1)) $((by + 1)) C0C0C0 # flat again
pixel_becomes "$bx" "$by" FFFFFF

# With no window manager the keyboard follows the pointer, which is over the form.
xdotool key Escape
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end when its form closed"
wait "$app_pid" || fail "the program failed"
app_pid=""
echo "cutebutton e2e: ok"
