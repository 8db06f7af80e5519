#pragma once

#include <condition_variable>
#include <deque>
#include <exception>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

namespace arvento::exporting {

// Stereo sound, left and right samples side by side, measured by libebur128
// as EBU R128 says: the integrated loudness in LUFS of the pieces played one
// after the other, the true peak in dBTP, both minus infinity for silence.
double IntegratedLoudness(std::initializer_list<std::span<const float>> pieces, int sampleRate);
double TruePeak(std::span<const float> interleavedStereo, int sampleRate);

// The true peak of stereo sound handed over piece by piece, measured on a
// thread of its own while the caller goes on making the sound.
class TruePeakFollower {
public:
  explicit TruePeakFollower(int sampleRate);
  ~TruePeakFollower();

  void Add(std::span<const float> interleavedStereo);
  // The true peak in dBTP of all that was added, once it has been measured.
  double Finish();

private:
  void Measure();

  struct Meter;
  std::unique_ptr<Meter> meter_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<std::vector<float>> pending_;
  bool finishing_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

} // namespace arvento::exporting
