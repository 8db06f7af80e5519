#pragma once

// The note values of RTTTL-E and the time the melody compiler gives them.

#include <algorithm>
#include <array>
#include <string_view>

namespace arvento {

// The lengths as written: the denominators of whole to thirty-second notes.
inline constexpr std::array<std::string_view, 6> NoteLengths = {"1", "2", "4", "8", "16", "32"};

constexpr bool IsNoteLength(std::string_view text) {
  return std::find(NoteLengths.begin(), NoteLengths.end(), text) != NoteLengths.end();
}

// The longest time the compiler takes for one note or one run of rests: the
// largest delta time of a MIDI file.
inline constexpr long long kLongestTicks = 0x0FFFFFFF;

// A value a token can spell: its length and whether it is dotted.
struct NoteValue {
  int length;
  bool dotted;
};

// Every value a token can spell, longest first. A dotted thirty-second lasts
// no longer than a plain one in the compiler's ticks and is left out.
inline constexpr std::array<NoteValue, 11> kValuesLongestFirst = {{{1, true},
                                                                   {1, false},
                                                                   {2, true},
                                                                   {2, false},
                                                                   {4, true},
                                                                   {4, false},
                                                                   {8, true},
                                                                   {8, false},
                                                                   {16, true},
                                                                   {16, false},
                                                                   {32, false}}};

// Ticks of a note value: 32 div length, half as much again when dotted,
// times 6 and the repeat factor. A whole note is 192 ticks.
constexpr long long NoteTicks(long long length, bool dotted, long long factor) {
  long long t = 32 / length;
  if (dotted)
    t += t / 2;
  return t * 6 * factor;
}

} // namespace arvento
