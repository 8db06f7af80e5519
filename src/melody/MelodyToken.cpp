#include "melody/MelodyToken.h"

#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/LetterCase.h"
#include "core/NoteNames.h"
#include "core/NoteValues.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <optional>

namespace arvento::melody {

namespace {

// Numbers past this are held at it: any larger factor or octave is out of range all the same.
constexpr long long kNumberCeiling = 1'000'000'000;

// The factor ends at the first '*'; the length is one character or two
// digits, and its dot may stand anywhere in the rest of the token.
constexpr HeadForm kTokenHead{FactorStar::First, LengthSpan::OneOrTwo, DotPlace::Anywhere};

// The whole text as a number; nullopt unless it is all digits.
std::optional<long long> WholeNumber(std::string_view text) {
  return AllDigits(text) ? LeadingNumber(text, kNumberCeiling) : std::nullopt;
}

// A note name as a message shows it: upper case, H written B.
std::string ShownName(std::string name) {
  name = Upper(std::move(name));
  if (name[0] == 'H')
    name[0] = 'B';
  return name;
}

MelodyToken Problem(std::string why) {
  return {MelodyToken::Kind::Silent, 0, 0, std::move(why)};
}

} // namespace

MelodyToken ReadMelodyToken(std::string_view token) {
  const DurationHead head = ReadDurationHead(token, kTokenHead);

  long long factor = 1;
  if (head.factor) {
    const std::optional<long long> written = WholeNumber(*head.factor);
    if (!written)
      return Problem(Tr("множитель повтора не число"));
    factor = *written;
  }

  // A length and a name follow the factor, two characters at least.
  if (token.size() - (head.factor ? head.factor->size() + 1 : 0) < 2)
    return Problem(Tr("слишком короткий элемент"));
  // Not the note lengths of the notation: "04" is a quarter here.
  const long long length = WholeNumber(head.length).value_or(0);
  if (length == 0)
    return Problem(Tr("длительность не число"));
  if (32 % length != 0 || length > 32)
    return Problem(Tr("длительность может быть 1, 2, 4, 8, 16 или 32"));

  const long long ticks = NoteTicks(length, head.dotted, factor);
  if (ticks > kLongestTicks)
    return Problem(Tr("слишком длинная нота"));

  const std::string& tail = head.rest;
  if (tail.find('p') != std::string::npos)
    return {MelodyToken::Kind::Rest, ticks, 0, {}, static_cast<int>(length), head.dotted, factor};

  const std::size_t nameSize = tail.find('#') != std::string::npos ? 2 : 1;
  if (tail.size() < nameSize)
    return Problem(Tr("нет названия ноты"));
  const std::string name = tail.substr(0, nameSize);
  if (name == "P")
    return {MelodyToken::Kind::Silent, 0, 0, {}};
  const int index = PitchClass(name);
  if (index < 0)
    return Problem(Tr("неизвестная нота %1", Escaped(ShownName(name))));

  const std::optional<long long> octave =
      LeadingNumber(std::string_view(tail).substr(nameSize), kNumberCeiling);
  if (!octave)
    return Problem(Tr("нет октавы"));
  const long long note = index + (*octave - 1) * 12;
  if (note < 0 || note > 127)
    return Problem(Tr("нота вне диапазона 0..127 (c1..g11)"));
  return {MelodyToken::Kind::Note,
          ticks,
          static_cast<int>(note),
          {},
          static_cast<int>(length),
          head.dotted,
          factor};
}

} // namespace arvento::melody
