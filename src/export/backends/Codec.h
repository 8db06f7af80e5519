#pragma once

#include "export/AudioFormat.h"
#include "export/Progress.h"

#include <cstdint>
#include <span>
#include <vector>

namespace arvento::exporting {

// The file of a format in memory from stereo sound, left and right samples
// side by side, through the library that writes that format.
std::vector<std::uint8_t> Encode(AudioFormat format, std::span<const float> interleavedStereo, int sampleRate,
                                 const Progress& progress);

// The sound of such a file, as a player would hear it.
std::vector<float> Decode(AudioFormat format, std::span<const std::uint8_t> file);

} // namespace arvento::exporting
