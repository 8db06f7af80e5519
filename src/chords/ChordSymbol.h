#pragma once

// Chord symbols such as Am7, F#m, C7/-9 or Cmaj9, and the names of their tones.

#include <optional>
#include <string>

namespace arvento::chords {

// The symbol in canonical form: root letter, "#" if any, "m" if any, then the
// tail with the common names (sus, maj7, dim, ...) rewritten as extensions.
// The first character is taken as it stands: callers raise it to upper case.
std::string NormalizeChordSymbol(std::string symbol);

// The tones of a chord joined by "-": root, third, fifth when there is one,
// then the extensions in the fixed order +7 -7 7 +9 -9 9 +11 -11 11 +13 -13 13.
// "Am7" gives "A-C-E-G". Characters that mean nothing are ignored. Throws
// arvento::Error for an empty symbol or a root that is not a note name.
std::string ChordToneNames(const std::string& symbol);

// The warning for a symbol that seems to use a flat: a lower-case "b" right
// after a root other than B, which the symbol's reading ignores. "Eb" gives
// "Eb читается как E: бемолей нет, пишите D#". Nothing for any other symbol,
// "Bb" included, which is B, B flat already. The first character is taken as
// it stands, as in ChordToneNames.
std::optional<std::string> FlatSpellingWarning(const std::string& symbol);

} // namespace arvento::chords
