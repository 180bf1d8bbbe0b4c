#!/usr/bin/env bash
# The gallery's numeric edit with no range, on the Qt host on a virtual X display, typed into
# with real key presses: it shows 1234; after End and two Backspaces, digits must be taken, while
# a letter and a minus sign after the digits must be refused and leave the text as it was. The
# gallery reports the edit's text after each of its events.
#
#   bash numberedit_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

source "$(dirname "$0")/lib/display.bash"
source "$(dirname "$0")/lib/gallery.bash"

start_display 1280x1024

start_gallery
read -r _ _ x y < <(grep '^control NumberEdit1 ' "$work/out.txt")

last_text() {
    grep '^text NumberEdit1 ' "$work/out.txt" | tail -n1 | cut -d' ' -f3-
}

text_is() {
    [ "$(last_text)" = "$1" ]
}

# With no window manager the keyboard follows the pointer, which the click leaves on the edit.
xdotool mousemove --sync "$x" "$y" click 1
wait_until "$patience" text_is 1234 || fail "the edit shows '$(last_text)', not '1234'"
xdotool key End BackSpace BackSpace 1 2 3 a minus 4
xdotool key Tab
wait_until "$patience" has_line '^event NumberEdit1.OnExit' || fail "Tab did not leave the edit"
text_is 121234 || fail "the edit kept '$(last_text)', not '121234'"
echo "numberedit: ok"
