#pragma once

// What the AAC module (AacFfmpeg.cpp, built as a module of its own) hands to
// the export that loads it: its two functions, and what they throw when the
// sound cannot be encoded or decoded.

#include "export/Progress.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace arvento::exporting {

// The module has no translator of its own: it names a failure by its source
// text, with %1 where FFmpeg's reason goes, and the export that loaded it
// shows the text translated.
struct AacFailure {
  const char* message;
  std::string reason; // empty when FFmpeg gave none
};

struct AacModuleEntry {
  std::vector<std::uint8_t> (*encode)(std::span<const float> interleavedStereo, int sampleRate,
                                      const Progress& progress);
  std::vector<float> (*decode)(std::span<const std::uint8_t> file);
};

} // namespace arvento::exporting

// The one symbol the module exports, found by name.
extern "C" const arvento::exporting::AacModuleEntry* ArventoAacModule();
