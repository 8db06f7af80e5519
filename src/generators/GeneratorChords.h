#pragma once

#include "core/Outcome.h"

#include <cstddef>
#include <string>
#include <vector>

namespace arvento::generators {

// True when some line of the chord record holds more than blanks.
bool HasChords(const std::vector<std::string>& record);

// One chord item as the generators read it: [count "*"] length ["."] "(" symbol ")".
struct TimedChord {
  std::size_t line = 0;     // line of the chord record, counted from 1
  std::string text;         // the item with its blanks removed, without its comma
  std::string symbol;       // the text between "(" and ")", as written
  long long sixteenths = 0; // (16 div length) x count, half as long again when dotted
};

// Every chord item of the record in order. Blanks are removed from each line,
// lines left empty are skipped, and a line that does not end with "," is read
// as if it did. Refuses with a message that names the first item outside the
// form and its line.
Outcome<std::vector<TimedChord>> ReadChordItems(const std::vector<std::string>& record);

// The message for an item that cannot be used, saying where it stands.
std::string ChordItemProblem(const TimedChord& item, const std::string& why);

} // namespace arvento::generators
