# Shared by the end-to-end scripts: a scratch folder, a virtual X display of the script's own,
# and clean-up of both and of the program under test.
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

# Scripts may redefine fail to save more evidence.
fail() {
    echo "FAIL: $*" >&2
    exit 1
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
    for _ in $(seq 100); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "Xvfb did not start"
}
