#!/usr/bin/env bash
# The control gallery on the Qt host on a virtual X display, driven by the real pointer and
# keyboard: with the Design switch on, a click on the level gauge selects it instead of reaching
# it; 130 typed into the inspector's editor of its Top, and Enter, move the gauge down, which a
# screenshot shows; a new name typed into the Name row is the name it is selected under
# afterwards; the wheel scrolls the inspector, and #00ff00 typed as the BarBackColor paints the
# gauge lime.
#
#   bash gallery.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

exe="$1/../tools/gallery/saruvi-gallery"
[ -x "$exe" ] || { echo "no executable at $exe" >&2; exit 1; }

source "$(dirname "$0")/lib/display.bash"

start_display 1280x1024

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

# Renamed in the Name row, the gauge is selected again under its new name.
read -r _ _ name_x name_y < <(grep '^editor Name ' "$work/out.txt" | tail -n1)
xdotool mousemove --sync "$name_x" "$name_y" click 1
sleep 0.3
xdotool key ctrl+a
xdotool type Meter
xdotool key Return
xdotool mousemove --sync "$gauge_x" $((gauge_y + 34)) click 1
wait_line '^selected Meter$' "the Name row did not rename the gauge" >/dev/null
echo "the Name row renames the gauge to Meter"

# The wheel over the inspector brings the colour rows into sight, though the Name entry has the
# focus; a click on the gauge reports the editors' new places.
read -r _ _ _ unscrolled_y < <(grep '^editor BarBackColor ' "$work/out.txt" | tail -n1)
xdotool mousemove --sync $((editor_x - 300)) "$editor_y" click --repeat 10 --delay 50 5
sleep 0.3
xdotool mousemove --sync "$gauge_x" $((gauge_y + 34)) click 1
selections() { [ "$(grep -c '^selected Meter$' "$work/out.txt")" -ge "$1" ]; }
wait_until "$patience" selections 2 || fail "a second click on the gauge did not select it"
sleep 0.3

# A click on the colour swatch selects the entry beside it: #00ff00 paints the gauge's empty
# part lime.
read -r _ _ swatch_x swatch_y < <(grep '^editor BarBackColor ' "$work/out.txt" | tail -n1)
[ "$swatch_y" -lt "$unscrolled_y" ] || fail "the wheel did not scroll the inspector"
xdotool mousemove --sync "$swatch_x" "$swatch_y" click 1
sleep 0.3
xdotool type '#00ff00'
xdotool key Return
wait_pixel "$probe_x" "$probe_y" 00FF00
echo "#00ff00 in BarBackColor paints the gauge lime"
echo "PASS"
