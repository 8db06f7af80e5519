#!/usr/bin/env bash
# Whole-process figures of "arvento-cli export" on a project of four parts
# (piano melody, guitar chords, bass, drums) that plays for 30 seconds,
# assembled by arvento-cli: the export to Ogg Vorbis (goal: at most 1 s) and
# to an m4r ringtone (goal: at most 1.5 s), with the default loudness. Times
# are medians of hyperfine runs; user and system CPU seconds are printed too,
# for a machine that other work keeps busy. Usage: bench/export-bench.sh CLI
set -euo pipefail
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

repeat() { # text count
  local text=""
  for ((i = 0; i < $2; ++i)); do text+="$1"; done
  printf '%s' "$text"
}
# 62.5 quarter notes of 0.48 s each (48 ticks of the default tempo): seven
# two-bar phrases and an ending, 30 seconds.
mkdir song
printf 'melody\r\n0 0 1 1 50 100\r\n0\r\n1\r\n%s\r\n' \
  "$(repeat '4a5, 8c6, 8e6, 4a6, 4g6, 2e6, 4d6, 4c6, ' 7)2a5, 2a5, 4e5, 8a5, " > song/ch1v1m.txt
printf 'accords\r\n3 0 2 1 50 80\r\n%s\r\n' \
  "$(repeat '2(Am), 2(C), 2(G), 2(E), ' 7)2(Am), 2(Am), 4(E), 8(Am), " > song/ch2v1a.txt
printf 'melody\r\n4 1 3 1 50 100\r\n0\r\n1\r\n%s\r\n' \
  "$(repeat '4a3, 4a3, 4e3, 4e3, 4c3, 4c3, 4g3, 4g3, ' 7)2a3, 2a3, 4e3, 8a3, " > song/ch3v1m.txt
printf 'melody\r\n16 2 10 1 50 90\r\n0\r\n1\r\n%s\r\n' "$(repeat '8c4, 8c4, 8c4, 8c4, ' 31)8c4, " \
  > song/ch10v1m.txt
# The assembly recompiles every part from its record; the part files only
# have to be there.
for part in ch1v1m ch2v1a ch3v1m ch10v1m; do
  echo '4c6, ' | "$cli" melody - -o "song/$part.mid"
done
"$cli" assemble song > /dev/null

export_figures() { # format goal_ms
  hyperfine -N --style none --warmup 1 --runs "${RUNS:-10}" --export-json t.json \
    "$cli export song/song.mid -o song.$1" > /dev/null 2>&1
  local seconds
  seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "song.$1")
  awk -F': ' -v format="$1" -v goal="$2" -v seconds="$seconds" '
    /"median"/ { gsub(/,/, "", $2); median = $2 * 1000 }
    /"user"/ && !user { gsub(/,/, "", $2); user = $2 }
    /"system"/ && !sys { gsub(/,/, "", $2); sys = $2 }
    END { printf "export: %.1f s four-part project to %s %.0f ms (goal: at most %d ms), CPU %.2f s user + %.2f s system\n",
                 seconds, format, median, goal, user, sys }' t.json
}
export_figures ogg 1000
export_figures m4r 1500
