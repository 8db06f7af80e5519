#include "chords/ChordVoicing.h"

#include "chords/ChordSymbol.h"
#include "chords/ChordTables.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <algorithm>
#include <deque>
#include <vector>

namespace arvento::chords {

namespace {

constexpr std::string_view kPauseList = "P-";
constexpr std::size_t kStrings = 6;
constexpr std::size_t kReach = 4; // the highest fret a voicing uses
constexpr int kFillPasses = 10;
constexpr int kFree = -1;
constexpr std::size_t kNamedRows = 12; // rows 0 to 11 of the tone table hold every name in every column

std::vector<std::string> SplitNoteList(const std::string& noteList) {
  std::vector<std::string> names;
  std::size_t start = 0;
  for (std::size_t dash = noteList.find('-'); dash != std::string::npos; dash = noteList.find('-', start)) {
    names.push_back(noteList.substr(start, dash - start));
    start = dash + 1;
  }
  if (start < noteList.size())
    names.push_back(noteList.substr(start));
  if (names.empty())
    throw Error(Tr("пустой список нот аккорда"));
  return names;
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return UpperLetter(x) == UpperLetter(y); });
}

// The fret of a string under each string index; kFree while it holds no note.
class Fingering {
public:
  Fingering() { frets_.fill(kFree); }

  bool Free(std::size_t string) const { return frets_[string] == kFree; }
  bool Full() const {
    return std::none_of(frets_.begin(), frets_.end(), [](int fret) { return fret == kFree; });
  }
  void Place(std::size_t string, std::size_t fret) { frets_[string] = static_cast<int>(fret); }

  // The fret 0..kReach of a string that sounds the name, or kFree.
  static int FretFor(std::size_t string, std::string_view name) {
    for (std::size_t fret = 0; fret <= kReach; ++fret) {
      if (FretName(string, fret) == name)
        return static_cast<int>(fret);
    }
    return kFree;
  }

  // From string 6 down to string 1, the prefix before the first note.
  std::string Text(const std::string& prefix) const {
    std::string text;
    for (std::size_t string = kStrings; string-- > 0;) {
      if (Free(string))
        continue;
      text += text.empty() ? prefix : std::string("0");
      text += fretNoteTable[string][static_cast<std::size_t>(frets_[string])];
      text += ", ";
    }
    return text;
  }

private:
  std::array<int, kStrings> frets_;
};

// One fill pass: each free string takes the first note of the work list if
// one of its frets sounds it. After a string takes a note the pass resumes at
// string 2, not string 1, which is how the fingerings come out as they do.
void FillPass(Fingering& fingering, std::deque<std::string>& work, std::deque<std::string>& backup) {
  std::size_t string = 0;
  while (string < kStrings) {
    if (!fingering.Free(string) || work.empty()) {
      ++string;
      continue;
    }
    const int fret = Fingering::FretFor(string, work.front());
    if (fret == kFree) {
      ++string;
      continue;
    }
    fingering.Place(string, static_cast<std::size_t>(fret));
    work.pop_front();
    backup.push_back(backup.front());
    backup.pop_front();
    string = 1;
  }
  if (!work.empty())
    work.pop_front();
}

} // namespace

std::string ChordNoteList(const std::string& symbol, bool guitar) {
  if (!symbol.empty() && (symbol.front() == 'P' || symbol.front() == 'p'))
    return std::string(kPauseList);
  std::string raised = symbol;
  if (!raised.empty())
    raised.front() = UpperLetter(raised.front());
  std::vector<std::string> names = SplitNoteList(ChordToneNames(raised) + "-");
  if (guitar)
    std::reverse(names.begin(), names.end());
  std::string list;
  for (const std::string& name : names)
    list += name + "-";
  return list;
}

std::string PianoVoicing(const std::string& prefix, const std::string& noteList) {
  if (noteList == kPauseList)
    return prefix + "P,";
  const std::vector<std::string> names = SplitNoteList(noteList);
  if (names.size() > chordToneTable[0].size())
    throw Error(Tr("для фортепиано в аккорде больше семи нот: %1", Escaped(noteList)));
  std::string text;
  for (std::size_t column = 0; column < names.size(); ++column) {
    // Purely by position: the k-th note is looked up in the k-th column,
    // whatever interval it is (the D of C9 gets the seventh's octave).
    std::size_t row = 0;
    while (row < kNamedRows && !SameNameIgnoringCase(chordToneTable[row][column], names[column]))
      ++row;
    if (row == kNamedRows)
      throw Error(Tr("неизвестная нота %1 в аккорде %2", Quoted(names[column]), Escaped(noteList)));
    text += column == 0 ? prefix : std::string("0");
    text += names[column] + std::to_string(chordOctaveTable[row][column]) + ", ";
  }
  return text;
}

std::string GuitarVoicing(const std::string& prefix, const std::string& noteList) {
  if (noteList == kPauseList)
    return prefix + "P,";
  const std::vector<std::string> names = SplitNoteList(noteList);
  Fingering fingering;

  // Reach pass: each note on the first free string that has it within reach.
  for (const std::string& name : names) {
    for (std::size_t string = 0; string < kStrings; ++string) {
      const int fret = Fingering::FretFor(string, name);
      if (fingering.Free(string) && fret != kFree) {
        fingering.Place(string, static_cast<std::size_t>(fret));
        break;
      }
    }
  }
  // Open-string pass: each note on the first free string tuned to it.
  for (const std::string& name : names) {
    for (std::size_t string = 0; string < kStrings; ++string) {
      if (fingering.Free(string) && FretName(string, 0) == name) {
        fingering.Place(string, 0);
        break;
      }
    }
  }
  // Fill passes double chord tones on the strings still free.
  if (!fingering.Full()) {
    std::deque<std::string> work(names.begin(), names.end());
    std::deque<std::string> backup = work;
    for (int pass = 0; pass < kFillPasses && !fingering.Full(); ++pass) {
      FillPass(fingering, work, backup);
      if (work.empty())
        work = backup;
    }
  }
  return fingering.Text(prefix);
}

std::string VoiceChord(const std::string& prefix, const std::string& symbol, bool guitar) {
  const std::string noteList = ChordNoteList(symbol, guitar);
  return guitar ? GuitarVoicing(prefix, noteList) : PianoVoicing(prefix, noteList);
}

} // namespace arvento::chords
