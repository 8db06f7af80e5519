#pragma once

#include "export/Progress.h"

#include <cstdint>
#include <span>
#include <vector>

namespace arvento::exporting {

// AAC-LC in an MPEG-4 container (the .m4r of telephone ringtones) through
// FFmpeg's libraries, in memory. FFmpeg's libraries bring a hundred more with
// them, so they sit in a module of their own that the first call loads: the
// programs start without them. The encoder reports its progress and stops
// when told (Cancelled); both throw arvento::Error with the reason, and when
// the module does not load.
std::vector<std::uint8_t> EncodeAacMp4(std::span<const float> interleavedStereo, int sampleRate,
                                       const Progress& progress);
// The samples of such a file, left and right side by side, without the
// encoder's priming samples.
std::vector<float> DecodeAacMp4(std::span<const std::uint8_t> file);

} // namespace arvento::exporting
