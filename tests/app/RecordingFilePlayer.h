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

  void SetFileName(const std::string& path) override {
    fileName_ = path;
    Log("SetFileName " + path);
  }
  std::string FileName() const override { return fileName_; }
  void Open() override { Log("Open " + fileName_); }
  void Play() override {
    Log("Play " + fileName_);
    playing_ = true;
  }
  void Pause() override { Halt("Pause"); }
  void Stop() override { Halt("Stop"); }
  void Close() override { Halt("Close"); }
  bool IsPlaying() const override { return playing_; }

private:
  void Log(const std::string& call) { log_.push_back(name_ + " " + call); }
  void Halt(const char* call) {
    Log(call);
    playing_ = false;
  }

  std::string name_;
  std::vector<std::string>& log_;
  std::string fileName_;
  bool playing_ = false;
};

} // namespace arvento::test
