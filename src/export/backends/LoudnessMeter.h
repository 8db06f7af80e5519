#pragma once

#include "export/Loudness.h"

#include <span>

namespace arvento::exporting {

// The integrated loudness and the true peak of stereo sound, left and right
// samples side by side, measured by libebur128 as EBU R128 says.
Loudness MeasureLoudness(std::span<const float> interleavedStereo, int sampleRate);

} // namespace arvento::exporting
