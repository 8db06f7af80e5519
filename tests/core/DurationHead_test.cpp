#include "core/DurationHead.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using namespace arvento;

TEST(DurationHead, FactorLengthAndDotAreCutAsTheFormPlacesThem) {
  // The forms the token readers use.
  constexpr HeadForm kMelody{FactorStar::First, LengthSpan::OneOrTwo, DotPlace::Anywhere};
  constexpr HeadForm kChordItem{FactorStar::AfterDigits, LengthSpan::Digits, DotPlace::Next};
  constexpr HeadForm kWhole{FactorStar::First, LengthSpan::All};
  constexpr HeadForm kTone{FactorStar::None, LengthSpan::OneOrTwo, DotPlace::Anywhere};
  constexpr std::nullopt_t kNoFactor = std::nullopt;
  struct Case {
    std::string_view text;
    HeadForm form;
    std::optional<std::string_view> factor;
    std::string_view length;
    bool dotted;
    std::string_view rest;
  };
  const Case cases[] = {
      {"2*8.c6", kMelody, "2", "8", true, "c6"},
      {"16c#.5", kMelody, kNoFactor, "16", true, "c#5"},
      {"4c4.", kMelody, kNoFactor, "4", true, "c4"},
      {"4..c4", kMelody, kNoFactor, "4", true, ".c4"},
      // Two characters when the second is a digit, and the first need not be one.
      {"328c4", kMelody, kNoFactor, "32", false, "8c4"},
      {"c4", kMelody, kNoFactor, "c4", false, ""},
      {"c#4", kMelody, kNoFactor, "c", false, "#4"},
      {"8", kMelody, kNoFactor, "8", false, ""},
      {"", kMelody, kNoFactor, "", false, ""},
      // The first '*' ends the factor wherever it stands; what precedes it is not judged.
      {"4c*5", kMelody, "4c", "5", false, ""},
      {"x*y*4c4", kMelody, "x", "y", false, "*4c4"},
      {"*", kMelody, "", "", false, ""},
      {"2*4.(Am)", kChordItem, "2", "4", true, "(Am)"},
      {"*4(C)", kChordItem, "", "4", false, "(C)"},
      {"2x*4(C)", kChordItem, kNoFactor, "2", false, "x*4(C)"},
      {"128(C)", kChordItem, kNoFactor, "128", false, "(C)"},
      {"(C)", kChordItem, kNoFactor, "", false, "(C)"},
      {"4x.(C)", kChordItem, kNoFactor, "4", false, "x.(C)"},
      {"4(C.)", kChordItem, kNoFactor, "4", false, "(C.)"},
      {"29p*8", kWhole, "29p", "8", false, ""},
      {"8.(Am)", kWhole, kNoFactor, "8.(Am)", false, ""},
      {"2*4C4", kTone, kNoFactor, "2", false, "*4C4"},
      {"0E.4", kTone, kNoFactor, "0", true, "E4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const DurationHead head = ReadDurationHead(c.text, c.form);
    EXPECT_EQ(head.factor, c.factor);
    EXPECT_EQ(head.length, c.length);
    EXPECT_EQ(head.dotted, c.dotted);
    EXPECT_EQ(head.rest, c.rest);
  }
}
