// The RTTTL-E token of a note of given ticks and key, read back by the
// melody compiler's own token reader.

#include "melody/MelodyToken.h"
#include "melody/NoteSpelling.h"

#include <gtest/gtest.h>

namespace arvento::melody {
namespace {

TEST(NoteSpelling, TheShortestTokenThatPlaysTheNote) {
  // The ticks and key of a note, its token, and what the token lasts when read back.
  const std::tuple<long long, int, std::string, long long> cases[] = {
      {36, 68, "8.g#6", 36},  {48, 60, "4c6", 48},     {192, 0, "1c1", 192},     {288, 127, "1.g11", 288},
      {6, 61, "32c#6", 6},    {240, 72, "5*4c7", 240}, {576, 72, "2*1.c7", 576}, {60, 72, "5*16c7", 60},
      {7, 72, "32c7", 6},     {10, 72, "16c7", 12},    {0, 72, "32c7", 6},       {108, 69, "3*8.a6", 108},
      {18, 70, "16.a#6", 18}, {144, 47, "2.b4", 144},  {120, 72, "5*8c7", 120},  {2, 72, "32c7", 6},
  };
  for (const auto& [ticks, key, token, readTicks] : cases) {
    EXPECT_EQ(SpellNoteToken(ticks, key), token) << ticks;
    const MelodyToken read = ReadMelodyToken(token);
    EXPECT_EQ(read.kind, MelodyToken::Kind::Note) << read.problem;
    EXPECT_EQ(read.key, key) << token;
    EXPECT_EQ(read.ticks, readTicks) << token;
  }
}

} // namespace
} // namespace arvento::melody
