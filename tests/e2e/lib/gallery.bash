# What the end-to-end scripts of the gallery share, sourced after display.bash by a script whose
# first argument is the folder of the build's saruvi executable.

exe="$1/../tools/gallery/saruvi-gallery"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

# Starts the gallery on the display with --report and any further arguments, its report in
# $work/out.txt, and waits until its windows are up.
start_gallery() {
    QT_QPA_PLATFORM=xcb "$exe" --report "$@" >"$work/out.txt" 2>"$work/err.txt" &
    app_pid=$!
    wait_line '^ready' "the gallery did not start" >/dev/null
}
