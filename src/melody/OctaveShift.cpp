#include "melody/OctaveShift.h"

#include "core/Digits.h"
#include "core/NoteNames.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <optional>
#include <utility>

namespace arvento::melody {

namespace {
struct OctaveSpan {
  std::size_t start; // first digit of the octave number
  int octave;
  int pitchClass;
};

// The note name and octave that end the token before the comma at `comma`,
// as producers write them: name, optional "#", optional dot, octave digits.
std::optional<OctaveSpan> OctaveBefore(const std::string& line, std::size_t comma) {
  std::size_t start = comma;
  while (start > 0 && IsDigit(line[start - 1]))
    --start;
  const std::size_t digits = comma - start;
  if (digits == 0 || digits > 9)
    return std::nullopt;
  std::size_t nameEnd = start;
  if (nameEnd > 0 && line[nameEnd - 1] == '.')
    --nameEnd;
  if (nameEnd == 0)
    return std::nullopt;
  const std::size_t nameSize = line[nameEnd - 1] == '#' ? 2 : 1;
  if (nameEnd < nameSize)
    return std::nullopt;
  const int pitchClass = PitchClass(std::string_view(line).substr(nameEnd - nameSize, nameSize));
  if (pitchClass < 0)
    return std::nullopt;
  return OctaveSpan{start, std::stoi(line.substr(start, digits)), pitchClass};
}

// A rest has no octave, dotted (8p.) or not; neither has the silent note P.
bool IsRestOrSilent(const std::string& line, std::size_t comma) {
  std::size_t end = comma;
  if (end > 0 && line[end - 1] == '.')
    --end;
  return end > 0 && (line[end - 1] == 'p' || line[end - 1] == 'P');
}

std::string TokenBefore(const std::string& line, std::size_t comma) {
  const std::size_t previous = comma == 0 ? std::string::npos : line.rfind(',', comma - 1);
  std::size_t start = previous == std::string::npos ? 0 : previous + 1;
  while (start < comma && line[start] == ' ')
    ++start;
  return line.substr(start, comma - start);
}

// Writes the shifted line into `shifted`; returns why the line cannot be
// shifted, empty when it can.
std::string ShiftLine(const std::string& line, std::size_t lineNumber, int octaves, std::string& shifted) {
  shifted.clear();
  std::size_t copied = 0;
  for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', comma + 1)) {
    if (IsRestOrSilent(line, comma))
      continue;
    const std::optional<OctaveSpan> span = OctaveBefore(line, comma);
    if (!span)
      return Tr("Октава не изменена: строка %1, элемент %2 не кончается нотой с октавой", lineNumber,
                Quoted(TokenBefore(line, comma)));
    const int octave = span->octave + octaves;
    if (octave < 1 || span->pitchClass + (octave - 1) * 12LL > 127)
      return Tr("Октава не изменена: строка %1, элемент %2: нота вышла бы за пределы c1..g11", lineNumber,
                Quoted(TokenBefore(line, comma)));
    shifted += line.substr(copied, span->start - copied) + std::to_string(octave);
    copied = comma;
  }
  shifted += line.substr(copied);
  return {};
}
} // namespace

Outcome<std::vector<std::string>> ShiftMelodyOctave(const std::vector<std::string>& lines, int octaves) {
  std::vector<std::string> result;
  result.reserve(lines.size());
  std::string shifted;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.find(',') == std::string::npos || line.find("//") != std::string::npos) {
      result.push_back(line);
      continue;
    }
    if (std::string refusal = ShiftLine(line, i + 1, octaves, shifted); !refusal.empty())
      return Refusal(std::move(refusal));
    result.push_back(shifted);
  }
  return result;
}

Outcome<KeyboardRecording> ShiftRecordingOctave(const KeyboardRecording& recording, int octaves) {
  std::vector<int> pitches = recording.recordedNotes();
  for (int& pitch : pitches) {
    const int moved = pitch + 12 * octaves;
    if (moved < 1 || moved > 127)
      return Refusal(Tr("Октава не изменена: записанная нота %1 вышла бы за пределы 1..127", pitch));
    pitch = moved;
  }
  return KeyboardRecording(std::move(pitches));
}

} // namespace arvento::melody
