#!/usr/bin/env bash
# Sets everything up on a fresh machine and runs every test: the full build
# with all tests (among them a check of the installed package from a project
# outside the tree), every test again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short fuzzing run of
# the data packet reader.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== fuzzing the data packet reader"
bash fuzz/run.sh

echo "== sanitizer build (AddressSanitizer and UndefinedBehaviorSanitizer)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARDATE_SANITIZE=ON \
  -DZARDATE_BENCH=OFF
cmake --build build-asan -j "$jobs"
# The core, runtime and dataset tests also check for leaks. The widget tests
# do not: Qt is not exception-safe, and the tests that throw from event
# handlers on purpose leave a few of Qt's event objects unfreed.
ctest --test-dir build-asan --output-on-failure -j "$jobs" -L core
ASAN_OPTIONS=detect_leaks=0 ctest --test-dir build-asan --output-on-failure -j "$jobs" -L widgets

