#include "GeneratorChords.h"

#include "FigureSteps.h"
#include "Quote.h"

#include <algorithm>

namespace arvento::generators {

namespace {
// A thousand whole notes: a chord longer than this is a typing slip, and its
// line would run to megabytes.
constexpr long long kLongestChord = 16 * 1000;

std::size_t LeadingDigits(const std::string& text, std::size_t from) {
  std::size_t end = from;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9')
    ++end;
  return end - from;
}

std::string Place(const ChordItem& item) {
  return "в строке " + std::to_string(item.line) + " записи аккордов";
}

// The reason item.text cannot be used, or empty when it is read into the other fields.
std::string ParseItem(ChordItem& item) {
  const std::string& text = item.text;
  std::size_t at = LeadingDigits(text, 0);
  std::string lengthText = text.substr(0, at); // or the count, when "*" follows
  long long count = 1;
  if (at < text.size() && text[at] == '*') {
    if (lengthText.empty())
      return "перед \"*\" должно стоять число повторов";
    const std::optional<long long> written = DecimalNumber(lengthText);
    if (!written)
      return "слишком длинный аккорд";
    count = *written;
    const std::size_t digits = LeadingDigits(text, at + 1);
    lengthText = text.substr(at + 1, digits);
    at += 1 + digits;
  }
  if (lengthText.empty())
    return "нет длительности";
  const std::optional<long long> length = DecimalNumber(lengthText);
  if (!length)
    return "длительность " + Quoted(lengthText) + " слишком велика";
  if (*length == 0)
    return "длительность не может быть 0";
  const bool dotted = at < text.size() && text[at] == '.';
  if (dotted)
    ++at;
  if (at >= text.size() || text[at] != '(')
    return "после длительности должна стоять скобка \"(\"";
  const std::size_t close = text.find(')', at + 1);
  if (close == std::string::npos)
    return "нет закрывающей скобки \")\"";
  item.symbol = text.substr(at + 1, close - at - 1);
  long long sixteenths = 16 / *length;
  if (dotted)
    sixteenths += sixteenths / 2;
  item.sixteenths = sixteenths * count;
  if (item.sixteenths > kLongestChord)
    return "слишком длинный аккорд";
  return {};
}
} // namespace

bool HasChords(const std::vector<std::string>& record) {
  return std::any_of(record.begin(), record.end(), [](const std::string& line) {
    return line.find_first_not_of(' ') != std::string::npos;
  });
}

std::string ChordItemProblem(const ChordItem& item, const std::string& why) {
  if (item.text.empty())
    return "Пустой аккорд (две запятые подряд) " + Place(item) + ".";
  return "Аккорд " + Quoted(item.text) + " " + Place(item) + ": " + why + ".";
}

ChordItems ReadChordItems(const std::vector<std::string>& record) {
  ChordItems result;
  for (std::size_t number = 0; number < record.size(); ++number) {
    std::string line = record[number];
    std::erase(line, ' ');
    if (line.empty())
      continue;
    if (line.back() != ',')
      line += ',';
    std::size_t start = 0;
    for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', start)) {
      ChordItem item;
      item.line = number + 1;
      item.text = line.substr(start, comma - start);
      start = comma + 1;
      // The generators play no arpeggio; the mark is refused rather than dropped
      // so that nobody is surprised by chords struck together.
      if (item.text.find(':') != std::string::npos) {
        result.problem = "В записи присутствует арпеджио: " + Quoted(item.text) + " " + Place(item) +
                         ". Удалите его и попробуйте еще раз.";
        result.items.clear();
        return result;
      }
      if (const std::string why = ParseItem(item); !why.empty()) {
        result.problem = ChordItemProblem(item, why);
        result.items.clear();
        return result;
      }
      result.items.push_back(std::move(item));
    }
  }
  return result;
}

} // namespace arvento::generators
