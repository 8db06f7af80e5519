#!/usr/bin/env bash
# Whole-process figures of arvento-cli, each printed as a ratio against a peer
# measured in the same run or against the program's own smaller case:
#   start:   "arvento-cli --help" against a C++ program that links only the
#            C++ runtime and prints a line;
#   melody:  100,000 notes against abc2midi on the same notes as ten tunes of
#            10,000, and against 10,000 notes (growth must stay linear);
#   chords:  10,000 guitar items with --arpeggio 5, against 1,000 items;
#   roll:    the picture of that 100,000-note part (goal: at most 200 ms);
#   memory:  peak resident memory of chords on 1,000,000 items over the size
#            of the part file it writes.
# Times are medians of hyperfine runs. Usage: bench/process-bench.sh CLI
set -euo pipefail
cli=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

median_ms() { # command...
  hyperfine -N --style none --warmup 3 --runs "${RUNS:-20}" --export-json t.json "$@" > /dev/null 2>&1
  awk -F': ' '/"median"/ { gsub(/,/, "", $2); printf "%.2f\n", $2 * 1000; exit }' t.json
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# The peer of the start: the C++ runtime and one line of output.
printf '#include <iostream>\nint main() { std::cout << "Usage: peer\\n"; }\n' > peer.cpp
g++ -O2 peer.cpp -o peer
help_ms=$(median_ms "$cli --help")
peer_ms=$(median_ms "./peer")
echo "start: arvento-cli --help $help_ms ms, C++ runtime only $peer_ms ms, ratio $(ratio "$help_ms" "$peer_ms") (goal: at most 3 ms)"

# A 16-note phrase, in RTTTL-E (eight notes a line) and in ABC (eighth notes).
phrase_rtttl='8c6, 8d6, 8e6, 8f6, 8g6, 8a6, 8h6, 8c7,
8c7, 8h6, 8a6, 8g6, 8f6, 8e6, 8d6, 8c6,'
phrase_abc="cdef gabc' | c'bag fedc |"
for ((i = 0; i < 625; ++i)); do echo "$phrase_rtttl"; done > m10k.txt
for ((i = 0; i < 10; ++i)); do cat m10k.txt; done > m100k.txt
for ((t = 1; t <= 10; ++t)); do
  printf 'X:%d\nT:Phrase %d\nM:4/4\nL:1/8\nQ:1/4=120\nK:C\n' "$t" "$t"
  for ((i = 0; i < 625; ++i)); do echo "$phrase_abc"; done
  echo
done > m100k.abc
m10k_ms=$(median_ms "$cli melody m10k.txt -o m10k.mid")
m100k_ms=$(median_ms "$cli melody m100k.txt -o m100k.mid")
# Without -o abc2midi writes every tune to a file of its own (m100k1.mid to
# m100k10.mid); with -o it writes the first tune only, a tenth of the work.
abc_ms=$(median_ms "abc2midi m100k.abc -silent")
echo "melody: 100,000 notes $m100k_ms ms, abc2midi $abc_ms ms, ratio $(ratio "$m100k_ms" "$abc_ms") (goal 0.5);" \
  "10,000 notes $m10k_ms ms, growth $(ratio "$m100k_ms" "$m10k_ms") (goal: at most 11)"

# The picture of the 100,000-note part, the whole process with Qt's start.
roll_ms=$(median_ms "$cli roll m100k.mid -o m100k.png")
echo "roll: 100,000 notes $roll_ms ms (goal: at most 200 ms)"

# Guitar chord items, eight a line.
chord_items() { # count
  awk -v n="$1" 'BEGIN { split("4(Am) 2*4(G) 2.(C7) 8(Dm) 4(E7) 4(F) 2(Hm7) 4(C)", c, " ");
    for (i = 0; i < n; ++i) printf "%s%s", c[i % 8 + 1], (i % 8 == 7) ? ",\n" : ", "; print "" }'
}
chord_items 1000 > c1k.txt
chord_items 10000 > c10k.txt
c1k_ms=$(median_ms "$cli chords --arpeggio 5 c1k.txt -o c1k.mid")
c10k_ms=$(median_ms "$cli chords --arpeggio 5 c10k.txt -o c10k.mid")
echo "chords: 10,000 items $c10k_ms ms (goal: at most 10 ms), 1,000 items $c1k_ms ms, growth $(ratio "$c10k_ms" "$c1k_ms")"

chord_items 1000000 > c1m.txt
peak_kb=$(/usr/bin/time -f '%M' "$cli" chords c1m.txt -o c1m.mid 2>&1 > /dev/null | tail -1)
file_kb=$(($(stat -c %s c1m.mid) / 1024))
echo "memory: chords on 1,000,000 items peaks at $((peak_kb / 1024)) MB for a $((file_kb / 1024)) MB file," \
  "ratio $(ratio "$peak_kb" "$file_kb") (goal: at most 3)"
