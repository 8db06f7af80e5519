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

// A lossy file and the true peak in dBTP of the sound a player decodes from
// it. An Ogg Vorbis file is decoded and measured while it is encoded.
struct CheckedFile {
  std::vector<std::uint8_t> bytes;
  double truePeak = 0;
};
CheckedFile EncodeChecked(AudioFormat format, std::span<const float> interleavedStereo, int sampleRate,
                          const Progress& progress);

} // namespace arvento::exporting
