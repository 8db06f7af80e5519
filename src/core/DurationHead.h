#pragma once

// The duration head that starts an RTTTL-E token, [N*]L[.]: a repeat factor
// N with its '*', a note length L, and a dot that makes the note half as long
// again, as in 2*8.c6 or 4(Am). The reader cuts a head into its parts as
// written and judges none of them: which factors and lengths a token may
// have, and the words for one it may not, belong to each reader of tokens.

#include <optional>
#include <string>
#include <string_view>

namespace arvento {

// Where the '*' of a repeat factor is looked for.
enum class FactorStar {
  First,       // the first '*' of the text, whatever stands before it
  AfterDigits, // only straight after the leading digits
  None,        // the text carries no factor
};

// How far the length runs after the factor.
enum class LengthSpan {
  Digits,   // the digits that follow
  OneOrTwo, // one character, and a second one when it is a digit
  All,      // the whole rest of the text, for a caller that cuts it itself
};

// Where the dot is looked for.
enum class DotPlace {
  Next,     // straight after the length
  Anywhere, // the first '.' after the length, taken out of what follows
};

// How one kind of token writes its head.
struct HeadForm {
  FactorStar factor = FactorStar::First;
  LengthSpan length = LengthSpan::All;
  DotPlace dot = DotPlace::Next;
};

// The parts of a head, viewing the text they were read from.
struct DurationHead {
  std::optional<std::string_view> factor; // the text before the '*'; none without a '*'
  std::string_view length;
  bool dotted = false;
  std::string rest; // the text after the head, without the dot
};

DurationHead ReadDurationHead(std::string_view text, HeadForm form);

} // namespace arvento
