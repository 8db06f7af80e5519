#pragma once

// The window of a rendering that goes into the file, and the fade that ends
// a window cut inside the sound.

#include <cstddef>
#include <optional>
#include <span>

namespace arvento::exporting {

inline constexpr double kDefaultFadeSeconds = 0.5;

struct CutRequest {
  double start = 0;               // seconds from the start of the sound
  std::optional<double> length{}; // seconds; to the end of the sound when absent
  double fade = kDefaultFadeSeconds;
  double maxSeconds = 0; // the format's limit; 0 for none
};

struct Cut {
  std::size_t first = 0;
  std::size_t frames = 0;
  std::size_t fadeFrames = 0; // the last frames fade to silence; 0 when the cut ends where the sound does
  bool limited = false;       // shortened to the format's limit
};

// The frames of the sound to write. A cut that ends before the sound, or at
// an end where the sound still rang (soundEndsQuiet false), fades out over
// its last `fade` seconds, or over the whole cut when that is shorter.
// Throws arvento::Error when the start is not before the end of the sound
// or the cut holds no frame.
Cut ChooseCut(std::size_t soundFrames, bool soundEndsQuiet, int sampleRate, const CutRequest& request);

// Lowers the last fadeFrames frames of the sound, left and right samples side
// by side, from full level to silence at the last frame.
void FadeOut(std::span<float> interleavedStereo, std::size_t fadeFrames);

} // namespace arvento::exporting
