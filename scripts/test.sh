#!/usr/bin/env bash
# Installs what is missing, builds everything with the address and
# undefined-behaviour sanitizers, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build-test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DARVENTO_SANITIZE=ON -DARVENTO_TESTS=ON
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
# Qt and the sound libraries keep some allocations for the life of the process.
export ASAN_OPTIONS=detect_leaks=0
ctest --test-dir "$build" --output-on-failure -j2
