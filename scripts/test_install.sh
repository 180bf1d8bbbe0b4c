#!/usr/bin/env bash
# Checks installation and packaging of a build tree that is already built: installs it into a
# staging folder and checks the files, runs the installed saruvi-measure on a generated image,
# builds the Debian package and checks its contents and dependencies.
# Usage: scripts/test_install.sh [BUILD_DIR]   (default build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/debug}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "test_install: $*" >&2
  exit 1
}

echo "== install into a staging folder =="
stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
for program in saruvi saruvi-measure bmpinfo saruvi-gallery; do
  [ -x "$stage/bin/$program" ] || fail "bin/$program is not installed"
done
desktop=$stage/share/applications/saruvi.desktop
icon=$stage/share/icons/hicolor/32x32/apps/saruvi.png
[ -f "$desktop" ] || fail "no desktop entry"
desktop-file-validate "$desktop"
grep -qx 'Exec=saruvi' "$desktop" || fail "the desktop entry does not start saruvi"
grep -qx 'Icon=saruvi' "$desktop" || fail "the desktop entry names another icon"
[ "$(identify -format '%m %wx%h' "$icon")" = "PNG 32x32" ] || fail "the icon is not a 32x32 PNG"

echo "== the installed saruvi-measure =="
# White, with a dark 10 x 10 square at (10, 10): 100 pixels from the seed (15, 15).
convert -size 40x30 xc:white -fill black -draw 'rectangle 10,10 19,19' -type TrueColor \
  "BMP3:$work/square.bmp"
measure=$stage/bin/saruvi-measure
"$measure" --version | grep -q '^saruvi-measure ' || fail "--version"
[ "$("$measure" --paint "$work/painted.png" "$work/square.bmp" 15 15)" = 100 ] ||
  fail "the square does not measure 100 pixels"
[ "$(convert "$work/painted.png" -fill black +opaque red -format '%[fx:mean.r*w*h]' info:)" = 100 ] ||
  fail "the painted image does not show 100 red pixels"
printf 'square.bmp,15,15\r\n\r\nmissing.bmp,1,1\r\n' >"$work/list.csv"
status=0
"$measure" --csv "$work/list.csv" >"$work/out.csv" 2>"$work/err.txt" || status=$?
[ "$status" = 1 ] || fail "a batch with a failed row exits with $status"
[ "$(sed -n 2p "$work/out.csv")" = 'square.bmp,15,15,40,30,100,' ] || fail "batch row: $(cat "$work/out.csv")"
[ ! -s "$work/err.txt" ] || fail "a batch wrote to standard error off a terminal"

echo "== Debian package =="
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(echo "$work"/package/saruvi_*.deb)
[ -f "$deb" ] || fail "no package"
contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/saruvi ./usr/bin/saruvi-measure ./usr/bin/bmpinfo ./usr/bin/saruvi-gallery \
  ./usr/share/applications/saruvi.desktop ./usr/share/icons/hicolor/32x32/apps/saruvi.png; do
  grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 fonts-ipafont-gothic fonts-ipafont-mincho; do
  grep -q "\b$package\b" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
echo "$(basename "$deb"): $depends"
