#pragma once

#include "export/AudioFormat.h"
#include "export/Progress.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace arvento::exporting {

// The bytes of a file as its encoder writes them, in order, each once.
using WrittenBytes = std::function<void(std::span<const std::uint8_t> bytes)>;

// WAV and FLAC (16-bit), Ogg Vorbis and MP3 through libsndfile, in memory.
// The encoder reports its progress and stops when told (Cancelled); both
// throw arvento::Error with libsndfile's reason. An Ogg Vorbis file is only
// ever appended to, so its bytes can be handed on while it is written.
std::vector<std::uint8_t> EncodeWithSndfile(AudioFormat format, std::span<const float> interleavedStereo,
                                            int sampleRate, const Progress& progress,
                                            const WrittenBytes& written = {});
// The samples of such a file, left and right side by side.
std::vector<float> DecodeWithSndfile(std::span<const std::uint8_t> file);

} // namespace arvento::exporting
