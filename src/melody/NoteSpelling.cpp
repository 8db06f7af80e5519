#include "melody/NoteSpelling.h"

#include "core/NoteNames.h"
#include "core/NoteValues.h"

#include <algorithm>
#include <array>

namespace arvento::melody {

namespace {

struct Value {
  int length;
  bool dotted;
};

// The values from the longest down; a dotted thirty-second lasts no longer
// than a plain one and is left out.
constexpr std::array<Value, 11> kValues = {{{1, true},
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

constexpr long long kThirtySecond = NoteTicks(32, false, 1);

} // namespace

std::string SpellNoteToken(long long ticks, int key) {
  const long long rounded = std::max(1LL, (ticks + kThirtySecond / 2) / kThirtySecond) * kThirtySecond;
  // The first value that divides the length gives the fewest repeats; the
  // thirty-second divides every length.
  const Value value = *std::find_if(kValues.begin(), kValues.end(), [&](const Value& v) {
    return rounded % NoteTicks(v.length, v.dotted, 1) == 0;
  });
  const long long factor = rounded / NoteTicks(value.length, value.dotted, 1);
  std::string token = factor > 1 ? std::to_string(factor) + "*" : "";
  token += std::to_string(value.length);
  if (value.dotted)
    token += ".";
  return token + KeyName(key);
}

} // namespace arvento::melody
