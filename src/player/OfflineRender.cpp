#include "player/OfflineRender.h"

#include "core/Error.h"
#include "player/backends/FluidFilePlayer.h"
#include "player/backends/SynthEngine.h"

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
  const std::shared_ptr<SynthEngine> engine = SynthEngine::Create(soundFont, SynthEngine::Audio::Manual);
  if (!engine->HasSoundFont())
    throw Error(engine->Description());
  FluidFilePlayer player(engine);
  player.SetFileName(midiFile);
  player.Open();
  player.Play();

  const std::size_t maxFrames = kMaxSeconds * static_cast<std::size_t>(engine->SampleRate());
  std::vector<float> sound;
  std::vector<float> slice(kSliceFrames * 2);
  for (int quiet = 0; player.IsPlaying() && quiet < kSilentSlicesToEnd;) {
    if (sound.size() / 2 >= maxFrames)
      throw Error(midiFile + " plays for longer than " + std::to_string(kMaxSeconds / 60) + " minutes");
    engine->Render(slice);
    sound.insert(sound.end(), slice.begin(), slice.end());
    quiet = player.PastLastEvent() && Peak(slice) < kSilence ? quiet + 1 : 0;
  }
  return {engine->SampleRate(), ToPcm16(sound)};
}

} // namespace arvento::player
