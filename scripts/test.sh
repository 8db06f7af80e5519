#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the
# build with the address and undefined-behaviour sanitizers (preset "test")
# and in the optimised build (preset "release"). The test presets run under
# Qt's offscreen platform, and the sanitizer run without leak checks: Qt and
# the sound libraries keep some allocations for the life of the process.
# Fails when either run fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
status=0
for preset in test release; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  if ! ctest --preset "$preset" -j "$(nproc)"; then
    echo "test.sh: tests failed in the $preset build" >&2
    status=1
  fi
done
exit "$status"
