#include "generators/GeneratorChords.h"

#include "core/CommaTokens.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "generators/FigureSteps.h"

#include <algorithm>

namespace arvento::generators {

namespace {
// A thousand whole notes: a chord longer than this is a typing slip, and its
// line would run to megabytes.
constexpr long long kLongestChord = 16 * 1000;

// A chord item's factor counts only straight after its leading digits, and
// its dot only straight after the length, where the "(" would stand.
constexpr HeadForm kItemHead{FactorStar::AfterDigits, LengthSpan::Digits, DotPlace::Next};

// The reason item.text cannot be used, or empty when it is read into the other fields.
std::string ParseItem(TimedChord& item) {
  const DurationHead head = ReadDurationHead(item.text, kItemHead);
  long long count = 1;
  if (head.factor) {
    if (head.factor->empty())
      return Tr("перед \"*\" должно стоять число повторов");
    const std::optional<long long> written = DigitsValue(*head.factor, kLargestCount);
    if (!written)
      return Tr("слишком длинный аккорд");
    count = *written;
  }
  if (head.length.empty())
    return Tr("нет длительности");
  const std::optional<long long> length = DigitsValue(head.length, kLargestCount);
  if (!length)
    return Tr("длительность %1 слишком велика", Quoted(head.length));
  if (*length == 0)
    return Tr("длительность не может быть 0");
  const std::string& bracketed = head.rest;
  if (bracketed.empty() || bracketed.front() != '(')
    return Tr("после длительности должна стоять скобка \"(\"");
  const std::size_t close = bracketed.find(')', 1);
  if (close == std::string::npos)
    return Tr("нет закрывающей скобки \")\"");
  item.symbol = bracketed.substr(1, close - 1);
  long long sixteenths = 16 / *length;
  if (head.dotted)
    sixteenths += sixteenths / 2;
  item.sixteenths = sixteenths * count;
  if (item.sixteenths > kLongestChord)
    return Tr("слишком длинный аккорд");
  return {};
}
} // namespace

bool HasChords(const std::vector<std::string>& record) {
  return std::any_of(record.begin(), record.end(), [](const std::string& line) {
    return line.find_first_not_of(' ') != std::string::npos;
  });
}

std::string ChordItemProblem(const TimedChord& item, const std::string& why) {
  if (item.text.empty())
    return Tr("Пустой аккорд (две запятые подряд) в строке %1 записи аккордов.", item.line);
  return Tr("Аккорд %1 в строке %2 записи аккордов: %3.", Quoted(item.text), item.line, why);
}

Outcome<std::vector<TimedChord>> ReadChordItems(const std::vector<std::string>& record) {
  std::vector<TimedChord> items;
  for (std::size_t number = 0; number < record.size(); ++number) {
    std::string line = record[number];
    std::erase(line, ' ');
    if (line.empty())
      continue;
    if (line.back() != ',')
      line += ',';
    for (const std::string_view text : CommaTokens(line, 0)) {
      TimedChord item;
      item.line = number + 1;
      item.text = text;
      // The generators play no arpeggio; the mark is refused rather than dropped
      // so that nobody is surprised by chords struck together.
      if (item.text.find(':') != std::string::npos)
        return Refusal(Tr("В записи присутствует арпеджио: %1 в строке %2 записи аккордов. Удалите его и "
                          "попробуйте еще раз.",
                          Quoted(item.text), item.line));
      if (const std::string why = ParseItem(item); !why.empty())
        return Refusal(ChordItemProblem(item, why));
      items.push_back(std::move(item));
    }
  }
  return items;
}

} // namespace arvento::generators
