#!/usr/bin/env bash
# Builds the data packet fuzz target (reader, writer, file and dataset round
# trip) with clang++ in its own build directory and runs it briefly from the
# seed corpus, with a fixed seed and time budget. Exits non-zero when the
# fuzzer finds a crash.
#   ZARDATE_FUZZ_SECONDS  time budget (default 60)
#   ZARDATE_FUZZ_BUILD    build directory (default build-fuzz in the tree)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZARDATE_FUZZ_BUILD:-$root/build-fuzz}"
seconds="${ZARDATE_FUZZ_SECONDS:-60}"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARDATE_FUZZ=ON -DZARDATE_WIDGETS=OFF \
  -DZARDATE_TESTS=OFF -DZARDATE_BENCH=OFF
cmake --build "$build" -j2 --target zardata_packet_fuzz

# New inputs go to a scratch copy of the corpus, never into the tree; the
# files the target writes go to a scratch directory of their own.
corpus="$(mktemp -d)"
scratch="$(mktemp -d)"
trap 'rm -rf "$corpus" "$scratch"' EXIT
cp "$root"/fuzz/corpus/* "$corpus"/
TMPDIR="$scratch" "$build/fuzz/zardata_packet_fuzz" -seed=1 -max_total_time="$seconds" -max_len=16384 \
  -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$build/" "$corpus"
