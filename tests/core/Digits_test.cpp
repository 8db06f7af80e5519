#include "core/Digits.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

using namespace arvento;

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
    EXPECT_EQ(LeadingDigits(c.text), c.leadingDigits);
    EXPECT_EQ(AllDigits(c.text), c.allDigits);
    EXPECT_EQ(LeadingNumber(c.text, kCeiling), c.leadingNumber);
    EXPECT_EQ(DigitsValue(c.text, kCeiling), c.digitsValue);
  }
}
