#include "export/SoundEnd.h"

#include <cmath>

namespace arvento::exporting {

std::optional<SoundEnd> FindSoundEnd(std::span<const float> interleavedStereo, std::size_t lastNoteOffFrame,
                                     int sampleRate, float silence) {
  const std::size_t frames = interleavedStereo.size() / 2;
  const auto quietFrames = static_cast<std::size_t>(std::lround(kQuietSeconds * sampleRate));
  const std::size_t limit =
      lastNoteOffFrame + static_cast<std::size_t>(std::lround(kMaxRingSeconds * sampleRate));
  std::size_t quietSince = lastNoteOffFrame;
  for (std::size_t frame = lastNoteOffFrame; frame < frames && frame < limit; ++frame) {
    if (std::fabs(interleavedStereo[2 * frame]) >= silence ||
        std::fabs(interleavedStereo[2 * frame + 1]) >= silence)
      quietSince = frame + 1;
    else if (frame + 1 - quietSince == quietFrames)
      return SoundEnd{frame + 1, true};
  }
  if (frames >= limit)
    return SoundEnd{limit, false};
  return std::nullopt;
}

float SilenceInRendering(double gainDb) {
  constexpr double kMarginDb = 1;
  return static_cast<float>(kSilence * std::pow(10.0, -(gainDb + kMarginDb) / 20));
}

} // namespace arvento::exporting
