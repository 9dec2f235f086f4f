#!/usr/bin/env bash
# Builds Orvella with warnings as errors, AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test; then fuzzes the grid file reader for a while and checks the layering rules.
#   ORVELLA_FUZZ_SECONDS  how long to fuzz (default 60; 0 skips fuzzing)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

echo "== rules"
scripts/check-rules.sh

echo "== build and test (sanitizers)"
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVELLA_SANITIZE=ON >/dev/null
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test -j"$(nproc)" --output-on-failure --timeout 300

seconds="${ORVELLA_FUZZ_SECONDS:-60}"
if [ "$seconds" -gt 0 ]; then
  echo "== fuzz the grid file reader for ${seconds}s"
  CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVELLA_FUZZ=ON >/dev/null
  cmake --build build-fuzz -j"$(nproc)" --target gridfile_fuzz
  mkdir -p build-fuzz/corpus
  build-fuzz/tests/fuzz/gridfile_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    build-fuzz/corpus tests/fixtures/grid 2>&1 | tail -n 12
fi
echo "== all tests passed"
