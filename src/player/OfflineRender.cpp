#include "player/OfflineRender.h"

#include "core/Error.h"
#include "player/MidiRenderer.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace arvento::player {

namespace {
// Rendering goes on in slices of 10 ms.
constexpr std::size_t kSliceFrames = 441;
// A telephone melody lasts seconds; a file that plays for longer than this
// is taken for a broken one rather than rendered without end.
constexpr std::size_t kMaxSeconds = 600;
// After the last event the sound is followed until 100 ms in a row stay
// below -80 dB (or the synthesizer's own wait for the last notes ends).
constexpr float kSilence = 1e-4f;
constexpr int kSilentSlicesToEnd = 10;

float Peak(std::span<const float> samples) {
  float peak = 0;
  for (float sample : samples)
    peak = std::max(peak, std::fabs(sample));
  return peak;
}
} // namespace

PcmAudio RenderMidiFile(const std::string& midiFile, const std::string& soundFont) {
  MidiRenderer renderer(midiFile, soundFont);
  const std::size_t maxFrames = kMaxSeconds * static_cast<std::size_t>(renderer.SampleRate());
  std::vector<float> sound;
  std::vector<float> slice(kSliceFrames * 2);
  for (int quiet = 0; renderer.Playing() && quiet < kSilentSlicesToEnd;) {
    if (sound.size() / 2 >= maxFrames)
      throw Error(midiFile + " plays for longer than " + std::to_string(kMaxSeconds / 60) + " minutes");
    renderer.Render(slice);
    sound.insert(sound.end(), slice.begin(), slice.end());
    quiet = renderer.PastLastEvent() && Peak(slice) < kSilence ? quiet + 1 : 0;
  }
  return {renderer.SampleRate(), ToPcm16(sound)};
}

} // namespace arvento::player
