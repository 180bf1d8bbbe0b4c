#!/usr/bin/env bash
# Every program that opens windows, started with no display at all and with one that cannot be
# reached: one line saying so and how to run it, and status 1 rather than Qt's abort.
#
#   bash no_display.sh PROGRAM...
set -uo pipefail

failed=0
check() { # NAME STATUS OUTPUT
    if [ "$2" -ne 1 ] || [ "$(printf '%s\n' "$3" | wc -l)" -ne 1 ] ||
        ! grep -q "^$1: no display.*xvfb-run" <<<"$3"; then
        echo "FAIL $1: status $2, output:"
        printf '%s\n' "$3"
        failed=1
    fi
}
# Run where a core file would show.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch" || exit 1
for exe in "$@"; do
    name=$(basename "$exe")
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" 2>&1 </dev/null)
    check "$name" $? "$out"
    out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:65000 "$exe" 2>&1 </dev/null)
    check "$name" $? "$out"
done
[ -z "$(ls -A)" ] || { echo "FAIL: left $(ls -A)"; failed=1; }
exit "$failed"
