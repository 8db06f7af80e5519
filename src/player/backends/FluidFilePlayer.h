#pragma once

#include "player/FilePlayer.h"
#include "player/backends/SynthEngine.h"

#include <memory>
#include <string>
#include <vector>

namespace arvento::player {

// Plays Standard MIDI Files through the built-in synthesizer. Of the file
// players of one synthesizer only one plays at a time: starting one stops the
// one that was playing.
class FluidFilePlayer : public FilePlayer {
public:
  explicit FluidFilePlayer(std::shared_ptr<SynthEngine> engine);
  ~FluidFilePlayer() override;

  void SetFileName(const std::string& path) override { fileName_ = path; }
  std::string FileName() const override { return fileName_; }
  void Open() override;
  // Plays the open file from where it was paused, else from its start. Does
  // nothing without an open file or when the synthesizer has no output.
  void Play() override;
  void Pause() override;
  // Stops and goes back to the start of the file.
  void Stop() override;
  void Close() override;
  bool IsPlaying() const override;
  std::uint32_t PlayingTick() const override;
  // The last event of the file has played. The synthesizer keeps playing
  // for some seconds after it, so that the last notes ring out.
  bool PastLastEvent() const;

private:
  struct Loaded;
  void Load();
  void Unload();
  void Halt();

  std::shared_ptr<SynthEngine> engine_;
  std::string fileName_;
  std::vector<std::uint8_t> bytes_;
  std::unique_ptr<Loaded> loaded_;
  // Where the next Play starts: a paused file goes on, any other that has
  // played starts again from its beginning.
  enum class Place { Start, Paused, Elsewhere };
  Place place_ = Place::Start;
};

} // namespace arvento::player
