#pragma once

// One item of a chord line, such as A3:2*4.(Am), cut into its parts as
// written, and its entry in the expanded chord list.

#include <string>

namespace arvento::chords {

struct ChordItemParts {
  std::string stagger;    // "3:" for A3:, without the leading A or a; empty when there is no ":"
  std::string multiplier; // "2*" as written, or "1*" when there is no "*"
  std::string duration;   // the text before "(", "4." for 4.(Am)
  std::string symbol;     // the text before the first ")", empty without a ")"
};

ChordItemParts SplitChordItem(std::string item);

// The expanded chord list entry of an item: stagger, multiplier and voiced
// chord text, "1*4C4, 0E4, 0G4, " for 4(C) on the piano. Throws
// arvento::Error when the chord cannot be voiced.
std::string ExpandChordItem(const std::string& item, bool guitar);

} // namespace arvento::chords
