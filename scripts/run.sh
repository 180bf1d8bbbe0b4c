#!/usr/bin/env bash
# Builds Saruvi (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh run
cmake --preset release -DBUILD_TESTING=OFF -DSARUVI_BENCHMARKS=OFF >/dev/null
cmake --build --preset release --target saruvi
exec build/release/app/saruvi "$@"
