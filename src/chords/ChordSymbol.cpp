#include "chords/ChordSymbol.h"

#include "chords/ChordTables.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <string_view>
#include <vector>

namespace arvento::chords {

namespace {

constexpr int kThirdColumn = 1;
constexpr int kFifthColumn = 2;

// The root is searched from row 1 on, so the row below and the row above it
// always exist.
std::size_t RootRow(const std::string& root) {
  for (std::size_t row = 1; row < chordToneTable.size(); ++row) {
    if (chordToneTable[row][0] == root)
      return row;
  }
  throw Error(Tr("неизвестный основной тон %1", Quoted(root)));
}

// An extension column and how it is written in a symbol.
struct Extension {
  int column;
  std::string_view number;
};
constexpr std::array<Extension, 4> kExtensions = {{{3, "7"}, {4, "9"}, {5, "11"}, {6, "13"}}};

// The roots a flat could follow, each with the root a semitone lower.
struct LowerRoot {
  char root;
  std::string_view lower;
};
constexpr std::array<LowerRoot, 7> kLowerRoots = {
    {{'C', "H"}, {'D', "C#"}, {'E', "D#"}, {'F', "E"}, {'G', "F#"}, {'A', "G#"}, {'H', "B"}}};

// What a symbol with a "b" after its root reads as, written without the b.
// The symbol as written without its b, when that reads the same; otherwise
// the canonical form, where an "m" behind the b, which the b hides, is left
// out too ("Ebm" reads as "E").
std::string ReadingWithoutFlat(const std::string& symbol) {
  const std::string asWritten = symbol.substr(0, 1) + symbol.substr(2);
  const std::string tones = ChordToneNames(symbol);
  if (ChordToneNames(asWritten) == tones)
    return asWritten;
  std::string tail = NormalizeChordSymbol(symbol).substr(2);
  if (!tail.empty() && tail.front() == 'm')
    tail.erase(0, 1);
  return symbol.substr(0, 1) + tail;
}

} // namespace

std::string NormalizeChordSymbol(std::string symbol) {
  for (const ChordAlias& pair : chordAliasTable) {
    const std::size_t at = symbol.find(pair.alias);
    if (at == std::string::npos)
      continue;
    const std::string tail = symbol.substr(at + pair.alias.size());
    const char* const separator = !tail.empty() && tail.front() != '/' ? "/" : "";
    symbol = symbol.substr(0, at) + std::string(pair.replacement) + separator + tail;
  }
  if (symbol.empty())
    return symbol;
  std::string head(1, symbol.front());
  std::string rest = symbol.substr(1);
  if (const std::size_t sharp = rest.find('#'); sharp != std::string::npos) {
    head += '#';
    rest.erase(sharp, 1);
  }
  if (!rest.empty() && rest.front() == 'm') {
    head += 'm';
    rest.erase(0, 1);
  }
  return head + rest;
}

std::string ChordToneNames(const std::string& symbol) {
  std::string rest = NormalizeChordSymbol(symbol);
  if (rest.empty())
    throw Error(Tr("пустое обозначение аккорда"));
  std::string root(1, rest.front());
  rest.erase(0, 1);
  if (!rest.empty() && rest.front() == '#') {
    root += '#';
    rest.erase(0, 1);
  }
  const std::size_t row = RootRow(root);
  std::vector<std::string_view> tones = {chordToneTable[row][0]};

  if (!rest.empty() && rest.front() == 'm') {
    tones.push_back(chordToneTable[row - 1][kThirdColumn]);
    rest.erase(0, 1);
  } else if (const std::size_t fourth = rest.find("+3"); fourth != std::string::npos) {
    tones.push_back(chordToneTable[row + 1][kThirdColumn]);
    rest.erase(fourth, 2);
  } else {
    tones.push_back(chordToneTable[row][kThirdColumn]);
  }

  // The "5" and its sign stay in the rest; a "5" after anything but a sign
  // (C7/5) leaves the chord without a fifth.
  const std::size_t five = rest.find('5');
  if (five == std::string::npos || five == 0)
    tones.push_back(chordToneTable[row][kFifthColumn]);
  else if (rest[five - 1] == '-')
    tones.push_back(chordToneTable[row - 1][kFifthColumn]);
  else if (rest[five - 1] == '+')
    tones.push_back(chordToneTable[row + 1][kFifthColumn]);

  // Each form is tried once. A signed form removes two characters and a plain
  // one a single character, so "11" leaves a "1" behind that matches nothing.
  struct Form {
    std::string_view sign;
    int rowOffset;
  };
  constexpr std::array<Form, 3> kForms = {{{"+", 1}, {"-", -1}, {"", 0}}};
  for (const Extension& extension : kExtensions) {
    for (const Form& form : kForms) {
      const std::string written = std::string(form.sign) + std::string(extension.number);
      const std::size_t at = rest.find(written);
      if (at == std::string::npos)
        continue;
      tones.push_back(chordToneTable[static_cast<std::size_t>(static_cast<int>(row) + form.rowOffset)]
                                    [static_cast<std::size_t>(extension.column)]);
      rest.erase(at, form.sign.empty() ? 1 : 2);
    }
  }

  std::string names;
  for (const std::string_view tone : tones) {
    if (!names.empty())
      names += '-';
    names += tone;
  }
  return names;
}

std::optional<std::string> FlatSpellingWarning(const std::string& symbol) {
  // With a "#" anywhere the symbol has a sharp root or none at all.
  if (symbol.size() < 2 || symbol[1] != 'b' || symbol.find('#') != std::string::npos)
    return std::nullopt;
  for (const LowerRoot& entry : kLowerRoots) {
    if (entry.root == symbol.front())
      return Tr("%1 читается как %2: бемолей нет, пишите %3", symbol, ReadingWithoutFlat(symbol),
                std::string(entry.lower) + symbol.substr(2));
  }
  return std::nullopt;
}

} // namespace arvento::chords
