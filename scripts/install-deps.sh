#!/usr/bin/env bash
# Installs the Debian packages the build, the tests, the benchmarks and the
# demonstration need. Does nothing when they are all present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-private-dev libgl-dev libqt6sql6-sqlite
  libpugixml-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev libjalali-dev
  clang libclang-rt-14-dev clang-format
  fonts-noto-core fonts-farsiweb
  poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
