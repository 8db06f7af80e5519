#include "core/NoteNames.h"
#include "core/NoteValues.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace arvento;

TEST(NoteNames, PitchClassOfEitherCaseWithHForB) {
  struct Case {
    std::string_view name;
    int pitchClass;
  };
  constexpr Case cases[] = {
      {"c", 0}, {"C#", 1},  {"e", 4},   {"f#", 6},  {"A#", 10},  {"b", 11}, {"h", 11}, {"H", 11},
      {"", -1}, {"e#", -1}, {"h#", -1}, {"cb", -1}, {"c##", -1}, {"p", -1}, {"#", -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PitchClass(c.name), c.pitchClass) << c.name;
}

TEST(NoteValues, TicksOfLengthDotAndFactor) {
  struct Case {
    long long length;
    bool dotted;
    long long factor;
    long long ticks;
  };
  constexpr Case cases[] = {{1, false, 1, 192}, {4, true, 1, 72}, {8, false, 3, 72}, {32, true, 1, 6}};
  for (const Case& c : cases)
    EXPECT_EQ(NoteTicks(c.length, c.dotted, c.factor), c.ticks) << c.length;
  for (const std::string_view length : {"1", "2", "4", "8", "16", "32"})
    EXPECT_TRUE(IsNoteLength(length)) << length;
  for (const std::string_view length : {"", "0", "3", "64", "08"})
    EXPECT_FALSE(IsNoteLength(length)) << length;
}
