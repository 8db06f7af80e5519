#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset app
cmake --build --preset app
if [ -x build/src/app/arvento ]; then
  exec build/src/app/arvento "$@"
else
  exec build/src/cli/arvento-cli "$@"
fi
