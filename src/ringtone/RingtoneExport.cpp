#include "ringtone/RingtoneExport.h"

#include "core/CommaTokens.h"
#include "core/NoteNames.h"
#include "core/NoteValues.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "melody/MelodyLines.h"
#include "melody/MelodyToken.h"
#include "ringtone/ClassicRingtone.h"

#include <algorithm>
#include <array>

namespace arvento::ringtone {

namespace {

// The notes of a token with a repeat factor: the longest values that fit, one
// after the other. Every length the compiler times is a whole number of
// thirty-seconds, so nothing is left over.
std::vector<ClassicNote> Split(long long ticks, int pitchClass, int octave) {
  std::vector<ClassicNote> notes;
  for (const NoteValue& value : kValuesLongestFirst) {
    const long long valueTicks = NoteTicks(value.length, value.dotted, 1);
    for (; ticks >= valueTicks; ticks -= valueTicks)
      notes.push_back({value.length, value.dotted, pitchClass, octave});
  }
  return notes;
}

// The most frequent length, the larger on a tie; a quarter without notes.
int DefaultLength(const std::vector<ClassicNote>& notes) {
  int best = 4;
  std::size_t bestCount = 0;
  for (const std::string_view written : NoteLengths) {
    const int length = std::stoi(std::string(written));
    const auto count = static_cast<std::size_t>(std::count_if(
        notes.begin(), notes.end(), [&](const ClassicNote& note) { return note.length == length; }));
    if (count > 0 && count >= bestCount) {
      best = length;
      bestCount = count;
    }
  }
  return best;
}

// The most frequent octave of the notes, the lower on a tie; 6 without notes.
int DefaultOctave(const std::vector<ClassicNote>& notes) {
  int best = 6;
  std::size_t bestCount = 0;
  for (int octave = kLowestClassicOctave; octave <= kHighestClassicOctave; ++octave) {
    const auto count =
        static_cast<std::size_t>(std::count_if(notes.begin(), notes.end(), [&](const ClassicNote& note) {
          return note.pitchClass >= 0 && note.octave == octave;
        }));
    if (count > bestCount) {
      best = octave;
      bestCount = count;
    }
  }
  return best;
}

std::string NoteText(const ClassicNote& note, int defaultLength, int defaultOctave) {
  std::string text = note.length == defaultLength ? "" : std::to_string(note.length);
  if (note.pitchClass < 0) {
    text += 'p';
  } else {
    text += NoteNames[static_cast<std::size_t>(note.pitchClass)];
    if (note.octave != defaultOctave)
      text += std::to_string(note.octave);
  }
  return note.dotted ? text + '.' : text;
}

} // namespace

std::string ClassicName(std::string_view name) {
  std::string kept;
  for (const char c : name) {
    if (c != ':' && c != ',' && c != '\n' && c != '\r')
      kept += c;
  }
  return kept;
}

int BeatsOfTempo(int tempo) {
  return (5 * tempo + 1) / 2;
}

ClassicExport ExportRingtone(const std::vector<std::string>& lines, std::string_view name, int tempo) {
  ClassicExport written;
  std::vector<ClassicNote> notes;
  for (std::size_t number = 1; number <= lines.size(); ++number) {
    ForEachCommaToken(melody::PlayedPart(lines[number - 1]), 1, [&](std::string_view token) {
      const melody::MelodyToken reading = melody::ReadMelodyToken(token);
      if (!reading.problem.empty())
        throw melody::TokenError(reading.problem, token, number);
      if (reading.kind == melody::MelodyToken::Kind::Silent)
        return;
      const bool rest = reading.kind == melody::MelodyToken::Kind::Rest;
      const int pitchClass = rest ? -1 : reading.key % 12;
      const int octave = rest ? 0 : reading.key / 12 + 1 - kClassicOctaveOffset;
      if (!rest && octave < kLowestClassicOctave)
        throw melody::TokenError(Tr("нота ниже c3, октавы 1 классического формата"), token, number);
      if (reading.factor == 1) {
        notes.push_back({reading.length, reading.dotted, pitchClass, octave});
        return;
      }
      const std::vector<ClassicNote> pieces = Split(reading.ticks, pitchClass, octave);
      if (!rest && pieces.size() > 1)
        written.warnings.push_back(
            Tr("Строка %1, элемент %2: в классическом формате нет лиг, нота записана %3 "
               "нотами одной высоты",
               number, Quoted(token), pieces.size()));
      notes.insert(notes.end(), pieces.begin(), pieces.end());
    });
  }
  const int defaultLength = DefaultLength(notes);
  const int defaultOctave = DefaultOctave(notes);
  written.line = ClassicName(name) + ":d=" + std::to_string(defaultLength) +
                 ",o=" + std::to_string(defaultOctave) + ",b=" + std::to_string(BeatsOfTempo(tempo)) + ":";
  for (std::size_t i = 0; i < notes.size(); ++i) {
    if (i > 0)
      written.line += ',';
    written.line += NoteText(notes[i], defaultLength, defaultOctave);
  }
  return written;
}

} // namespace arvento::ringtone
