#!/usr/bin/env bash
# Builds Saruvi and runs every test: the debug build, the sanitizer build, and a short fuzzing
# run of the BMP decoder and of the form reader from their seeds. Warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

fuzz_seconds=${SARUVI_FUZZ_SECONDS:-30}

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

echo "== fuzz smoke runs (${fuzz_seconds}s per target) =="
cmake --preset fuzz -DSARUVI_WERROR=ON >/dev/null
cmake --build --preset fuzz --target fuzz_bmp fuzz_form
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The committed seeds are read only; what the fuzzer adds goes to a scratch folder.
fuzz() {
  local target=$1
  shift
  mkdir "$work/$target"
  build/fuzz/fuzz/"$target" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 \
    -print_final_stats=1 "$work/$target" "$@"
}
mkdir "$work/bmp-corpus"
find tests/data/bmp-corpus -name '*.bmp' -exec cp {} "$work/bmp-corpus"/ \;
fuzz fuzz_bmp fuzz/corpus/bmp fuzz/regressions "$work/bmp-corpus"
fuzz fuzz_form -dict=fuzz/form.dict fuzz/corpus/form
echo "== all tests passed =="
