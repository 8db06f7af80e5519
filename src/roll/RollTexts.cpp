#include "roll/RollTexts.h"

#include "core/InstrumentNames.h"
#include "core/Translate.h"
#include "melody/NoteSpelling.h"

#include <cstdio>

namespace arvento::roll {

namespace {

constexpr const char* kTrackLabel = TrLater("%1 · канал %2 · %3");

std::string_view Instrument(const midi::SmfNoteTrack& track) {
  return track.channel == midi::kDrumChannel ? kFamilyNames[kDrumFamily]
                                             : kInstrumentCaptions[static_cast<std::size_t>(track.program)];
}

} // namespace

std::string TrackLabel(const midi::SmfNoteTrack& track) {
  return Tr(kTrackLabel, track.number, track.channel, Instrument(track));
}

std::string WrittenTrackLabel(const midi::SmfNoteTrack& track) {
  return FillPlaceholders(kTrackLabel,
                          {std::to_string(track.number), std::to_string(track.channel), Instrument(track)});
}

std::string BarsAndBeats(std::uint32_t tick, int division) {
  const int quarter = QuarterTicks(division);
  if (quarter == 0)
    return Tr("тик %1", tick);
  const std::uint32_t bar = 4 * static_cast<std::uint32_t>(quarter);
  // The beat to two decimals, without the zeros at their end.
  char beat[32];
  std::snprintf(beat, sizeof beat, "%.2f", static_cast<double>(tick % bar) / quarter + 1);
  std::string text = beat;
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.')
    text.pop_back();
  return Tr("такт %1, доля %2", tick / bar + 1, text);
}

std::string DescribeNote(const midi::SmfNote& note, int trackNumber, int division) {
  return Tr("%1, %2, громкость %3, дорожка %4", melody::SpellNoteToken(note.end - note.start, note.key),
            BarsAndBeats(note.start, division), note.velocity, trackNumber);
}

} // namespace arvento::roll
