#include "chords/AccompanimentCompiler.h"

#include "midi/PartFile.h"

namespace arvento::chords {

std::vector<std::uint8_t> CompileAccompaniment(const std::vector<std::string>& lines,
                                               const AccompanimentSettings& settings,
                                               const SoundSettings& sound, AccompanimentResult* details) {
  AccompanimentResult own;
  AccompanimentResult& result = details != nullptr ? *details : own;
  result = ExpandChordLines(lines, settings);
  result.events = AccompanimentEvents(result.expandedChords, settings, sound.channel, sound.volume);
  return midi::PartFileFromEvents(sound, result.events);
}

} // namespace arvento::chords
