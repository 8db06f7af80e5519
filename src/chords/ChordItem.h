#pragma once

// One item of a chord line, such as A3:2*4.(Am), cut into its parts as
// written, and its entry in the expanded chord list.

#include <string>
#include <unordered_map>

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

// ExpandChordItem for the items of one chord text, each distinct item voiced
// once: a chord text repeats a handful of chords many times, and an item's
// entry depends on nothing else.
class ItemExpansions {
public:
  explicit ItemExpansions(bool guitar) : guitar_(guitar) {}

  // Throws arvento::Error as ExpandChordItem does.
  const std::string& Expand(const std::string& item);

private:
  struct Expansion {
    std::string entry;
    std::string problem; // why the item cannot be voiced; empty when it can
  };
  bool guitar_;
  std::unordered_map<std::string, Expansion> kept_;
};

} // namespace arvento::chords
