#include "export/ExportSound.h"

#include "core/Translate.h"
#include "export/Rendering.h"
#include "export/SoundEnd.h"
#include "export/backends/Codec.h"
#include "export/backends/LoudnessMeter.h"
#include "export/backends/Tagger.h"
#include "project/AtomicFile.h"

#include <algorithm>
#include <string>

namespace fs = std::filesystem;

namespace arvento::exporting {

namespace {

// A louder file rings longer before it falls silent, and the longer tail
// lowers its loudness: the two are settled in turn, a few times at most.
constexpr int kMaxSettlings = 4;
// When the decoded peaks of a lossy file still pass the ceiling, the level is
// lowered by the overshoot and this much more, and the sound encoded again,
// a few times at most.
constexpr double kPeakMarginDb = 0.1;
constexpr int kMaxEncodes = 4;

// The cut of the rendering where anything below the silence after the last
// note-off is taken for the end of the sound. The rendering went on until the
// sound stayed below kRenderSilence, so a silence no quieter than that always
// finds its end within it; a gain of more than 60 dB hears that much of the tail.
Cut CutAt(const Rendering& rendering, float silence, const CutRequest& request) {
  const SoundEnd end = FindSoundEnd(rendering.samples, rendering.lastNoteOff, rendering.sampleRate,
                                    std::max(silence, kRenderSilence))
                           .value();
  return ChooseCut(end.frame, end.quiet, rendering.sampleRate, request);
}

// The integrated loudness of the cut as it will sound, faded. Only the fade's
// frames are copied: the cut of a long sound is measured where it lies.
double CutLoudness(const Rendering& rendering, const Cut& cut) {
  const std::span<const float> frames = std::span(rendering.samples).subspan(cut.first * 2, cut.frames * 2);
  const std::span<const float> body = frames.first((cut.frames - cut.fadeFrames) * 2);
  std::vector<float> fade(frames.begin() + static_cast<std::ptrdiff_t>(body.size()), frames.end());
  FadeOut(fade, cut.fadeFrames);
  return IntegratedLoudness({body, fade}, rendering.sampleRate);
}

// The cut's frames, faded where they lie: the rendering is read no more.
std::span<float> TakeCut(Rendering& rendering, const Cut& cut) {
  const std::span<float> frames = std::span(rendering.samples).subspan(cut.first * 2, cut.frames * 2);
  FadeOut(frames, cut.fadeFrames);
  return frames;
}

struct Leveled {
  Cut cut;
  Loudness loudness; // of the cut, faded, before the gain
  double gain = 0;
};

// The cut and the gain that brings it to the target loudness without its
// true peak passing the ceiling less the headroom. The end of the sound is
// where the file, at its level, falls silent. The true peak is the
// rendering's, over the longest cut any level could give, unfaded: what the
// fade and the shorter tails leave out only lowers it.
Leveled Level(const Rendering& rendering, const CutRequest& request, double target, double headroomDb) {
  Leveled leveled;
  leveled.cut = CutAt(rendering, SilenceInRendering(0), request);
  for (int settling = 1;; ++settling) {
    leveled.loudness = {CutLoudness(rendering, leveled.cut), rendering.truePeak};
    leveled.gain = GainToTarget(leveled.loudness, target, kTruePeakCeiling - headroomDb);
    const Cut settled = CutAt(rendering, SilenceInRendering(leveled.gain), request);
    if (settled.frames == leveled.cut.frames || settling == kMaxSettlings)
      return leveled;
    leveled.cut = settled;
  }
}

struct Encoded {
  std::vector<std::uint8_t> file;
  std::optional<Loudness> loudness;
};

// Encodes the sound at the gain, lowered until the true peak of the file as a
// player decodes it is at most at the ceiling. The integrated loudness is the
// sound's at the gain: a lossy encoder keeps it to a few hundredths of a LU,
// while its peaks can rise by tenths of a dB.
Encoded EncodeAtGain(std::span<float> samples, const Leveled& leveled, int sampleRate, AudioFormat format,
                     const Progress& progress) {
  double gain = leveled.gain;
  double applied = 0;
  for (int encodes = 1;; ++encodes) {
    ApplyGain(samples, gain - applied);
    applied = gain;
    const Progress encoding = progress.Part(0, 0.8);
    // A lossless file holds the sound as it was given, but for the 16-bit
    // rounding that the format's headroom allows for.
    if (!Info(format).lossy)
      return {Encode(format, samples, sampleRate, encoding), WithGain(leveled.loudness, gain)};
    CheckedFile checked = EncodeChecked(format, samples, sampleRate, encoding);
    Encoded encoded{std::move(checked.bytes),
                    Loudness{WithGain(leveled.loudness, gain).integrated, checked.truePeak}};
    if (checked.truePeak <= kTruePeakCeiling || encodes == kMaxEncodes)
      return encoded;
    gain -= checked.truePeak - kTruePeakCeiling + kPeakMarginDb;
  }
}

std::string LimitNotice(const FormatInfo& format) {
  return Tr("Рингтон .%1 длится не более %2 с: звук обрезан на %2-й секунде с затуханием", format.name,
            static_cast<int>(format.maxSeconds));
}

} // namespace

ExportReport ExportMidiFile(const fs::path& midiFile, const fs::path& out, const ExportOptions& options,
                            const Progress& progress) {
  const FormatInfo& format = Info(options.format);
  CutRequest request = options.cut;
  request.maxSeconds = format.maxSeconds;
  const std::optional<CutRequest> peakOf = options.loudness ? std::optional(request) : std::nullopt;
  Rendering rendering = RenderToSilence(midiFile, options.soundFont, peakOf, progress.Part(0, 0.45));
  ExportReport report;
  Encoded encoded;
  Cut cut;
  if (options.loudness) {
    const Leveled leveled = Level(rendering, request, *options.loudness, format.peakHeadroomDb);
    cut = leveled.cut;
    encoded = EncodeAtGain(TakeCut(rendering, cut), leveled, rendering.sampleRate, options.format,
                           progress.Part(0.45, 0.99));
  } else {
    cut = CutAt(rendering, SilenceInRendering(0), request);
    encoded.file =
        Encode(options.format, TakeCut(rendering, cut), rendering.sampleRate, progress.Part(0.45, 0.99));
  }
  report.seconds = static_cast<double>(cut.frames) / rendering.sampleRate;
  report.loudness = encoded.loudness;
  if (cut.limited)
    report.notices.push_back(LimitNotice(format));
  const std::string title = options.title.value_or(out.stem().string());
  if (!title.empty() || options.loop)
    WriteTags(encoded.file, options.format, {title, options.loop});
  // The last word before the file is written: a cancel up to here writes nothing.
  progress.Report(1);
  project::WriteFileAtomically(out, encoded.file);
  return report;
}

} // namespace arvento::exporting
