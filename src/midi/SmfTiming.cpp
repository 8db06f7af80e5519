#include "midi/SmfTiming.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <algorithm>
#include <map>

namespace arvento::midi {

namespace {

constexpr std::uint8_t kSetTempo = 0x51;
constexpr double kDefaultMicrosecondsPerQuarter = 500000;

// A note-on of velocity 0 is a note-off.
bool IsNoteOn(const SmfEvent& event) {
  return event.Kind() == 0x90 && event.data[1] != 0;
}

bool IsNoteOff(const SmfEvent& event) {
  return event.Kind() == 0x80 || (event.Kind() == 0x90 && event.data[1] == 0);
}

// Seconds of a tick: the ticks before it at the tempo each was played at.
class TempoMap {
public:
  explicit TempoMap(const SmfFile& file) {
    // A division with its top bit set counts frames a second (as a negative
    // byte) and ticks a frame, at one speed throughout; 29 frames stand for 29.97.
    if (file.division & 0x8000) {
      const int frames = 256 - (file.division >> 8);
      smpteSecondsPerTick_ = 1 / ((frames == 29 ? 29.97 : frames) * (file.division & 0xFF));
      return;
    }
    if (file.division == 0)
      throw Error(Tr("Файл MIDI задаёт 0 тиков на четверть"));
    division_ = file.division;
    for (const SmfTrack& track : file.tracks) {
      for (const SmfEvent& event : track.events) {
        if (event.status == 0xFF && event.metaType == kSetTempo && event.data.size() == 3)
          tempos_[event.tick] = event.data[0] << 16 | event.data[1] << 8 | event.data[2];
      }
    }
  }

  double Seconds(std::uint32_t tick) const {
    if (smpteSecondsPerTick_ > 0)
      return tick * smpteSecondsPerTick_;
    double seconds = 0;
    std::uint32_t from = 0;
    double microsecondsPerQuarter = kDefaultMicrosecondsPerQuarter;
    for (const auto& [at, tempo] : tempos_) {
      if (at >= tick)
        break;
      seconds += (at - from) * microsecondsPerQuarter / 1e6 / division_;
      from = at;
      microsecondsPerQuarter = tempo;
    }
    return seconds + (tick - from) * microsecondsPerQuarter / 1e6 / division_;
  }

private:
  double smpteSecondsPerTick_ = 0;
  int division_ = 0;
  std::map<std::uint32_t, double> tempos_; // microseconds a quarter from each tick on
};

} // namespace

SmfTimes ReadSmfTimes(const SmfFile& file) {
  const TempoMap tempo(file);
  std::uint32_t lastNoteOff = 0, lastEvent = 0;
  // Note-ons less note-offs of each channel and key, over the whole file:
  // a note may start in one track and end in another.
  std::map<int, int> sounding;
  for (const SmfTrack& track : file.tracks) {
    for (const SmfEvent& event : track.events) {
      lastEvent = std::max(lastEvent, event.tick);
      if (IsNoteOn(event)) {
        ++sounding[(event.status & 0x0F) << 8 | event.data[0]];
      } else if (IsNoteOff(event)) {
        --sounding[(event.status & 0x0F) << 8 | event.data[0]];
        lastNoteOff = std::max(lastNoteOff, event.tick);
      }
    }
  }
  const bool leftSounding =
      std::any_of(sounding.begin(), sounding.end(), [](const auto& entry) { return entry.second > 0; });
  return {tempo.Seconds(leftSounding ? lastEvent : lastNoteOff), tempo.Seconds(lastEvent)};
}

} // namespace arvento::midi
