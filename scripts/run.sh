#!/usr/bin/env bash
# Builds Saruvi (release) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target saruvi
exec build/release/app/saruvi "$@"
