#!/usr/bin/env bash
# The control gallery on a virtual X display at 100 % and 200 % (QT_SCALE_FACTOR): at 200 % the
# caption of the Design switch is drawn at the larger size, not the 100 % picture enlarged.
#
#   bash gallery_scaled_e2e.sh DIRECTORY_OF_THE_SARUVI_EXECUTABLE
set -euo pipefail

source "$(dirname "$0")/lib/display.bash"
source "$(dirname "$0")/lib/gallery.bash"

start_display 2560x1600

# shot_at SCALE: the screen with the gallery up at the scale, in $work/shot_SCALE.png, and the
# screen point of the Design switch's middle in design_x, design_y.
shot_at() {
    QT_SCALE_FACTOR=$1 start_gallery
    read -r _ design_x design_y < <(grep '^design ' "$work/out.txt")
    sleep 1
    import -window root "$work/shot_$1.png"
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

# The caption's box around the switch's middle, 64 x 16 at 100 %.
shot_at 1
convert "$work/shot_1.png" -crop "64x16+$((design_x - 32))+$((design_y - 8))" +repage \
    -filter point -resize 200% "$work/caption_1.png"
shot_at 2
convert "$work/shot_2.png" -crop "128x32+$((design_x - 64))+$((design_y - 16))" +repage \
    "$work/caption_2.png"
differing=$(compare -metric AE "$work/caption_2.png" "$work/caption_1.png" null: 2>&1 || true)
[ "${differing%% *}" -gt 0 ] 2>/dev/null ||
    fail "the Design switch at 200 % is the 100 % picture enlarged (compare: $differing)"
# Not a blank box either: the caption's dark text is there.
dark=$(convert "$work/caption_2.png" -colorspace Gray -threshold 40% -negate \
    -format '%[fx:round(mean*w*h)]' info:)
[ "$dark" -gt 50 ] || fail "no caption in the Design switch at 200 % ($dark dark pixels)"
echo "the gallery's captions are drawn at 200 %"
echo "PASS"
