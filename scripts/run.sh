#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DARVENTO_TESTS=OFF
cmake --build build
if [ -x build/src/app/arvento ]; then
  exec build/src/app/arvento "$@"
else
  exec build/src/cli/arvento-cli "$@"
fi
