#!/usr/bin/env bash
# Sets everything up on a fresh machine and runs every test: the full build
# with all tests, the core and dataset tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a short fuzzing run of the packet reader.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== installed package, used from another project"
prefix=$(mktemp -d)
cmake --install build --prefix "$prefix" >/dev/null
cmake -S tests/package -B build-package -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build build-package
./build-package/consumer | diff -u tests/package/expected.txt -
echo "package check passed"

echo "== sanitizer build (core, runtime, dataset layer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARDATE_SANITIZE=ON \
  -DZARDATE_WIDGETS=OFF -DZARDATE_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x fuzz/run.sh ] || [ -f fuzz/run.sh ]; then
  echo "== fuzzing the data packet reader"
  bash fuzz/run.sh
fi
