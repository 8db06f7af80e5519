#include "export/backends/LoudnessMeter.h"

#include "core/Error.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <future>
#include <memory>
#include <vector>

namespace arvento::exporting {

namespace {

struct MeterDeleter {
  void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};
using Meter = std::unique_ptr<ebur128_state, MeterDeleter>;

Meter NewMeter(unsigned channels, int sampleRate, int mode) {
  Meter meter(ebur128_init(channels, static_cast<unsigned long>(sampleRate), mode));
  if (!meter)
    throw Error("Не удалось начать измерение громкости");
  return meter;
}

void Check(int result) {
  if (result != EBUR128_SUCCESS)
    throw Error("Не удалось измерить громкость звука");
}

// The true peak of one channel, as a sample value.
double ChannelPeak(std::span<const float> interleavedStereo, std::size_t channel, int sampleRate) {
  std::vector<float> samples(interleavedStereo.size() / 2);
  for (std::size_t frame = 0; frame < samples.size(); ++frame)
    samples[frame] = interleavedStereo[2 * frame + channel];
  const Meter meter = NewMeter(1, sampleRate, EBUR128_MODE_TRUE_PEAK);
  Check(ebur128_add_frames_float(meter.get(), samples.data(), samples.size()));
  double peak = 0;
  Check(ebur128_true_peak(meter.get(), 0, &peak));
  return peak;
}

} // namespace

double IntegratedLoudness(std::span<const float> interleavedStereo, int sampleRate) {
  const Meter meter = NewMeter(2, sampleRate, EBUR128_MODE_I);
  Check(ebur128_add_frames_float(meter.get(), interleavedStereo.data(), interleavedStereo.size() / 2));
  double loudness = 0;
  Check(ebur128_loudness_global(meter.get(), &loudness));
  return loudness;
}

// Four times oversampled, the true peak costs three times the loudness: the
// right channel is measured on a thread of its own.
double TruePeak(std::span<const float> interleavedStereo, int sampleRate) {
  std::future<double> right =
      std::async(std::launch::async, [&] { return ChannelPeak(interleavedStereo, 1, sampleRate); });
  const double left = ChannelPeak(interleavedStereo, 0, sampleRate);
  return 20 * std::log10(std::max(left, right.get()));
}

Loudness MeasureLoudness(std::span<const float> interleavedStereo, int sampleRate) {
  return {IntegratedLoudness(interleavedStereo, sampleRate), TruePeak(interleavedStereo, sampleRate)};
}

} // namespace arvento::exporting
