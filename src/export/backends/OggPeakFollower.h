#pragma once

#include "export/backends/LoudnessMeter.h"

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>
#include <vector>

struct OggVorbis_File;

namespace arvento::exporting {

// The true peak of an Ogg Vorbis file as a player decodes it, measured while
// the encoder is still writing the file: the bytes are handed over as they
// are written, a thread decodes them with libvorbisfile and the true-peak
// meter measures the sound on a thread of its own. The check of a lossy file
// then costs no time after its encoding.
class OggPeakFollower {
public:
  explicit OggPeakFollower(int sampleRate);
  // Unfinished, as when the encoding failed or was cancelled, the decoding
  // stops where the bytes end.
  ~OggPeakFollower();

  // The next bytes of the file.
  void Add(std::span<const std::uint8_t> bytes);
  // The true peak in dBTP of the whole file, once it is decoded and measured.
  // Throws arvento::Error when the bytes are not a stereo Ogg Vorbis stream.
  double Finish();

private:
  void Decode();
  void DecodeInto(OggVorbis_File& file);
  void End();
  static std::size_t Read(void* to, std::size_t size, std::size_t count, void* self);

  TruePeakFollower peak_;
  std::mutex mutex_;
  std::condition_variable more_;
  std::vector<std::uint8_t> bytes_;
  std::size_t taken_ = 0; // bytes the decoder has read
  bool ended_ = false;
  bool decoded_ = false; // the whole stream decoded, as stereo
  std::thread thread_;
};

} // namespace arvento::exporting
