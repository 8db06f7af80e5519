#include "export/ExportSound.h"

#include "core/Error.h"
#include "export/SoundEnd.h"
#include "export/backends/Codec.h"
#include "export/backends/LoudnessMeter.h"
#include "export/backends/Tagger.h"
#include "midi/SmfReader.h"
#include "midi/SmfTiming.h"
#include "player/MidiRenderer.h"
#include "project/AtomicFile.h"

#include <algorithm>
#include <cmath>

namespace fs = std::filesystem;

namespace arvento::exporting {

namespace {

// Rendering goes on in slices of 10 ms.
constexpr std::size_t kSliceFrames = 441;
// A telephone melody lasts seconds; a file whose notes play for longer than
// this is taken for a broken one rather than rendered.
constexpr double kMaxMusicSeconds = 600;
// The rendering follows the sound after the last note-off down to −120 dBFS,
// so that a gain of up to 60 dB still finds where it falls below kSilence.
constexpr float kRenderSilence = 1e-6f;
// When the decoded peaks of a lossy file still pass the ceiling, the level is
// lowered by the overshoot and this much more, and the sound encoded again,
// a few times at most.
constexpr double kPeakMarginDb = 0.1;
constexpr int kMaxEncodes = 4;

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

struct Rendering {
  int sampleRate = 0;
  std::vector<float> samples;
  std::size_t lastNoteOff = 0; // frame
};

// The synthesizer plays the file until the sound after its last note has
// died away far below anything a gain could make heard.
Rendering Render(const fs::path& midiFile, const std::string& soundFont, double lastNoteEnd,
                 const Progress& progress) {
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

struct Sound {
  std::vector<float> samples;
  bool limited = false; // cut at the format's limit
};

// The cut of the rendering, with its fade, where anything below the silence
// after the last note-off is taken for the end.
Sound CutOut(const Rendering& rendering, float silence, const CutRequest& request) {
  const SoundEnd end = FindSoundEnd(rendering.samples, rendering.lastNoteOff, rendering.sampleRate,
                                    std::max(silence, kRenderSilence))
                           .value_or(SoundEnd{rendering.samples.size() / 2, true});
  const Cut cut = ChooseCut(end.frame, end.quiet, rendering.sampleRate, request);
  const auto first = rendering.samples.begin() + static_cast<std::ptrdiff_t>(cut.first * 2);
  Sound sound{{first, first + static_cast<std::ptrdiff_t>(cut.frames * 2)}, cut.limited};
  FadeOut(sound.samples, cut.fadeFrames);
  return sound;
}

struct Encoded {
  std::vector<std::uint8_t> file;
  std::optional<Loudness> loudness;
};

// Encodes the sound at the gain, lowered until the true peak of the file as a
// player decodes it is at most at the ceiling.
Encoded EncodeAtGain(std::vector<float> samples, int sampleRate, AudioFormat format, const Loudness& measured,
                     double gain, const Progress& progress) {
  double applied = 0;
  for (int encodes = 1;; ++encodes) {
    ApplyGain(samples, gain - applied);
    applied = gain;
    Encoded encoded{Encode(format, samples, sampleRate, progress.Part(0, 0.8)), WithGain(measured, gain)};
    // A lossless file holds the sound as it was given, but for the 16-bit
    // rounding that the format's headroom allows for.
    if (!Info(format).lossy)
      return encoded;
    encoded.loudness = MeasureLoudness(Decode(format, encoded.file), sampleRate);
    if (encoded.loudness->truePeak <= kTruePeakCeiling || encodes == kMaxEncodes)
      return encoded;
    gain -= encoded.loudness->truePeak - kTruePeakCeiling + kPeakMarginDb;
  }
}

// The sound cut, brought to the target loudness and encoded. The end of the
// sound is where the file, at its level, falls silent; the loudness is
// measured at the end the rendering's own level gives, and the tail that
// the gain makes longer lies far below both the relative gate of the
// loudness measure and the peaks.
Encoded CutAndEncode(const Rendering& rendering, const ExportOptions& options,
                     std::vector<std::string>& notices, double& seconds, const Progress& progress) {
  CutRequest request = options.cut;
  request.maxSeconds = Info(options.format).maxSeconds;
  Sound sound = CutOut(rendering, SilenceInRendering(0), request);
  Encoded encoded;
  if (options.loudness) {
    const Loudness measured = MeasureLoudness(sound.samples, rendering.sampleRate);
    const double gain =
        GainToTarget(measured, *options.loudness, kTruePeakCeiling - Info(options.format).peakHeadroomDb);
    sound = CutOut(rendering, SilenceInRendering(gain), request);
    seconds = static_cast<double>(sound.samples.size() / 2) / rendering.sampleRate;
    encoded = EncodeAtGain(std::move(sound.samples), rendering.sampleRate, options.format, measured, gain,
                           progress);
  } else {
    seconds = static_cast<double>(sound.samples.size() / 2) / rendering.sampleRate;
    encoded.file = Encode(options.format, sound.samples, rendering.sampleRate, progress);
  }
  if (sound.limited)
    notices.push_back("Рингтон ." + std::string(Info(options.format).name) + " длится не более " +
                      std::to_string(static_cast<int>(request.maxSeconds)) + " с: звук обрезан на " +
                      std::to_string(static_cast<int>(request.maxSeconds)) + "-й секунде с затуханием");
  return encoded;
}

} // namespace

ExportReport ExportMidiFile(const fs::path& midiFile, const fs::path& out, const ExportOptions& options,
                            const Progress& progress) {
  const double lastNoteEnd = LastNoteEnd(midiFile);
  const Rendering rendering = Render(midiFile, options.soundFont, lastNoteEnd, progress.Part(0, 0.45));
  ExportReport report;
  Encoded encoded =
      CutAndEncode(rendering, options, report.notices, report.seconds, progress.Part(0.45, 0.99));
  report.loudness = encoded.loudness;
  const std::string title = options.title.value_or(out.stem().string());
  if (!title.empty() || options.loop)
    WriteTags(encoded.file, options.format, {title, options.loop});
  // The last word before the file is written: a cancel up to here writes nothing.
  progress.Report(1);
  project::WriteFileAtomically(out, encoded.file);
  return report;
}

} // namespace arvento::exporting
