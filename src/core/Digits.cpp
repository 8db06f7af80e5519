#include "core/Digits.h"

#include <algorithm>

namespace arvento {

std::size_t LeadingDigits(std::string_view text) {
  std::size_t count = 0;
  while (count < text.size() && IsDigit(text[count]))
    ++count;
  return count;
}

bool AllDigits(std::string_view text) {
  return !text.empty() && LeadingDigits(text) == text.size();
}

std::optional<long long> LeadingNumber(std::string_view text, long long ceiling) {
  const std::size_t digits = LeadingDigits(text);
  if (digits == 0)
    return std::nullopt;
  long long value = 0;
  for (std::size_t i = 0; i < digits; ++i)
    value = std::min(value * 10 + (text[i] - '0'), ceiling);
  return value;
}

std::optional<long long> DigitsValue(std::string_view text, long long limit) {
  if (!AllDigits(text))
    return std::nullopt;
  long long value = 0;
  for (const char c : text) {
    value = value * 10 + (c - '0');
    if (value > limit)
      return std::nullopt;
  }
  return value;
}

} // namespace arvento
