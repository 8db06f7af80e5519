#include "export/backends/Codec.h"

#include "export/backends/AacCodec.h"
#include "export/backends/SndfileCodec.h"

namespace arvento::exporting {

std::vector<std::uint8_t> Encode(AudioFormat format, std::span<const float> interleavedStereo, int sampleRate,
                                 const Progress& progress) {
  if (format == AudioFormat::M4r)
    return EncodeAacMp4(interleavedStereo, sampleRate, progress);
  return EncodeWithSndfile(format, interleavedStereo, sampleRate, progress);
}

std::vector<float> Decode(AudioFormat format, std::span<const std::uint8_t> file) {
  if (format == AudioFormat::M4r)
    return DecodeAacMp4(file);
  return DecodeWithSndfile(file);
}

} // namespace arvento::exporting
