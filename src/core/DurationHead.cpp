#include "core/DurationHead.h"

#include "core/Digits.h"

#include <algorithm>

namespace arvento {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// The place of the factor's '*' in text; kNone without one.
std::size_t FactorStarAt(std::string_view text, FactorStar where) {
  switch (where) {
    case FactorStar::First:
      return text.find('*');
    case FactorStar::AfterDigits: {
      const std::size_t digits = LeadingDigits(text);
      return digits < text.size() && text[digits] == '*' ? digits : kNone;
    }
    case FactorStar::None:
      break;
  }
  return kNone;
}

// The size of the length at the start of text.
std::size_t LengthSize(std::string_view text, LengthSpan span) {
  switch (span) {
    case LengthSpan::Digits:
      return LeadingDigits(text);
    case LengthSpan::OneOrTwo:
      return std::min<std::size_t>(text.size(), text.size() > 1 && IsDigit(text[1]) ? 2 : 1);
    case LengthSpan::All:
      break;
  }
  return text.size();
}

} // namespace

DurationHead ReadDurationHead(std::string_view text, HeadForm form) {
  DurationHead head;
  if (const std::size_t star = FactorStarAt(text, form.factor); star != kNone) {
    head.factor = text.substr(0, star);
    text.remove_prefix(star + 1);
  }
  head.length = text.substr(0, LengthSize(text, form.length));
  head.rest = text.substr(head.length.size());
  std::size_t dot = kNone;
  if (form.dot == DotPlace::Anywhere)
    dot = head.rest.find('.');
  else if (!head.rest.empty() && head.rest.front() == '.')
    dot = 0;
  if (dot != kNone) {
    head.rest.erase(dot, 1);
    head.dotted = true;
  }
  return head;
}

} // namespace arvento
