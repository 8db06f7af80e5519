#include "export/backends/LoudnessMeter.h"

#include "core/Error.h"
#include "core/Translate.h"

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
using State = std::unique_ptr<ebur128_state, MeterDeleter>;

State NewMeter(unsigned channels, int sampleRate, int mode) {
  State meter(ebur128_init(channels, static_cast<unsigned long>(sampleRate), mode));
  if (!meter)
    throw Error(Tr("Не удалось начать измерение громкости"));
  return meter;
}

void Check(int result) {
  if (result != EBUR128_SUCCESS)
    throw Error(Tr("Не удалось измерить громкость звука"));
}

// The true peak of one channel, as a sample value.
double ChannelPeak(std::span<const float> interleavedStereo, std::size_t channel, int sampleRate) {
  std::vector<float> samples(interleavedStereo.size() / 2);
  for (std::size_t frame = 0; frame < samples.size(); ++frame)
    samples[frame] = interleavedStereo[2 * frame + channel];
  const State meter = NewMeter(1, sampleRate, EBUR128_MODE_TRUE_PEAK);
  Check(ebur128_add_frames_float(meter.get(), samples.data(), samples.size()));
  double peak = 0;
  Check(ebur128_true_peak(meter.get(), 0, &peak));
  return peak;
}

} // namespace

double IntegratedLoudness(std::initializer_list<std::span<const float>> pieces, int sampleRate) {
  const State meter = NewMeter(2, sampleRate, EBUR128_MODE_I);
  for (const std::span<const float> piece : pieces)
    Check(ebur128_add_frames_float(meter.get(), piece.data(), piece.size() / 2));
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

struct TruePeakFollower::Meter {
  State state;
};

TruePeakFollower::TruePeakFollower(int sampleRate)
    : meter_(std::make_unique<Meter>(Meter{NewMeter(2, sampleRate, EBUR128_MODE_TRUE_PEAK)})),
      thread_([this] { Measure(); }) {}

// Unfinished, as when the rendering was cancelled, what is left unmeasured is dropped.
TruePeakFollower::~TruePeakFollower() {
  {
    const std::lock_guard lock(mutex_);
    pending_.clear();
    finishing_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable())
    thread_.join();
}

void TruePeakFollower::Add(std::span<const float> interleavedStereo) {
  {
    const std::lock_guard lock(mutex_);
    pending_.emplace_back(interleavedStereo.begin(), interleavedStereo.end());
  }
  wake_.notify_one();
}

void TruePeakFollower::Measure() {
  for (;;) {
    std::vector<float> piece;
    {
      std::unique_lock lock(mutex_);
      wake_.wait(lock, [this] { return finishing_ || !pending_.empty(); });
      if (pending_.empty())
        return;
      piece = std::move(pending_.front());
      pending_.pop_front();
    }
    // After a failure the pieces are only taken, so that Finish does not wait for ever.
    if (!failure_ &&
        ebur128_add_frames_float(meter_->state.get(), piece.data(), piece.size() / 2) != EBUR128_SUCCESS)
      failure_ = std::make_exception_ptr(Error(Tr("Не удалось измерить громкость звука")));
  }
}

double TruePeakFollower::Finish() {
  {
    const std::lock_guard lock(mutex_);
    finishing_ = true;
  }
  wake_.notify_one();
  thread_.join();
  if (failure_)
    std::rethrow_exception(failure_);
  double left = 0, right = 0;
  Check(ebur128_true_peak(meter_->state.get(), 0, &left));
  Check(ebur128_true_peak(meter_->state.get(), 1, &right));
  return 20 * std::log10(std::max(left, right));
}

} // namespace arvento::exporting
