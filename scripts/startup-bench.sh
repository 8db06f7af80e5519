#!/usr/bin/env bash
# Measures how long the window takes to appear after the program starts (the
# start-up initialisation runs before it is shown) and the resident memory it
# holds then. Runs the optimised program five times on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The program as scripts/run.sh builds it.
build=build
cmake --preset app > /dev/null
cmake --build --preset app --target arvento > /dev/null

export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x800x24 > /dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb"' EXIT
sleep 1

workdir=$(mktemp -d)
cd "$workdir"
for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  "$OLDPWD/$build/src/app/arvento" > /dev/null 2>&1 &
  app=$!
  xdotool search --sync --onlyvisible --name "Arvento" > /dev/null
  shown=$(date +%s%N)
  rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app/status")
  echo "run $run: window shown after $(((shown - start) / 1000000)) ms, resident memory $((rss / 1024)) MB"
  kill "$app"
  wait "$app" 2> /dev/null || true
done
rm -rf "$workdir"
