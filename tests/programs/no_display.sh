#!/usr/bin/env bash
# Every program that opens windows, started with no display at all: one line saying so and how
# to run it, and status 1 rather than Qt's abort.
#
#   bash no_display.sh PROGRAM...
set -uo pipefail

failed=0
for exe in "$@"; do
    out=$(cd "$(mktemp -d)" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" 2>&1 </dev/null)
    status=$?
    name=$(basename "$exe")
    if [ "$status" -ne 1 ] || [ "$(printf '%s\n' "$out" | wc -l)" -ne 1 ] ||
        ! grep -q "^$name: no display.*xvfb-run" <<<"$out"; then
        echo "FAIL $name: status $status, output:"
        printf '%s\n' "$out"
        failed=1
    fi
done
exit "$failed"
