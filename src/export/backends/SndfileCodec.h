#pragma once

#include "export/AudioFormat.h"
#include "export/Progress.h"

#include <cstdint>
#include <span>
#include <vector>

namespace arvento::exporting {

// WAV and FLAC (16-bit), Ogg Vorbis and MP3 through libsndfile, in memory.
// The encoder reports its progress and stops when told (Cancelled); both
// throw arvento::Error with libsndfile's reason.
std::vector<std::uint8_t> EncodeWithSndfile(AudioFormat format, std::span<const float> interleavedStereo,
                                            int sampleRate, const Progress& progress);
// The samples of such a file, left and right side by side.
std::vector<float> DecodeWithSndfile(std::span<const std::uint8_t> file);

} // namespace arvento::exporting
