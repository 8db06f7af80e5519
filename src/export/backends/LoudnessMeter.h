#pragma once

#include "export/Loudness.h"

#include <span>

namespace arvento::exporting {

// Stereo sound, left and right samples side by side, measured by libebur128
// as EBU R128 says: the integrated loudness in LUFS, the true peak in dBTP,
// both minus infinity for silence.
double IntegratedLoudness(std::span<const float> interleavedStereo, int sampleRate);
double TruePeak(std::span<const float> interleavedStereo, int sampleRate);
Loudness MeasureLoudness(std::span<const float> interleavedStereo, int sampleRate);

} // namespace arvento::exporting
