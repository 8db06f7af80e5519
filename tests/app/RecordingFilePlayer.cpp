#include "RecordingFilePlayer.h"

namespace arvento::test {

void RecordingFilePlayer::SetFileName(const std::string& path) {
  fileName_ = path;
  log_.push_back(name_ + " SetFileName " + path);
}

void RecordingFilePlayer::Open() {
  log_.push_back(name_ + " Open " + fileName_);
}

void RecordingFilePlayer::Play() {
  playing_ = true;
  log_.push_back(name_ + " Play " + fileName_);
}

void RecordingFilePlayer::Pause() {
  playing_ = false;
  log_.push_back(name_ + " Pause");
}

void RecordingFilePlayer::Stop() {
  playing_ = false;
  log_.push_back(name_ + " Stop");
}

void RecordingFilePlayer::Close() {
  playing_ = false;
  log_.push_back(name_ + " Close");
}

} // namespace arvento::test
