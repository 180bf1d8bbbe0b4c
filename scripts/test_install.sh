#!/usr/bin/env bash
# Checks installation and packaging of a build tree that is already built: installs it into a
# staging folder and checks the files, runs the installed saruvi-measure on a generated image,
# builds the Debian packages saruvi (the programs) and saruvi-dev (what a developer builds
# against), checks their contents and dependencies, and fails on any error lintian finds in
# them. scripts/test_sdk.sh builds a program against the installed SDK.
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
  [ -f "$stage/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
done
for program in saruvi saruvi-gallery; do
  desktop=$stage/share/applications/$program.desktop
  [ -f "$desktop" ] || fail "no desktop entry for $program"
  desktop-file-validate "$desktop"
  grep -qx "Exec=$program" "$desktop" || fail "$program.desktop does not start $program"
  grep -qx 'Icon=saruvi' "$desktop" || fail "$program.desktop names another icon"
done
for size in 16 32 48 64 128 256; do
  icon=$stage/share/icons/hicolor/${size}x$size/apps/saruvi.png
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x$size" ] ||
    fail "the ${size}x$size icon is not a PNG of that size"
done
[ -f "$stage/share/icons/hicolor/scalable/apps/saruvi.svg" ] || fail "no scalable icon"

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

echo "== Debian packages =="
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(echo "$work"/package/saruvi_*.deb)
dev=$(echo "$work"/package/saruvi-dev_*.deb)
[ -f "$deb" ] || fail "no package saruvi"
[ -f "$dev" ] || fail "no package saruvi-dev"

# has_paths PACKAGE PATH...: the package holds every path.
has_paths() {
  local package=$1 contents
  shift
  contents=$(dpkg-deb -c "$package")
  for path in "$@"; do
    grep -q " $path\$" <<<"$contents" || fail "$(basename "$package") lacks $path"
  done
}
# depends_on PACKAGE DEPENDENCY...: the package depends on every one.
depends_on() {
  local package=$1 depends
  shift
  depends=$(dpkg-deb -f "$package" Depends)
  for dependency in "$@"; do
    grep -q "\b$dependency\b" <<<"$depends" ||
      fail "$(basename "$package") does not depend on $dependency: $depends"
  done
  echo "$(basename "$package"): $depends"
}

has_paths "$deb" ./usr/bin/saruvi ./usr/bin/saruvi-measure ./usr/bin/bmpinfo ./usr/bin/saruvi-gallery \
  ./usr/share/applications/saruvi.desktop ./usr/share/applications/saruvi-gallery.desktop \
  ./usr/share/icons/hicolor/32x32/apps/saruvi.png ./usr/share/doc/saruvi/copyright \
  ./usr/share/doc/saruvi/changelog.gz ./usr/share/man/man1/saruvi.1.gz
depends_on "$deb" libqt6widgets6 libqt6gui6 fonts-ipafont-gothic fonts-ipafont-mincho
! dpkg-deb -c "$deb" | grep -E '/usr/(include|lib)/' || fail "saruvi holds the above"

has_paths "$dev" ./usr/include/saruvi/controls/StrokeBar.h ./usr/include/saruvi/framework/core/Version.h \
  ./usr/include/saruvi/framework/platform/qt/DesktopHost.h ./usr/lib/libsaruvi_controls.a \
  ./usr/lib/libsaruvi_platform_qt.a ./usr/lib/libsaruvi_core.a \
  ./usr/lib/cmake/Saruvi/SaruviConfig.cmake ./usr/lib/cmake/Saruvi/SaruviConfigVersion.cmake \
  ./usr/lib/cmake/Saruvi/SaruviTargets.cmake ./usr/lib/pkgconfig/saruvi.pc \
  ./usr/share/doc/saruvi-dev/copyright ./usr/share/doc/saruvi-dev/changelog.gz
depends_on "$dev" qt6-base-dev nlohmann-json3-dev
! dpkg-deb -c "$dev" | grep -E '/usr/bin/|/usr/share/(applications|man)/' || fail "saruvi-dev holds the above"
# Debian's static libraries carry no debugging information.
dpkg-deb -x "$dev" "$work/dev"
for library in "$work"/dev/usr/lib/*.a; do
  ! readelf -S "$library" | grep -q '\.debug_info' || fail "$(basename "$library") is not stripped"
done

echo "== lintian =="
lintian --fail-on error --tag-display-limit 0 "$deb" "$dev" || fail "lintian finds errors in the packages"
