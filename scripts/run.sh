#!/usr/bin/env bash
# Builds Saruvi (release) and starts it; `run.sh saruvi-gallery` builds and starts the control
# gallery instead. Further arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
program=saruvi
path=app/saruvi
if [ "${1:-}" = saruvi-gallery ]; then
  program=saruvi-gallery
  path=tools/gallery/saruvi-gallery
  shift
fi
bash scripts/setup.sh run
cmake --preset release -DBUILD_TESTING=OFF -DSARUVI_BENCHMARKS=OFF >/dev/null
cmake --build --preset release --target "$program"
exec "build/release/$path" "$@"
