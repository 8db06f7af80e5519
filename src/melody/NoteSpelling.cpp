#include "melody/NoteSpelling.h"

#include "core/NoteNames.h"
#include "core/NoteValues.h"

#include <algorithm>
#include <array>

namespace arvento::melody {

namespace {

constexpr long long kThirtySecond = NoteTicks(32, false, 1);

} // namespace

std::string SpellNoteToken(long long ticks, int key) {
  const long long rounded = std::max(1LL, (ticks + kThirtySecond / 2) / kThirtySecond) * kThirtySecond;
  // The first value that divides the length gives the fewest repeats; the
  // thirty-second divides every length.
  const NoteValue value =
      *std::find_if(kValuesLongestFirst.begin(), kValuesLongestFirst.end(),
                    [&](const NoteValue& v) { return rounded % NoteTicks(v.length, v.dotted, 1) == 0; });
  const long long factor = rounded / NoteTicks(value.length, value.dotted, 1);
  std::string token = factor > 1 ? std::to_string(factor) + "*" : "";
  token += std::to_string(value.length);
  if (value.dotted)
    token += ".";
  return token + KeyName(key);
}

} // namespace arvento::melody
