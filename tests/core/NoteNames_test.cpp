#include "core/NoteNames.h"
#include "core/NoteValues.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <utility>

using namespace arvento;

TEST(NoteNames, PitchClassOfEitherCaseWithHForB) {
  constexpr std::pair<std::string_view, int> cases[] = {
      {"c", 0}, {"C#", 1},  {"e", 4},   {"f#", 6},  {"A#", 10},  {"b", 11}, {"h", 11}, {"H", 11},
      {"", -1}, {"e#", -1}, {"h#", -1}, {"cb", -1}, {"c##", -1}, {"p", -1}, {"#", -1},
  };
  for (const auto& [name, pitchClass] : cases)
    EXPECT_EQ(PitchClass(name), pitchClass) << name;
}

TEST(NoteValues, TicksOfLengthDotAndFactor) {
  constexpr std::tuple<long long, bool, long long, long long> cases[] = {
      {1, false, 1, 192}, {4, true, 1, 72}, {8, false, 3, 72}, {32, true, 1, 6}};
  for (const auto& [length, dotted, factor, ticks] : cases)
    EXPECT_EQ(NoteTicks(length, dotted, factor), ticks) << length;
  for (const std::string_view length : {"1", "2", "4", "8", "16", "32"})
    EXPECT_TRUE(IsNoteLength(length)) << length;
  for (const std::string_view length : {"", "0", "3", "64", "08"})
    EXPECT_FALSE(IsNoteLength(length)) << length;
}
