#!/usr/bin/env bash
# Checks the SDK as a developer meets it: installs a built tree into a staging folder, checks the
# installed headers and package files, builds examples/ against the staged install alone (the
# CMake package, and a compile and link through the pkg-config file), and runs the program on a
# virtual X display until its form shows, then closes it with Escape.
# Usage: scripts/test_sdk.sh [BUILD_DIR]   (default build/debug)
set -euo pipefail
cd "$(dirname "$0")/.."
source=$PWD
build=$(realpath "${1:-build/debug}")
source tests/e2e/lib/display.bash

echo "== install into a staging folder =="
stage=$work/stage
cmake --install "$build" --prefix "$stage" >/dev/null
include=$stage/include/saruvi
for header in controls/StrokeBar.h controls/NumberEdit.h framework/core/Version.h \
  framework/platform/qt/DesktopHost.h framework/streaming/FormReader.h; do
  [ -f "$include/$header" ] || fail "include/saruvi/$header is not installed"
done
# The desktop host's headers that name Qt types stay behind; so does every source.
[ "$(ls "$include/framework/platform/qt")" = DesktopHost.h ] || fail "Qt host headers are installed"
! grep -rlE '#include <Q|#include "tools/|#include "tests/' "$include" || fail "a header includes the above"
[ -z "$(find "$include" -name '*.cpp')" ] || fail "sources are installed"
for file in lib/cmake/Saruvi/SaruviConfig.cmake lib/cmake/Saruvi/SaruviConfigVersion.cmake \
  lib/pkgconfig/saruvi.pc lib/libsaruvi_controls.a lib/libsaruvi_platform_qt.a; do
  [ -f "$stage/$file" ] || fail "$file is not installed"
done
version=$(sed -n 's/^project(Saruvi VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
grep -qx "#define SARUVI_VERSION \"$version\"" "$include/framework/core/Version.h" ||
  fail "Version.h does not say $version"

echo "== the example, built against the staging folder =="
# A copy outside the source tree, so that nothing of the tree can be found relative to it.
cp -r "$source/examples" "$work/example"
cmake -S "$work/example" -B "$work/example-build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_PREFIX_PATH="$stage" -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >"$work/configure.txt" ||
  { cat "$work/configure.txt"; fail "the example does not configure"; }
grep -qx -- "-- Saruvi $version" "$work/configure.txt" || fail "find_package gives another version"
cmake --build "$work/example-build" -j2 >"$work/build.txt" ||
  { cat "$work/build.txt"; fail "the example does not build"; }
! grep -rl -- "$source/" "$work/example-build/compile_commands.json" "$stage/lib/cmake" "$stage/lib/pkgconfig" ||
  fail "the above reach into the source tree"

echo "== the example, built through pkg-config =="
export PKG_CONFIG_PATH=$stage/lib/pkgconfig
[ "$(pkg-config --modversion saruvi)" = "$version" ] || fail "saruvi.pc has another version"
g++ -o "$work/level_meter_pc" "$work/example/level_meter.cpp" \
  "$work/example-build/level_meter_resources.cpp" $(pkg-config --cflags --libs saruvi) ||
  fail "the example does not build with pkg-config's flags"

echo "== the example on a virtual display =="
start_display 640x480
start_program "$work/example-build/level_meter"
wait_line "^Level meter on Saruvi $version\$" "the program did not start" >/dev/null
window=$(wait_window '^Level meter$') || fail "no form shows"
# The form file sets the bar to 120 of 200, which the form's handler shows on the gauge: 200
# pixels wide at client (20, 80), navy fill over row 1 less the frame's left column.
eval "$(xdotool getwindowgeometry --shell "$window")"
gauge_navy() {
  count_colour 000080 200 1 $((X + 20)) $((Y + 81))
}
gauge_shows_level() {
  screenshot && [ "$(gauge_navy)" = 119 ]
}
wait_until "$patience" gauge_shows_level || fail "the gauge shows $(gauge_navy) navy pixels, not 119"
focus_window "$window"
xdotool key Escape
wait_exit "Escape did not end the program"
echo "the example ran on Saruvi $version"
