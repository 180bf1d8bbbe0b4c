#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Saruvi need; with the argument
# "run", only those that building and running need.
# Idempotent: when every package is present it only checks and returns.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  fonts-ipafont-gothic fonts-ipafont-mincho
  nlohmann-json3-dev help2man
)
if [ "${1:-}" != run ]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool imagemagick x11-utils desktop-file-utils lintian
    clang-14 libclang-rt-14-dev clang-format
    python3
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
