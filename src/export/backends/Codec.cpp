#include "export/backends/Codec.h"

#include "export/backends/AacCodec.h"
#include "export/backends/LoudnessMeter.h"
#include "export/backends/OggPeakFollower.h"
#include "export/backends/SndfileCodec.h"

namespace arvento::exporting {

std::vector<std::uint8_t> Encode(AudioFormat format, std::span<const float> interleavedStereo, int sampleRate,
                                 const Progress& progress) {
  if (format == AudioFormat::M4r)
    return EncodeAacMp4(interleavedStereo, sampleRate, progress);
  return EncodeWithSndfile(format, interleavedStereo, sampleRate, progress);
}

CheckedFile EncodeChecked(AudioFormat format, std::span<const float> interleavedStereo, int sampleRate,
                          const Progress& progress) {
  if (format == AudioFormat::Ogg) {
    OggPeakFollower peak(sampleRate);
    std::vector<std::uint8_t> bytes =
        EncodeWithSndfile(format, interleavedStereo, sampleRate, progress,
                          [&peak](std::span<const std::uint8_t> written) { peak.Add(written); });
    return {std::move(bytes), peak.Finish()};
  }
  CheckedFile checked{Encode(format, interleavedStereo, sampleRate, progress)};
  const std::vector<float> decoded =
      format == AudioFormat::M4r ? DecodeAacMp4(checked.bytes) : DecodeWithSndfile(checked.bytes);
  checked.truePeak = TruePeak(decoded, sampleRate);
  return checked;
}

} // namespace arvento::exporting
