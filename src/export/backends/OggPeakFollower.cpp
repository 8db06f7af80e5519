#include "export/backends/OggPeakFollower.h"

#include "core/Error.h"
#include "core/Translate.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>

namespace arvento::exporting {

namespace {

constexpr int kDecodeFrames = 4096;

} // namespace

OggPeakFollower::OggPeakFollower(int sampleRate) : peak_(sampleRate), thread_([this] { Decode(); }) {}

OggPeakFollower::~OggPeakFollower() {
  End();
}

void OggPeakFollower::Add(std::span<const std::uint8_t> bytes) {
  {
    const std::lock_guard lock(mutex_);
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
  }
  more_.notify_one();
}

void OggPeakFollower::End() {
  {
    const std::lock_guard lock(mutex_);
    ended_ = true;
  }
  more_.notify_one();
  if (thread_.joinable())
    thread_.join();
}

double OggPeakFollower::Finish() {
  End();
  if (!decoded_)
    throw Error(Tr("Не удалось прочитать записанный звук: %1", Tr("поток Ogg Vorbis не декодируется")));
  return peak_.Finish();
}

// libvorbisfile's reading, without seeking: waits until the encoder has
// written more, and gives 0 at the end of the file.
std::size_t OggPeakFollower::Read(void* to, std::size_t size, std::size_t count, void* self) {
  auto& follower = *static_cast<OggPeakFollower*>(self);
  std::unique_lock lock(follower.mutex_);
  follower.more_.wait(lock, [&] { return follower.ended_ || follower.taken_ < follower.bytes_.size(); });
  const std::size_t read = std::min(size * count, follower.bytes_.size() - follower.taken_);
  std::memcpy(to, follower.bytes_.data() + follower.taken_, read);
  follower.taken_ += read;
  return size == 0 ? 0 : read / size;
}

// Runs on the follower's thread, where an exception would end the program:
// a failure (memory exhausted) leaves the stream undecoded, which Finish
// reports.
void OggPeakFollower::Decode() {
  OggVorbis_File file;
  const ov_callbacks callbacks{Read, nullptr, nullptr, nullptr};
  if (ov_open_callbacks(this, &file, nullptr, 0, callbacks) != 0)
    return;
  try {
    DecodeInto(file);
  } catch (const std::exception&) {
    decoded_ = false;
  }
  ov_clear(&file);
}

void OggPeakFollower::DecodeInto(OggVorbis_File& file) {
  bool stereo = ov_info(&file, -1)->channels == 2;
  std::vector<float> interleaved;
  for (;;) {
    float** channels = nullptr;
    int section = 0;
    const long frames = ov_read_float(&file, &channels, kDecodeFrames, &section);
    if (frames == OV_HOLE)
      continue;
    if (frames <= 0) {
      decoded_ = frames == 0 && stereo;
      break;
    }
    stereo = stereo && ov_info(&file, section)->channels == 2;
    if (!stereo)
      continue;
    interleaved.resize(static_cast<std::size_t>(frames) * 2);
    for (long frame = 0; frame < frames; ++frame) {
      interleaved[2 * frame] = channels[0][frame];
      interleaved[2 * frame + 1] = channels[1][frame];
    }
    peak_.Add(interleaved);
  }
}

} // namespace arvento::exporting
