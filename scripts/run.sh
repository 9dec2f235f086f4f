#!/usr/bin/env bash
# Builds Orvella (optimised) and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$(nproc)"
exec build-release/orvella "$@"
