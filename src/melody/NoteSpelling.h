#pragma once

// The RTTTL-E token that the melody compiler turns into a given note: its
// length in the compiler's ticks (a whole note is 192) and its key.

#include <string>

namespace arvento::melody {

// The shortest spelling, [N*]L[.] then the note's name and octave, as 8.g#6
// or 3*4c6: a single value when one fits, else the longest value that fills
// the length a whole number of times. A length that no token gives is taken
// to the nearest thirty-second, at least one.
std::string SpellNoteToken(long long ticks, int key);

} // namespace arvento::melody
