#!/usr/bin/env bash
# Builds everything and runs every test, in the normal build and under the address and
# undefined-behaviour sanitizers, after a short fuzzing run of the two file readers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
# The file readers under libFuzzer for a minute each first, so that the test summaries close the output.
# README.md tells how to run it longer.
echo "=== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
mkdir -p build/fuzz/corpus/result-file
build/fuzz/fuzz/fuzz_result_file -max_total_time=60 -print_final_stats=1 \
  build/fuzz/corpus/result-file fuzz/corpus/result-file
mkdir -p build/fuzz/corpus/input-file
build/fuzz/fuzz/fuzz_input_file -max_total_time=60 -print_final_stats=1 \
  build/fuzz/corpus/input-file fuzz/corpus/input-file
for preset in dev dev-asan; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
