#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: in the
# build with the address and undefined-behaviour sanitizers (preset "test")
# and in the optimised build (preset "release"). A sanitizer build can hide a
# fault that the release build shows, such as a read of freed memory inside
# Qt. The test presets run under Qt's offscreen platform, and the sanitizer
# run without leak checks: Qt and the sound libraries keep some allocations
# for the life of the process. Both runs always happen; the script fails
# when either fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

run_suite() {
  cmake --preset "$1" && cmake --build --preset "$1" && ctest --preset "$1" -j "$(nproc)"
}

failed=()
for preset in test release; do
  run_suite "$preset" || failed+=("$preset")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "test.sh: tests failed in the ${failed[*]} build" >&2
  exit 1
fi
