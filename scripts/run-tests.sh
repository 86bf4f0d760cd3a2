#!/usr/bin/env bash
# Builds everything and runs every test, in the normal build, under the address and undefined-behaviour
# sanitizers and in the optimised release build, after the layer and format checks and a short fuzzing run of
# the two file readers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
# The layers first: the core names no control and includes no window or platform header, and the window
# libraries include only the ones below them.
echo "=== layers"
python3 scripts/check-layers.py
# Then the format: every tracked source as .clang-format has it. Each file that is not is named, and fails
# the run.
echo "=== format"
git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror
# The file readers under libFuzzer for a minute each first, so that the test summaries close the output.
# README.md tells how to run it longer.
echo "=== fuzz"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
# Each reader for a minute. libFuzzer reports every new input it keeps: that goes to a log, of which the
# closing lines are shown; a finding stops the run with the whole report.
fuzz() {
  local target=$1 corpus=$2 log=build/fuzz/$1.log
  mkdir -p "build/fuzz/corpus/$corpus"
  if ! "build/fuzz/fuzz/$target" -max_total_time=60 -print_final_stats=1 \
    "build/fuzz/corpus/$corpus" "fuzz/corpus/$corpus" >"$log" 2>&1; then
    cat "$log"
    echo "$target found a failing input (above)"
    return 1
  fi
  tail -n 12 "$log"
}
fuzz fuzz_result_file result-file
fuzz fuzz_input_file input-file
for preset in dev dev-asan release; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
