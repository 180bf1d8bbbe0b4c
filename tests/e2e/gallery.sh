#!/usr/bin/env bash
# The control gallery on the Qt host on a virtual X display, driven by the real pointer and
# keyboard: with the Design switch on, a click on the level gauge selects it instead of reaching
# it; 130 typed into the inspector's editor of its Top, and Enter, move the gauge down, which a
# screenshot shows. Ctrl+S then saves the form through the gallery's own file dialog; after one
# more change, Ctrl+O asks "Save changes?", and the form opened again is the one saved; named on
# the command line, it opens at start. Before all that: --help and an unknown option.
#
#   bash gallery.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/gallery/saruvi-gallery"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

"$exe" --help | grep -q '^Usage: ' || fail "--help printed no usage"
status=0
"$exe" --no-such-option 2>"$work/err.txt" || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$work/err.txt")" -eq 1 ] ||
    fail "an unknown option gave status $status and: $(cat "$work/err.txt")"

start_display 1280x1024
export XDG_CONFIG_HOME="$work/config"

# --report prints the screen points of the Design switch and of the designed form's controls
# (their middles), and on every selection the points of the inspector's editors.
QT_QPA_PLATFORM=xcb "$exe" --report >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
wait_line '^ready' "the gallery did not start" >/dev/null
read -r _ design_x design_y < <(grep '^design ' "$work/out.txt")
read -r _ _ gauge_x gauge_y < <(grep '^control LevelGauge ' "$work/out.txt")

# The gauge is 300 x 20 at Top 96, empty and so white inside its frame; the form below it is
# bare up to 166. The probe lies 110 pixels right of the gauge's middle, clear of the
# percentage, in row 5 of where the gauge is at Top 130.
probe_x=$((gauge_x + 110))
probe_y=$((gauge_y - 10 + 34 + 5))
wait_pixel "$probe_x" $((gauge_y - 5)) FFFFFF
wait_until "$patience" pixel_is_not "$probe_x" "$probe_y" FFFFFF || fail "the form is white below the gauge"
echo "the gauge is at Top 96"

xdotool mousemove --sync "$design_x" "$design_y" click 1
sleep 0.3
xdotool mousemove --sync "$gauge_x" "$gauge_y" click 1
wait_line '^selected LevelGauge' "a click on the gauge while designing did not select it" >/dev/null
wait_line '^editor Top ' "the inspector shows no editor for Top" >/dev/null
read -r _ _ editor_x editor_y < <(grep '^editor Top ' "$work/out.txt" | tail -n1)
echo "selected the gauge; its Top editor is at $editor_x, $editor_y"

focus_window "$(wait_window 'Saruvi control gallery')"
xdotool mousemove --sync "$editor_x" "$editor_y" click 1
sleep 0.3
xdotool key End shift+Home
xdotool type 130
xdotool key Return
wait_pixel "$probe_x" "$probe_y" FFFFFF
echo "Top 130 moves the gauge down"

# The file dialogs and the question are the gallery's own forms, titled as below.
saved="$work/saved.json"
xdotool key ctrl+s
dialog=$(wait_window '^Save form$') || fail "Ctrl+S showed no save dialog"
focus_window "$dialog"
xdotool type "$saved"
xdotool key Return
wait_gone '^Save form$' || fail "the save dialog stayed"
wait_window '^saved.json - Saruvi control gallery$' >/dev/null || fail "the title shows no saved file"
grep -q '"Top": 130' "$saved" || fail "the saved form has no Top 130"
echo "Ctrl+S saved the form"

focus_window "$(wait_window 'Saruvi control gallery$')"
xdotool mousemove --sync "$editor_x" "$editor_y" click 1
sleep 0.3
xdotool key End shift+Home
xdotool type 140
xdotool key Return
wait_until "$patience" pixel_is_not "$probe_x" "$probe_y" FFFFFF || fail "Top 140 did not move the gauge"
wait_window '^saved.json\* - Saruvi control gallery$' >/dev/null || fail "the title shows no change"

xdotool key ctrl+o
question=$(wait_window '^Saruvi control gallery$') || fail "Ctrl+O after a change did not ask"
focus_window "$question"
xdotool key d
dialog=$(wait_window '^Open form$') || fail "Discard showed no open dialog"
focus_window "$dialog"
xdotool type "$saved"
xdotool key Return
wait_gone '^Open form$' || fail "the open dialog stayed"
wait_pixel "$probe_x" "$probe_y" FFFFFF
echo "a change, Ctrl+O, Discard: the form opened again has the gauge where it was saved"

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
QT_QPA_PLATFORM=xcb "$exe" "$saved" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
wait_window '^saved.json - Saruvi control gallery$' >/dev/null ||
    fail "the form file named on the command line did not open"
echo "a form file on the command line opens at start"
echo "PASS"
