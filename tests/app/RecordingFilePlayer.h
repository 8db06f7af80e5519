#pragma once

#include "player/FilePlayer.h"

#include <string>
#include <vector>

namespace arvento::test {

// A file player that only writes down what it is told, as
// "<player> <operation> [file]" lines in one log shared by all players.
class RecordingFilePlayer : public player::FilePlayer {
public:
  RecordingFilePlayer(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}

  void SetFileName(const std::string& path) override { Log("SetFileName " + (fileName_ = path), playing_); }
  std::string FileName() const override { return fileName_; }
  void Open() override { Log("Open " + fileName_, playing_); }
  void Play() override { Log("Play " + fileName_, true); }
  void Pause() override { Log("Pause", false); }
  void Stop() override { Log("Stop", false); }
  void Close() override { Log("Close", false); }
  bool IsPlaying() const override { return playing_; }
  std::uint32_t PlayingTick() const override { return tick; }

  // Where the test says the playback is.
  std::uint32_t tick = 0;

private:
  void Log(const std::string& call, bool playing) {
    log_.push_back(name_ + " " + call);
    playing_ = playing;
  }

  std::string name_;
  std::vector<std::string>& log_;
  std::string fileName_;
  bool playing_ = false;
};

} // namespace arvento::test
