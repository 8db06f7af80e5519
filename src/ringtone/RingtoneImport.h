#pragma once

// A classic ringtone opened as a melody part: its notes as RTTTL-E text and
// its beats per minute as the part's tempo setting.

#include <string>
#include <string_view>
#include <vector>

namespace arvento::ringtone {

struct ImportedRingtone {
  // The comment line "// NAME, b=B", then the notes in the canonical form of
  // the program's producers, laid out as the grid conversion lays them out.
  std::vector<std::string> lines;
  int tempo = 0;                     // the tempo setting, 10..100
  std::vector<std::string> warnings; // a tempo held within 10..100
};

// The tempo setting of b beats per minute: a quarter note lasts 60/b
// seconds, and a part file has 500,000 µs a quarter and the tempo setting as
// its division, so the setting is b × 0.4, rounded.
long long TempoOfBeats(long long beats);

// Reads the ringtone (ReadClassicRingtone, whose failures it passes on) and
// writes it as RTTTL-E. A tempo setting outside 10..100 is held within it,
// with a warning that names b and the tempo used.
ImportedRingtone ImportRingtone(std::string_view line);

} // namespace arvento::ringtone
