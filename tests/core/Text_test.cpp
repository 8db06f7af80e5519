// The text readers every folder builds on: tokens, digits, the head of a duration, letter case, quoting.

#include "core/CommaTokens.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/LetterCase.h"
#include "core/Quote.h"
#include "core/TextLines.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

using namespace arvento;

TEST(CommaTokens, TextBeforeEachCommaAfterItsGap) {
  const std::tuple<std::string_view, std::size_t, std::vector<std::string_view>> cases[] = {
      {"8a5, 8c6, ", 1, {"8a5", "8c6"}},
      {"8a5, 8c6, 4e6", 1, {"8a5", "8c6"}},
      {"8a5,8c6,", 1, {"8a5", "c6"}},
      {"8a5,", 1, {"8a5"}},
      {"no comma", 1, {}},
      {"4(Am),2*4(G),,", 0, {"4(Am)", "2*4(G)", ""}},
  };
  for (const auto& [line, gap, tokens] : cases)
    EXPECT_EQ(CommaTokens(line, gap), tokens) << line;
}

TEST(TextLines, EachEndsAtALineFeedLessOneCarriageReturn) {
  EXPECT_EQ(TextLines("a\r\nb\n\nc\r\r\nd\n"), (std::vector<std::string>{"a", "b", "", "c\r", "d"}));
  EXPECT_TRUE(TextLines("").empty());
}

TEST(Digits, NumbersAreReadFromDigitsOnly) {
  constexpr long long kCeiling = 1000;
  struct Case {
    std::string_view text;
    std::size_t leadingDigits;
    bool allDigits;
    std::optional<long long> leadingNumber; // held at kCeiling
    std::optional<long long> digitsValue;   // at most kCeiling
  };
  const Case cases[] = {
      {"", 0, false, std::nullopt, std::nullopt},   {"0", 1, true, 0, 0},
      {"29p", 2, false, 29, std::nullopt},          {"1000", 4, true, 1000, 1000},
      {"1001", 4, true, 1000, std::nullopt},        {"99999999999999999999999", 23, true, 1000, std::nullopt},
      {"-5", 0, false, std::nullopt, std::nullopt}, {" 5", 0, false, std::nullopt, std::nullopt},
      {"c4", 0, false, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(std::tuple(LeadingDigits(c.text), AllDigits(c.text), LeadingNumber(c.text, kCeiling),
                         DigitsValue(c.text, kCeiling)),
              std::tuple(c.leadingDigits, c.allDigits, c.leadingNumber, c.digitsValue));
  }
}

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
    EXPECT_EQ(std::tuple(head.factor, head.length, head.dotted, head.rest),
              std::tuple(c.factor, c.length, c.dotted, c.rest));
  }
}

TEST(LetterCase, OnlyLatinLettersChangeCase) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"", "", ""},
      {"am7", "AM7", "am7"},
      {"Part_1.MID", "PART_1.MID", "part_1.mid"},
      {"c#-Жж", "C#-Жж", "c#-Жж"},
  };
  for (const auto& [text, upper, lower] : cases) {
    EXPECT_EQ(Upper(text), upper) << text;
    EXPECT_EQ(Lower(text), lower) << text;
  }
}

TEST(Quote, ControlCharactersAndInvalidBytesAreEscapedAndLongTokensCut) {
  const std::string sixty(60, 'a');
  std::string cyrillic60;
  for (int i = 0; i < 60; ++i)
    cyrillic60 += "ж";
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"8c6", "8c6", "\"8c6\""},
      {"Мелодия №5 — «да»", "Мелодия №5 — «да»", "\"Мелодия №5 — «да»\""},
      {"a\x1b[31mb\tc\r\n", "a\\x1b[31mb\\x09c\\x0d\\x0a", "\"a\\x1b[31mb\\x09c\\x0d\\x0a\""},
      {std::string("a\0b\x7f", 4), "a\\x00b\\x7f", "\"a\\x00b\\x7f\""},
      // C1 controls are characters of UTF-8 too, and as dangerous.
      {std::string("\xc2\x9b") + "2J", "\\xc2\\x9b2J", "\"\\xc2\\x9b2J\""},
      // Code page 1251 bytes, a cut sequence, an overlong form, a surrogate.
      {"\xcc\xe5\xeb", "\\xcc\\xe5\\xeb", "\"\\xcc\\xe5\\xeb\""},
      {"x\xd0", "x\\xd0", "\"x\\xd0\""},
      {"\xc0\xaf\xed\xa0\x80", "\\xc0\\xaf\\xed\\xa0\\x80", "\"\\xc0\\xaf\\xed\\xa0\\x80\""},
      {"\xf0\x9f\x8e\xb5", "\xf0\x9f\x8e\xb5", "\"\xf0\x9f\x8e\xb5\""},
      {sixty, sixty, "\"" + sixty + "\""},
      {sixty + "b", sixty + "b", "\"" + sixty + "…\""},
      {cyrillic60 + "ж", cyrillic60 + "ж", "\"" + cyrillic60 + "…\""},
      {std::string(59, 'a') + "\x01\x02", std::string(59, 'a') + "\\x01\\x02",
       "\"" + std::string(59, 'a') + "\\x01…\""},
      {"", "", "\"\""},
  };
  for (const auto& [input, escaped, quoted] : cases) {
    EXPECT_EQ(Escaped(input), escaped) << escaped;
    EXPECT_EQ(Quoted(input), quoted) << escaped;
  }
  EXPECT_EQ(Quoted(std::string(10'000'000, 'x')).size(), 2 + 60 + std::string("…").size());
}
