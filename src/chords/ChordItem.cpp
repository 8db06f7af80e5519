#include "chords/ChordItem.h"

#include "chords/ChordVoicing.h"
#include "core/DurationHead.h"
#include "core/Error.h"

namespace arvento::chords {

namespace {
// The factor ends at the first '*'; the duration after it keeps its dot as
// written, for the voicing to pass on, and is cut at the "(" below.
constexpr HeadForm kItemHead{FactorStar::First, LengthSpan::All};

// Distinct items whose expansion is kept; a text of ever new items starts
// over rather than growing without end.
constexpr std::size_t kKeptItems = 4096;
} // namespace

ChordItemParts SplitChordItem(std::string item) {
  ChordItemParts parts;
  if (const std::size_t colon = item.find(':'); colon != std::string::npos) {
    parts.stagger = item.substr(0, colon + 1);
    item.erase(0, colon + 1);
    if (parts.stagger.front() == 'A' || parts.stagger.front() == 'a')
      parts.stagger.erase(0, 1);
  }
  const DurationHead head = ReadDurationHead(item, kItemHead);
  parts.multiplier = head.factor ? std::string(*head.factor) + "*" : "1*";
  item = std::string(head.length);
  if (const std::size_t open = item.find('('); open != std::string::npos) {
    parts.duration = item.substr(0, open);
    item.erase(0, open + 1);
  }
  if (const std::size_t close = item.find(')'); close != std::string::npos)
    parts.symbol = item.substr(0, close);
  return parts;
}

std::string ExpandChordItem(const std::string& item, bool guitar) {
  const ChordItemParts parts = SplitChordItem(item);
  return parts.stagger + parts.multiplier + VoiceChord(parts.duration, parts.symbol, guitar);
}

const std::string& ItemExpansions::Expand(const std::string& item) {
  auto kept = kept_.find(item);
  if (kept == kept_.end()) {
    if (kept_.size() == kKeptItems)
      kept_.clear();
    Expansion expansion;
    try {
      expansion.entry = ExpandChordItem(item, guitar_);
    } catch (const Error& error) {
      expansion.problem = error.what();
    }
    kept = kept_.emplace(item, std::move(expansion)).first;
  }
  if (!kept->second.problem.empty())
    throw Error(kept->second.problem);
  return kept->second.entry;
}

} // namespace arvento::chords
