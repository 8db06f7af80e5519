#pragma once

// What the AAC module (AacFfmpeg.cpp, built as a module of its own) hands to
// the export that loads it: its two functions.

#include "export/Progress.h"

#include <cstdint>
#include <span>
#include <vector>

namespace arvento::exporting {

struct AacModuleEntry {
  std::vector<std::uint8_t> (*encode)(std::span<const float> interleavedStereo, int sampleRate,
                                      const Progress& progress);
  std::vector<float> (*decode)(std::span<const std::uint8_t> file);
};

} // namespace arvento::exporting

// The one symbol the module exports, found by name.
extern "C" const arvento::exporting::AacModuleEntry* ArventoAacModule();
