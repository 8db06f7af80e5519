#include "export/Rendering.h"

#include "core/Error.h"
#include "core/Translate.h"
#include "export/SoundEnd.h"
#include "export/backends/LoudnessMeter.h"
#include "midi/SmfReader.h"
#include "midi/SmfTiming.h"
#include "player/MidiRenderer.h"
#include "project/AtomicFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

namespace fs = std::filesystem;

namespace arvento::exporting {

namespace {

// Rendering goes on in slices of 10 ms. Looking for the end of the sound
// takes a pass over the tail so far: it is done every tenth of a second. The
// peak meter gets a second at a time.
constexpr std::size_t kSliceFrames = 441;
constexpr std::size_t kEndCheckSlices = 10;
constexpr std::size_t kPeakPieceSlices = 100;
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
    throw Error(
        Tr("%1: ноты звучат дольше %2 минут", midiFile.string(), static_cast<int>(kMaxMusicSeconds / 60)));
  return seconds;
}

// The frames from the start of the cut on, as many as it can hold.
struct Window {
  std::size_t first = 0;
  std::size_t end = std::numeric_limits<std::size_t>::max();
};

Window PeakWindow(const CutRequest& cut, int sampleRate) {
  Window window;
  window.first = static_cast<std::size_t>(std::llround(cut.start * sampleRate));
  std::optional<double> seconds = cut.length;
  if (cut.maxSeconds > 0)
    seconds = std::min(seconds.value_or(cut.maxSeconds), cut.maxSeconds);
  if (seconds)
    window.end = window.first + static_cast<std::size_t>(std::llround(*seconds * sampleRate));
  return window;
}

} // namespace

Rendering RenderToSilence(const fs::path& midiFile, const std::string& soundFont,
                          const std::optional<CutRequest>& peakOf, const Progress& progress) {
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
  std::unique_ptr<TruePeakFollower> peak = peakOf ? std::make_unique<TruePeakFollower>(rate) : nullptr;
  const Window window = peakOf ? PeakWindow(*peakOf, rate) : Window{};
  std::size_t measured = 0; // frames handed to the peak meter or left out of its window
  const auto measure = [&] {
    const std::size_t from = std::max(measured, window.first), to = std::min(samples.size() / 2, window.end);
    if (peak && from < to)
      peak->Add(std::span(samples).subspan(from * 2, (to - from) * 2));
    measured = samples.size() / 2;
  };
  std::vector<float> slice(kSliceFrames * 2);
  for (std::size_t slices = 1;; ++slices) {
    renderer.Render(slice);
    samples.insert(samples.end(), slice.begin(), slice.end());
    progress.Report(static_cast<double>(samples.size() / 2) / expectedFrames);
    const bool ended = slices % kEndCheckSlices == 0 && samples.size() / 2 >= rendering.lastNoteOff &&
                       FindSoundEnd(samples, rendering.lastNoteOff, rate, kRenderSilence);
    if (slices % kPeakPieceSlices == 0 || ended)
      measure();
    if (ended) {
      if (peak)
        rendering.truePeak = peak->Finish();
      return rendering;
    }
  }
}

} // namespace arvento::exporting
