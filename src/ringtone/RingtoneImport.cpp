#include "ringtone/RingtoneImport.h"

#include "core/NoteNames.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "melody/MelodyLayout.h"
#include "ringtone/ClassicRingtone.h"

#include <algorithm>

namespace arvento::ringtone {

namespace {

constexpr long long kSlowestTempo = 10;
constexpr long long kFastestTempo = 100;

// 8c#.6, or 8p. for a rest, with the comma and blank that follow every token.
std::string Token(const ClassicNote& note) {
  std::string token = std::to_string(note.length);
  if (note.pitchClass < 0)
    return token + (note.dotted ? "p., " : "p, ");
  token += NoteNames[static_cast<std::size_t>(note.pitchClass)];
  if (note.dotted)
    token += '.';
  return token + std::to_string(note.octave + kClassicOctaveOffset) + ", ";
}

} // namespace

long long TempoOfBeats(long long beats) {
  return (4 * beats + 5) / 10;
}

ImportedRingtone ImportRingtone(std::string_view line) {
  const ClassicRingtone ringtone = ReadClassicRingtone(line);
  ImportedRingtone imported;
  const long long tempo = TempoOfBeats(ringtone.beats);
  imported.tempo = static_cast<int>(std::clamp(tempo, kSlowestTempo, kFastestTempo));
  if (imported.tempo != tempo)
    imported.warnings.push_back(Tr("Мелодия %1: b=%2 дает темп %3 вне 10..100, взят темп %4",
                                   Quoted(ringtone.name), ringtone.beats, tempo, imported.tempo));
  std::string notes;
  for (const ClassicNote& note : ringtone.notes)
    notes += Token(note);
  imported.lines = melody::LayOutMelody(notes);
  imported.lines.insert(imported.lines.begin(),
                        "// " + ringtone.name + ", b=" + std::to_string(ringtone.beats));
  return imported;
}

} // namespace arvento::ringtone
