#include "export/Loudness.h"

#include <algorithm>
#include <cmath>

namespace arvento::exporting {

double GainToTarget(const Loudness& measured, double target, double ceiling) {
  if (!std::isfinite(measured.integrated) || !std::isfinite(measured.truePeak))
    return 0;
  return std::min(target - measured.integrated, ceiling - measured.truePeak);
}

Loudness WithGain(const Loudness& loudness, double gainDb) {
  return {loudness.integrated + gainDb, loudness.truePeak + gainDb};
}

void ApplyGain(std::span<float> samples, double gainDb) {
  const auto factor = static_cast<float>(std::pow(10.0, gainDb / 20));
  for (float& sample : samples)
    sample *= factor;
}

} // namespace arvento::exporting
