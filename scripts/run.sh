#!/usr/bin/env bash
# Installs what is missing, builds the program and starts its window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset app
cmake --build --preset app
if [ ! -x build/bin/arvento ]; then
  echo "run.sh: the window build/bin/arvento was not built" >&2
  exit 1
fi
exec build/bin/arvento "$@"
