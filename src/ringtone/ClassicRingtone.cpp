#include "ringtone/ClassicRingtone.h"

#include "core/CommaTokens.h"
#include "core/Digits.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/NoteNames.h"
#include "core/NoteValues.h"
#include "core/Quote.h"
#include "core/TextLines.h"
#include "core/Translate.h"

#include <algorithm>
#include <optional>

namespace arvento::ringtone {

namespace {

// Numbers past this are held at it: any larger length, octave or tempo is out of range all the same.
constexpr long long kNumberCeiling = 1'000'000'000;
// The highest MIDI note, g9 in classic octaves: the part file has no note above it.
constexpr int kHighestKey = 127;
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos)
    return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The MIDI note of a classic note: octave k is the melody's octave k + 2.
int Key(int pitchClass, int octave) {
  return pitchClass + (octave + 1) * 12;
}

struct Defaults {
  int length = 4;
  int octave = 6;
  long long beats = 63;
};

// Reads a ringtone's parts, each failure naming the ringtone first.
class Reader {
public:
  explicit Reader(std::string_view line) : name_(RingtoneName(line)) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw Error(Tr("Мелодия %1: %2", Quoted(name_), what));
  }

  Defaults ReadDefaults(std::string_view text) const {
    Defaults defaults;
    ForEachCommaToken(std::string(text) + ",", 0, [&](std::string_view item) {
      item = Trimmed(item);
      const std::size_t equals = item.find('=');
      const std::string key = Lower(std::string(Trimmed(item.substr(0, equals))));
      if (key != "d" && key != "o" && key != "b")
        return; // s= and l= of the extended variant, and whatever else a collection writes
      const std::string_view value = equals == std::string_view::npos ? "" : Trimmed(item.substr(equals + 1));
      const auto fail = [&](const std::string& why) { Fail(Tr("умолчание %1: %2", Quoted(item), why)); };
      if (!AllDigits(value))
        fail(Tr("значение не число"));
      const long long number = *LeadingNumber(value, kNumberCeiling);
      if (key == "d") {
        if (!IsNoteLength(value))
          fail(Tr("длительность может быть 1, 2, 4, 8, 16 или 32"));
        defaults.length = static_cast<int>(number);
      } else if (key == "o") {
        if (number < kLowestClassicOctave || number > kHighestClassicOctave)
          fail(Tr("октава может быть от 1 до 9"));
        defaults.octave = static_cast<int>(number);
      } else {
        defaults.beats = number;
      }
    });
    return defaults;
  }

  // [LENGTH]NAME[#][.][OCTAVE][.]
  ClassicNote ReadNote(std::string_view text, std::size_t place, const Defaults& defaults) const {
    const auto fail = [&](const std::string& why) { Fail(Tr("нота %1 %2: %3", place, Quoted(text), why)); };
    ClassicNote note{defaults.length, false, -1, defaults.octave};
    std::size_t at = LeadingDigits(text);
    if (at > 0) {
      if (!IsNoteLength(text.substr(0, at)))
        fail(Tr("длительность может быть 1, 2, 4, 8, 16 или 32"));
      note.length = static_cast<int>(*LeadingNumber(text, kNumberCeiling));
    }
    if (at == text.size())
      fail(Tr("нет названия ноты"));
    const std::string_view name = text.substr(at, at + 1 < text.size() && text[at + 1] == '#' ? 2 : 1);
    const bool rest = name.size() == 1 && UpperLetter(name[0]) == 'P';
    if (!rest) {
      note.pitchClass = PitchClass(name);
      if (note.pitchClass < 0)
        fail(Tr("неизвестная нота %1", Quoted(name)));
    }
    at += name.size();
    for (bool octaveRead = false; at < text.size();) {
      if (text[at] == '.') {
        if (note.dotted)
          fail(Tr("вторая точка"));
        note.dotted = true;
        ++at;
      } else if (IsDigit(text[at]) && !octaveRead) {
        const long long octave = *LeadingNumber(text.substr(at), kNumberCeiling);
        if (octave < kLowestClassicOctave || octave > kHighestClassicOctave)
          fail(Tr("октава может быть от 1 до 9"));
        note.octave = static_cast<int>(octave);
        at += LeadingDigits(text.substr(at));
        octaveRead = true;
      } else {
        fail(Tr("лишние знаки %1", Quoted(text.substr(at))));
      }
    }
    if (rest)
      note.octave = 0;
    else if (Key(note.pitchClass, note.octave) > kHighestKey)
      fail(Tr("нота выше g9"));
    return note;
  }

private:
  std::string_view name_;
};

} // namespace

ClassicRingtone ReadClassicRingtone(std::string_view line) {
  const Reader reader(line);
  const std::size_t nameEnd = line.find(':');
  const std::size_t defaultsEnd = nameEnd == std::string_view::npos ? nameEnd : line.find(':', nameEnd + 1);
  if (defaultsEnd == std::string_view::npos)
    reader.Fail(Tr("нет раздела \":\": нужно НАЗВАНИЕ:УМОЛЧАНИЯ:НОТЫ"));
  const Defaults defaults = reader.ReadDefaults(line.substr(nameEnd + 1, defaultsEnd - nameEnd - 1));
  ClassicRingtone ringtone{std::string(RingtoneName(line)), defaults.beats, {}};
  // A comma ends every note, the last one included; a place between two
  // commas that holds only blanks is no note, but counts.
  std::size_t place = 0;
  ForEachCommaToken(std::string(line.substr(defaultsEnd + 1)) + ",", 0, [&](std::string_view item) {
    ++place;
    if (const std::string_view note = Trimmed(item); !note.empty())
      ringtone.notes.push_back(reader.ReadNote(note, place, defaults));
  });
  return ringtone;
}

std::vector<std::string_view> RingtoneLines(std::string_view text) {
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    text.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> lines;
  ForEachLine(text, [&](std::string_view line) {
    if (!Trimmed(line).empty())
      lines.push_back(line);
  });
  return lines;
}

std::string_view RingtoneName(std::string_view line) {
  return Trimmed(line.substr(0, line.find(':')));
}

bool HoldsRingtone(std::string_view text) {
  const std::vector<std::string_view> lines = RingtoneLines(text);
  return std::any_of(lines.begin(), lines.end(), [](std::string_view line) {
    const std::size_t nameEnd = line.find(':');
    const std::size_t defaultsEnd = nameEnd == std::string_view::npos ? nameEnd : line.find(':', nameEnd + 1);
    if (defaultsEnd == std::string_view::npos)
      return false;
    bool defaults = true;
    ForEachCommaToken(std::string(line.substr(nameEnd + 1, defaultsEnd - nameEnd - 1)) + ",", 0,
                      [&](std::string_view item) {
                        defaults =
                            defaults && (Trimmed(item).empty() || item.find('=') != std::string_view::npos);
                      });
    return defaults;
  });
}

} // namespace arvento::ringtone
