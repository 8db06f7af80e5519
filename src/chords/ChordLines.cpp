#include "chords/AccompanimentCompiler.h"
#include "chords/ChordItem.h"
#include "chords/ChordSymbol.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <algorithm>

namespace arvento::chords {

AccompanimentResult ExpandChordLines(const std::vector<std::string>& lines,
                                     const AccompanimentSettings& settings, bool keepListing,
                                     const std::function<void(const std::string&)>& take) {
  AccompanimentResult result;
  if (keepListing)
    result.cleanedLines.reserve(lines.size());
  ItemExpansions expansions(settings.guitar);
  for (std::size_t number = 0; number < lines.size(); ++number) {
    std::string line = lines[number];
    line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    if (line.empty()) {
      if (keepListing)
        result.cleanedLines.push_back(lines[number]);
      continue;
    }
    if (line.back() != ',')
      line += ',';

    std::size_t cursor = 0;
    for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', cursor)) {
      const std::string item = line.substr(cursor, comma - cursor);
      const std::string* entry = nullptr;
      try {
        entry = &expansions.Expand(item);
      } catch (const Error& error) {
        result.skipped.push_back(Tr("Строка %1, аккорд %2: %3; пропущено до конца строки: %4", number + 1,
                                    Quoted(item), error.what(), Quoted(line.substr(cursor))));
        break;
      }
      take(*entry);
      if (keepListing)
        result.expandedChords.push_back(*entry);
      cursor = comma + 1;
    }
    if (keepListing)
      result.cleanedLines.push_back(std::move(line));
  }
  return result;
}

std::vector<std::string> ChordTextWarnings(const std::vector<std::string>& lines) {
  std::vector<std::string> warnings;
  for (std::string line : lines) {
    // A flat is written with a "b": a line without one has nothing to warn of.
    if (line.find('b') == std::string::npos)
      continue;
    line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    std::size_t cursor = 0;
    while (cursor < line.size()) {
      const std::size_t comma = std::min(line.find(',', cursor), line.size());
      // The compiler raises a symbol's first character, so "eb" is "Eb".
      std::string symbol = SplitChordItem(line.substr(cursor, comma - cursor)).symbol;
      if (!symbol.empty())
        symbol.front() = UpperLetter(symbol.front());
      cursor = comma + 1;
      const std::optional<std::string> warning = FlatSpellingWarning(symbol);
      if (warning && std::find(warnings.begin(), warnings.end(), *warning) == warnings.end())
        warnings.push_back(*warning);
    }
  }
  return warnings;
}

std::string BaseChordLine(const std::string& baseChord) {
  std::string line = baseChord;
  if (line.empty() || line.front() < '0' || line.front() > '9')
    line = "1(" + line + ")";
  if (line.find(',') == std::string::npos)
    line += ", ";
  return line;
}

} // namespace arvento::chords
