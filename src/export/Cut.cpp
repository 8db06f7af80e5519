#include "export/Cut.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace arvento::exporting {

namespace {

std::size_t Frames(double seconds, int sampleRate) {
  return static_cast<std::size_t>(std::llround(seconds * sampleRate));
}

std::string Seconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", seconds);
  return text;
}

} // namespace

Cut ChooseCut(std::size_t soundFrames, bool soundEndsQuiet, int sampleRate, const CutRequest& request) {
  Cut cut;
  cut.first = Frames(request.start, sampleRate);
  if (cut.first >= soundFrames)
    throw Error(Tr("Начало %1 с лежит за концом звука (%2 с)", Seconds(request.start),
                   Seconds(static_cast<double>(soundFrames) / sampleRate)));
  cut.frames = soundFrames - cut.first;
  if (request.length)
    cut.frames = std::min(cut.frames, Frames(*request.length, sampleRate));
  if (request.maxSeconds > 0 && cut.frames > Frames(request.maxSeconds, sampleRate)) {
    cut.frames = Frames(request.maxSeconds, sampleRate);
    cut.limited = true;
  }
  if (cut.frames == 0)
    throw Error(Tr("Длина вырезки %1 с короче одного отсчёта звука", Seconds(request.length.value_or(0))));
  const bool endsInSound = cut.first + cut.frames < soundFrames || !soundEndsQuiet;
  if (endsInSound)
    cut.fadeFrames = std::min(cut.frames, Frames(request.fade, sampleRate));
  return cut;
}

void FadeOut(std::span<float> interleavedStereo, std::size_t fadeFrames) {
  const std::size_t frames = interleavedStereo.size() / 2;
  fadeFrames = std::min(fadeFrames, frames);
  // Frame i of the fade keeps (fadeFrames - 1 - i) / fadeFrames of its level,
  // so that the last frame is silent.
  for (std::size_t i = 0; i < fadeFrames; ++i) {
    const float level = static_cast<float>(fadeFrames - 1 - i) / static_cast<float>(fadeFrames);
    const std::size_t frame = frames - fadeFrames + i;
    interleavedStereo[2 * frame] *= level;
    interleavedStereo[2 * frame + 1] *= level;
  }
}

} // namespace arvento::exporting
