#!/usr/bin/env bash
# Installs what is missing, then builds everything and runs every test twice:
# with the address and undefined-behaviour sanitizers, and as released
# (optimised, no sanitizers). A sanitizer build can hide a fault that the
# release build shows, such as a read of freed memory inside Qt. Both runs
# always happen; the script fails if either fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
# Qt and the sound libraries keep some allocations for the life of the process.
export ASAN_OPTIONS=detect_leaks=0

# Configures, builds and tests one build directory with the given options.
run_suite() {
  local build=$1
  shift
  cmake -S . -B "$build" -G Ninja -DARVENTO_TESTS=ON "$@" &&
    cmake --build "$build" &&
    ctest --test-dir "$build" --output-on-failure -j2
}

failed=()
run_suite build-test -DCMAKE_BUILD_TYPE=Debug -DARVENTO_SANITIZE=ON || failed+=(build-test)
run_suite build-release -DCMAKE_BUILD_TYPE=Release -DARVENTO_SANITIZE=OFF || failed+=(build-release)
if [ ${#failed[@]} -gt 0 ]; then
  echo "tests failed in: ${failed[*]}" >&2
  exit 1
fi
