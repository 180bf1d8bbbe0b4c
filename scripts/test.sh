#!/usr/bin/env bash
# Builds Saruvi and runs every test: the debug build, the sanitizer build, and a short fuzzing
# run of the BMP decoder over the public test corpus. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

fuzz_seconds=${SARUVI_FUZZ_SECONDS:-60}

for preset in debug sanitize; do
  echo "== $preset build =="
  cmake --preset "$preset" -DSARUVI_WERROR=ON >/dev/null
  cmake --build --preset "$preset"
  echo "== $preset tests =="
  ctest --preset "$preset" -j2
done

echo "== install and package =="
bash scripts/test_install.sh build/debug
echo "== a program built against the installed SDK =="
bash scripts/test_sdk.sh build/debug

echo "== BMP corpus results =="
build/debug/tests/saruvi_tests --gtest_brief=1 --gtest_filter='BmpCorpus.ReportsWhatItAcceptsAndRejects' |
  grep -E '^(corpus:|  )'

echo "== fuzz smoke run (${fuzz_seconds}s) =="
cmake --preset fuzz -DSARUVI_WERROR=ON >/dev/null
cmake --build --preset fuzz --target fuzz_bmp
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp fuzz/regressions/*.bmp "$corpus"/ 2>/dev/null || true
find tests/data/bmp-corpus -name '*.bmp' -exec cp {} "$corpus"/ \;
build/fuzz/fuzz/fuzz_bmp -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 \
  -print_final_stats=1 "$corpus"
echo "== all tests passed =="
