#!/usr/bin/env bash
# The control gallery on the Qt host on a virtual X display, driven by the real pointer and
# keyboard: with the Design switch on, a click on the level gauge selects it instead of reaching
# it; 130 typed into the inspector's editor of its Top, and Enter, move the gauge down, which a
# screenshot shows; a new name typed into the Name row is the name it is selected under
# afterwards; the wheel scrolls the inspector, and #00ff00 typed as the BarBackColor paints the
# gauge lime. Then the designer edits the form: three controls placed from the palette, one
# moved by a drag and one sized by a grab handle (both onto the 8 pixel grid), two aligned from
# the Edit menu, one deleted with the Delete key and brought back with Ctrl+Z, then copied and
# pasted, each checked in the bounds the gallery prints after every change. Ctrl+S then saves the
# form through the gallery's own file dialog; after one more change, Ctrl+O asks "Save changes?",
# and the form opened again is the one saved; named on the command line, it opens at start.
# Before all that: --help and an unknown option.
#
#   bash gallery.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

source "$(dirname "$0")/lib/display.bash"
source "$(dirname "$0")/lib/gallery.bash"

"$exe" --help | grep -q '^Usage: ' || fail "--help printed no usage"
status=0
"$exe" --no-such-option 2>"$work/err.txt" || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$work/err.txt")" -eq 1 ] ||
    fail "an unknown option gave status $status and: $(cat "$work/err.txt")"

start_display 1280x1024
export XDG_CONFIG_HOME="$work/config"

# --report prints the screen points of the Design switch and of the designed form's controls
# (their middles), and on every selection the points of the inspector's editors.
start_gallery
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


read -r _ form_x form_y < <(grep '^form ' "$work/out.txt")

# The "LEFT TOP WIDTH HEIGHT" of a control in the newest complete layout the gallery printed;
# nothing when the control is not in it.
bounds_of() {
    tac "$work/out.txt" | awk -v name="$1" '
        /^changed/ { if (seen) exit; seen = 1; next }
        seen && $1 == "layout" && $2 == name { print $3, $4, $5, $6 }'
}
layout_is() {
    [ "$(bounds_of "$1")" = "$2" ]
}
in_layout() {
    [ -n "$(bounds_of "$1")" ]
}
not_in_layout() {
    [ -z "$(bounds_of "$1")" ]
}
more_selections_than() {
    [ "$(grep -c '^selected ' "$work/out.txt")" -gt "$1" ]
}
wait_layout() {
    wait_until "$patience" layout_is "$1" "$2" || fail "$3: $1 is at '$(bounds_of "$1")', not '$2'"
}
snap() {
    local below=$(($1 / 8 * 8))
    if (($1 - below < 4)); then echo "$below"; else echo $((below + 8)); fi
}
# Screen point of a form point.
at() {
    echo $((form_x + $1)) $((form_y + $2))
}
# drag X Y DX DY: press at the screen point, move by the offset in steps, release.
drag() {
    xdotool mousemove --sync "$1" "$2" mousedown 1
    for step in 1 2 3 4; do
        xdotool mousemove --sync $(($1 + $3 * step / 4)) $(($2 + $4 * step / 4))
        sleep 0.05
    done
    xdotool mouseup 1
}

visible_windows() {
    xdotool search --onlyvisible --name '' 2>/dev/null | wc -l
}
more_windows_than() {
    [ "$(visible_windows)" -gt "$1" ]
}

place() {
    read -r _ _ px py < <(grep "^palette $1 " "$work/out.txt")
    xdotool mousemove --sync "$px" "$py" click 1
    sleep 0.2
    xdotool mousemove --sync $(at "$2" "$3") click 1
    wait_line "^selected $4\$" "placing $1 selected no $4" >/dev/null
}
place TxGauge 384 464 xGauge1
place TColorButton 560 464 ColorButton10
place TCuteButton 384 520 CuteButton4
wait_until "$patience" in_layout CuteButton4 || fail "no layout after placing"
read -r _ _ gauge_w gauge_h < <(bounds_of xGauge1)
read -r _ _ button_w button_h < <(bounds_of ColorButton10)
echo "placed xGauge1, ColorButton10 and CuteButton4"

drag $(at $((384 + gauge_w / 2)) $((464 + gauge_h / 2))) 40 16
wait_layout xGauge1 "424 480 $gauge_w $gauge_h" "dragging the gauge by 40, 16"
echo "dragged xGauge1 to 424, 480"

xdotool mousemove --sync $(at $((560 + button_w / 2)) $((464 + button_h / 2))) click 1
wait_line '^selected ColorButton10$' "a click did not select ColorButton10" >/dev/null
sleep 0.2
drag $(at $((560 + button_w - 1)) $((464 + button_h - 1))) 21 13
sized_w=$(($(snap $((560 + button_w + 21))) - 560))
sized_h=$(($(snap $((464 + button_h + 13))) - 464))
wait_layout ColorButton10 "560 464 $sized_w $sized_h" "sizing by the bottom right handle"
echo "sized ColorButton10 to $sized_w x $sized_h"

xdotool mousemove --sync $(at $((424 + gauge_w / 2)) $((480 + gauge_h / 2))) click 1
sleep 0.2
xdotool mousemove --sync $(at $((560 + sized_w / 2)) $((464 + sized_h / 2))) keydown shift click 1 keyup shift
sleep 0.2
read -r _ edit_x edit_y < <(grep '^edit ' "$work/out.txt")
windows_before=$(visible_windows)
xdotool mousemove --sync "$edit_x" "$edit_y" click 1
wait_until "$patience" more_windows_than "$windows_before" || fail "the Edit menu did not open"
xdotool key l
wait_layout ColorButton10 "424 464 $sized_w $sized_h" "Align left edges"
echo "aligned ColorButton10 to xGauge1's left edge"

focus_window "$(wait_window 'Gallery form')"
read -r _ _ cute_w cute_h < <(bounds_of CuteButton4)
xdotool mousemove --sync $(at $((384 + cute_w / 2)) $((520 + cute_h / 2))) click 1
wait_line '^selected CuteButton4$' "a click did not select CuteButton4" >/dev/null
xdotool key Delete
wait_until "$patience" not_in_layout CuteButton4 || fail "Delete left CuteButton4"
echo "deleted CuteButton4"
xdotool key ctrl+z
wait_layout CuteButton4 "384 520 $cute_w $cute_h" "Ctrl+Z after the delete"
echo "Ctrl+Z brought CuteButton4 back"

selections=$(grep -c '^selected ' "$work/out.txt")
xdotool mousemove --sync $(at $((384 + cute_w / 2)) $((520 + cute_h / 2))) click 1
wait_until "$patience" more_selections_than "$selections" || fail "a click did not select CuteButton4"
xdotool key ctrl+c
sleep 0.2
xdotool key ctrl+v
wait_until "$patience" in_layout CuteButton5 || fail "Ctrl+C, Ctrl+V pasted no copy"
echo "Ctrl+C, Ctrl+V pasted a copy of CuteButton4 as CuteButton5"

# Back to the gauge, whose Top editor the file steps use.
selections=$(grep -c '^selected ' "$work/out.txt")
xdotool mousemove --sync "$gauge_x" $((gauge_y + 34)) click 1
wait_until "$patience" more_selections_than "$selections" ||
    fail "a click did not select the gauge again"
tail -n1 < <(grep '^selected ' "$work/out.txt") | grep -q '^selected Meter$' ||
    fail "the click selected $(grep '^selected ' "$work/out.txt" | tail -n1)"
sleep 0.3
read -r _ _ editor_x editor_y < <(grep '^editor Top ' "$work/out.txt" | tail -n1)
focus_window "$(wait_window 'Saruvi control gallery$')"

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
wait_until "$patience" pixel_is_not "$probe_x" "$probe_y" 00FF00 || fail "Top 140 did not move the gauge"
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
wait_pixel "$probe_x" "$probe_y" 00FF00
echo "a change, Ctrl+O, Discard: the form opened again has the gauge where it was saved"

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
QT_QPA_PLATFORM=xcb "$exe" "$saved" >"$work/out.txt" 2>"$work/err.txt" &
app_pid=$!
wait_window '^saved.json - Saruvi control gallery$' >/dev/null ||
    fail "the form file named on the command line did not open"
echo "a form file on the command line opens at start"
echo "PASS"
