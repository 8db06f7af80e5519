#pragma once

#include <cstdint>
#include <string>

namespace arvento::player {

// A media player for one Standard MIDI File at a time: the window's players
// mp1, mp2 and mpSum stand on it. Only one file of the process plays at a
// time: starting one stops any other.
class FilePlayer {
public:
  virtual ~FilePlayer() = default;

  virtual void SetFileName(const std::string& path) = 0;
  virtual std::string FileName() const = 0;
  // Loads the named file; throws arvento::Error when it cannot be read.
  virtual void Open() = 0;
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  // Stops and releases the file, so that it can be rewritten.
  virtual void Close() = 0;
  virtual bool IsPlaying() const = 0;
  // The tick of the file that plays or is paused; 0 before the file has
  // played and after it has stopped or played to its end.
  virtual std::uint32_t PlayingTick() const = 0;
};

} // namespace arvento::player
