#!/usr/bin/env bash
# Sets everything up on a fresh machine and starts the demonstration. Without a
# display it renders every page to PNG files instead and says where they are.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$(nproc)" --target zardemo

demo=$(find build/demo -maxdepth 1 -name zardemo -type f | head -n 1)
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec "$demo"
fi
out="$PWD/screenshots"
mkdir -p "$out"
"$demo" --screenshot "$out"
echo "No display: the demonstration's pages were rendered to $out/page-<Tag>.png"
ls "$out"
