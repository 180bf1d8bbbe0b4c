# Shared by the end-to-end scripts: a scratch folder, a virtual X display of the script's own,
# clean-up of both and of the program under test, and bounded waits on what the display shows.
#
#   source lib/display.bash; start_display WIDTHxHEIGHT; ...; app_pid=$!

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Says what went wrong, with what the display and the program under test showed; ends the script.
fail() {
    echo "FAIL: $*" >&2
    if [ -n "${DISPLAY:-}" ] && import -window root "$work/failure.png" 2>/dev/null; then
        local saved="${TMPDIR:-/tmp}/$(basename "$0" .sh)_failure.png"
        cp "$work/failure.png" "$saved" && echo "screenshot: $saved" >&2
    fi
    if [ -s "$work/out.txt" ] || [ -s "$work/err.txt" ]; then
        echo "program output:" >&2
        cat "$work/out.txt" "$work/err.txt" >&2 2>/dev/null || true
    fi
    exit 1
}

# How long a wait may take. Generous: a loaded machine may take many seconds to start a program
# or paint a window; a wait that succeeds returns as soon as it sees its condition.
patience=30

# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds; gives up (status 1) after
# SECONDS, or at once when the program under test has ended and COMMAND still fails.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        if [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null; then
            return 1
        fi
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

start_display() {
    local size=$1 display=""
    for n in $(seq 90 160); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            display=":$n"
            break
        fi
    done
    [ -n "$display" ] || fail "no free X display"
    Xvfb "$display" -screen 0 "${size}x24" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY="$display"
    wait_until "$patience" xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"
}

# --- windows

# The id of a visible window whose name matches the pattern; fails when there is none.
visible_window() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .
}

no_visible_window() {
    ! visible_window "$1" >/dev/null
}

# Prints the id of the first visible window named like the pattern, once there is one.
wait_window() {
    wait_until "$patience" visible_window "$1" >/dev/null && visible_window "$1"
}

wait_gone() {
    wait_until "$patience" no_visible_window "$1"
}

# Points at the window and gives it the keyboard, for keys typed next.
focus_window() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --sync $((X + WIDTH / 2)) $((Y + 10))
    xdotool windowfocus --sync "$1"
}

# --- the screen

# Takes a screenshot of the whole display into $work/shot.png.
screenshot() {
    import -window root "$work/shot.png"
}

# The colour of a pixel of the last screenshot, as RRGGBB.
shot_pixel() {
    local hex
    hex=$(convert "$work/shot.png" -depth 8 -format "%[hex:p{$1,$2}]" info:)
    echo "${hex:0:6}"
}

# How many pixels of the last screenshot inside the w x h area at (x, y) have the colour
# RRGGBB: count_colour RRGGBB W H X Y.
count_colour() {
    convert "$work/shot.png" -crop "$2x$3+$4+$5" +repage -fill black +opaque "#$1" \
        -fill white -opaque "#$1" -format '%[fx:round(mean*w*h)]' info:
}

pixel_is() {
    screenshot && [ "$(shot_pixel "$1" "$2")" = "$3" ]
}

pixel_is_not() {
    ! pixel_is "$@"
}

# wait_pixel X Y RRGGBB: until the screen shows that colour at (x, y).
wait_pixel() {
    wait_until "$patience" pixel_is "$@" || fail "pixel ($1, $2) is $(shot_pixel "$1" "$2"), not $3"
}

# --- the program under test

# Starts the program on the display, its output in $work/out.txt and $work/err.txt.
start_program() {
    QT_QPA_PLATFORM=xcb "$1" >"$work/out.txt" 2>"$work/err.txt" &
    app_pid=$!
}

has_line() {
    grep -q "$1" "$work/out.txt" 2>/dev/null
}

# wait_line PATTERN MESSAGE: until the program has printed a line matching the pattern, which
# it prints; fails with the message if none comes.
wait_line() {
    wait_until "$patience" has_line "$1" || fail "$2"
    grep -m1 "$1" "$work/out.txt"
}

app_ended() {
    ! kill -0 "$app_pid" 2>/dev/null
}

# Until the program has ended; then its exit status must be 0.
wait_exit() {
    wait_until "$patience" app_ended || fail "$1"
    wait "$app_pid" || fail "the program exited with status $?"
    app_pid=""
}
