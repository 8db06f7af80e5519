#pragma once

// Readers of decimal digits, as every text of the program writes its numbers:
// no sign, no blanks.

#include <cstddef>
#include <optional>
#include <string_view>

namespace arvento {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The number of decimal digits at the start of text.
std::size_t LeadingDigits(std::string_view text);

// True when text is one or more decimal digits and nothing else.
bool AllDigits(std::string_view text);

// The value of the digits at the start of text, held at ceiling when it is
// larger; nullopt when text does not start with a digit.
std::optional<long long> LeadingNumber(std::string_view text, long long ceiling);

// The value of text when it is all digits (AllDigits) and at most limit;
// nullopt otherwise.
std::optional<long long> DigitsValue(std::string_view text, long long limit);

} // namespace arvento
