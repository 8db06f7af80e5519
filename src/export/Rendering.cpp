#include "export/Rendering.h"

#include "core/Error.h"
#include "export/SoundEnd.h"
#include "midi/SmfReader.h"
#include "midi/SmfTiming.h"
#include "player/MidiRenderer.h"
#include "project/AtomicFile.h"

#include <cmath>

namespace fs = std::filesystem;

namespace arvento::exporting {

namespace {

// Rendering goes on in slices of 10 ms.
constexpr std::size_t kSliceFrames = 441;
// A telephone melody lasts seconds; a file whose notes play for longer than
// this is taken for a broken one rather than rendered.
constexpr double kMaxMusicSeconds = 600;

double LastNoteEnd(const fs::path& midiFile) {
  const std::vector<std::uint8_t> bytes = project::ReadFileBytes(midiFile);
  double seconds = 0;
  try {
    seconds = midi::ReadSmfTimes(midi::ReadSmf(bytes)).lastNoteEnd;
  } catch (const Error& error) {
    throw Error(midiFile.string() + ": " + error.what());
  }
  if (seconds > kMaxMusicSeconds)
    throw Error(midiFile.string() + ": ноты звучат дольше " +
                std::to_string(static_cast<int>(kMaxMusicSeconds / 60)) + " минут");
  return seconds;
}

} // namespace

Rendering RenderToSilence(const fs::path& midiFile, const std::string& soundFont, const Progress& progress) {
  const double lastNoteEnd = LastNoteEnd(midiFile);
  player::MidiRenderer renderer(midiFile.string(), soundFont);
  Rendering rendering{renderer.SampleRate(), {}, 0};
  const int rate = rendering.sampleRate;
  rendering.lastNoteOff = static_cast<std::size_t>(std::llround(lastNoteEnd * rate));
  std::vector<float>& samples = rendering.samples;
  samples.reserve((rendering.lastNoteOff + static_cast<std::size_t>(kMaxRingSeconds * rate) + kSliceFrames) *
                  2);
  // Most releases end within a second of the last note-off.
  const auto expectedFrames = static_cast<double>(rendering.lastNoteOff + static_cast<std::size_t>(rate));
  std::vector<float> slice(kSliceFrames * 2);
  for (;;) {
    renderer.Render(slice);
    samples.insert(samples.end(), slice.begin(), slice.end());
    progress.Report(static_cast<double>(samples.size() / 2) / expectedFrames);
    if (samples.size() / 2 >= rendering.lastNoteOff &&
        FindSoundEnd(samples, rendering.lastNoteOff, rate, kRenderSilence))
      return rendering;
  }
}

} // namespace arvento::exporting
