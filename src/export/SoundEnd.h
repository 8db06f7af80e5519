#pragma once

// Where a rendered tune ends: the ringtone stops where the music stops, with
// neither a long silent tail nor a clipped release.

#include <cstddef>
#include <optional>
#include <span>

namespace arvento::exporting {

// Below −60 dBFS in the written file a sound is taken for silence.
inline constexpr float kSilence = 0.001f;
inline constexpr double kQuietSeconds = 0.05;
// A release or reverb that rings for longer than this after the last
// note-off is cut.
inline constexpr double kMaxRingSeconds = 3;

struct SoundEnd {
  std::size_t frame = 0; // the first frame after the sound
  bool quiet = true;     // false when the sound still rang at the limit
};

// After the last note-off the release and reverb run on until 50 ms in a row
// stay below the silence, in samples of the rendering; the sound ends after
// those 50 ms, at most 3 s after the note-off. Nullopt while the rendering,
// left and right samples side by side, is too short to tell.
std::optional<SoundEnd> FindSoundEnd(std::span<const float> interleavedStereo, std::size_t lastNoteOffFrame,
                                     int sampleRate, float silence);

// The silence in samples of the rendering that stays below kSilence in the
// file after a gain: a rendering to be made louder is followed further. It
// keeps 1 dB below, room for the 16-bit rounding and for the noise of a
// lossy encoder.
float SilenceInRendering(double gainDb);

} // namespace arvento::exporting
