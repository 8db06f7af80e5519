#pragma once

// The level of an export: its loudness brought to a target (EBU R128
// integrated loudness) without its true peak passing a ceiling.

#include <span>

namespace arvento::exporting {

inline constexpr double kDefaultLoudnessTarget = -14; // LUFS
inline constexpr double kTruePeakCeiling = -1;        // dBTP

struct Loudness {
  double integrated = 0; // LUFS; minus infinity for silence
  double truePeak = 0;   // dBTP; minus infinity for silence
};

// The gain in dB that brings the integrated loudness to the target; when that
// gain would push the true peak above the ceiling, the lower gain that puts
// the peak on the ceiling. Silence gets no gain.
double GainToTarget(const Loudness& measured, double target, double ceiling = kTruePeakCeiling);

// The loudness of the sound after a gain: both figures move with it.
Loudness WithGain(const Loudness& loudness, double gainDb);

// Multiplies every sample by the gain.
void ApplyGain(std::span<float> samples, double gainDb);

} // namespace arvento::exporting
