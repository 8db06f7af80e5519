#!/usr/bin/env bash
# Measures how long the window takes to appear, as a ratio against a bare Qt
# window of the same size and 136 widgets started in the same run, with the
# small SoundFont (TimGM6mb) and the large one (FluidR3_GM), and the resident
# memory once the SoundFont has loaded. Each program runs on a display of its
# own; the window is found by its caption, polled every 10 ms. Runs are
# interleaved so that the machine's load falls on all of them alike.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh fluid-soundfont-gm
cmake --preset bench > /dev/null
cmake --build --preset bench --target arvento bare_window > /dev/null

arvento=$PWD/build-bench/bin/arvento
bare=$PWD/build-bench/bin/bare_window
runs=${RUNS:-10}

# Prints the milliseconds until a visible window whose caption matches
# appears, then the program's resident megabytes three seconds later.
shown_ms() { # caption program [environment...]
  local caption=$1 program=$2
  shift 2
  # The server picks a display no other server holds and names it once it
  # takes connections, which on a loaded machine can take a while.
  local named display
  named=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x800x24 3> "$named" > /dev/null 2>&1 &
  local xvfb=$!
  until [ -s "$named" ]; do
    sleep 0.05
  done
  display=$(cat "$named")
  rm "$named"
  local start now app
  start=$(date +%s%N)
  env DISPLAY=":$display" "$@" "$program" > /dev/null 2> "$workdir/program.log" &
  app=$!
  until DISPLAY=":$display" xdotool search --onlyvisible --name "$caption" > /dev/null 2>&1; do
    if ! kill -0 "$app" 2> /dev/null; then
      echo "startup-bench: $program ended before its window showed; it said:" >&2
      cat "$workdir/program.log" >&2
      kill "$xvfb"
      exit 1
    fi
    sleep 0.01
  done
  now=$(date +%s%N)
  sleep 3
  local rss
  rss=$(awk '/VmRSS/ { print $2 }' "/proc/$app/status")
  kill "$app" "$xvfb" 2> /dev/null || true
  wait "$app" "$xvfb" 2> /dev/null || true
  echo "$(((now - start) / 1000000)) $((rss / 1024))"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

workdir=$(mktemp -d)
trap 'rm -rf "$workdir"' EXIT
cd "$workdir"
: > bare.txt
: > small.txt
: > large.txt
for ((run = 1; run <= runs; ++run)); do
  shown_ms "^Bare window$" "$bare" >> bare.txt
  shown_ms "Arvento" "$arvento" ARVENTO_SOUNDFONT=/usr/share/sounds/sf2/TimGM6mb.sf2 >> small.txt
  shown_ms "Arvento" "$arvento" ARVENTO_SOUNDFONT=/usr/share/sounds/sf2/FluidR3_GM.sf2 >> large.txt
done
bare_ms=$(cut -d' ' -f1 bare.txt | median)
for font in small large; do
  ms=$(cut -d' ' -f1 "$font.txt" | median)
  mb=$(cut -d' ' -f2 "$font.txt" | median)
  awk -v f="$font" -v ms="$ms" -v b="$bare_ms" -v mb="$mb" 'BEGIN {
    printf "window shown, %s SoundFont: %s ms, bare Qt window %s ms, ratio %.2f (goal 1.3); %s MB resident once started\n",
      f, ms, b, ms / b, mb }'
done
