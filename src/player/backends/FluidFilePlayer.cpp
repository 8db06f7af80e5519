#include "player/backends/FluidFilePlayer.h"

#include "core/Error.h"
#include "midi/SmfReader.h"
#include "player/backends/SynthCore.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace arvento::player {

struct FluidFilePlayer::Loaded {
  fluid_player_t* player = nullptr;
};

FluidFilePlayer::FluidFilePlayer(std::shared_ptr<SynthEngine> engine) : engine_(std::move(engine)) {}

FluidFilePlayer::~FluidFilePlayer() {
  Close();
}

void FluidFilePlayer::Open() {
  Close();
  std::ifstream in(fileName_, std::ios::binary);
  if (!in)
    throw Error("cannot open the MIDI file " + fileName_);
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad())
    throw Error("cannot read the MIDI file " + fileName_);
  try {
    midi::ReadSmf(bytes);
  } catch (const Error& error) {
    throw Error(fileName_ + ": " + error.what());
  }
  bytes_ = std::move(bytes);
  Load();
}

void FluidFilePlayer::Load() {
  SynthCore& core = engine_->Core();
  const std::lock_guard lock(core.renderMutex);
  fluid_player_t* player = new_fluid_player(core.synth);
  if (player == nullptr)
    throw Error("the synthesizer cannot play " + fileName_);
  if (fluid_player_add_mem(player, bytes_.data(), bytes_.size()) != FLUID_OK) {
    delete_fluid_player(player);
    throw Error("the synthesizer cannot play " + fileName_);
  }
  loaded_ = std::make_unique<Loaded>(Loaded{player});
  place_ = Place::Start;
}

// The MIDI file player is changed between two blocks, never while one renders.
void FluidFilePlayer::Unload() {
  if (!loaded_)
    return;
  SynthCore& core = engine_->Core();
  {
    const std::lock_guard lock(core.renderMutex);
    fluid_player_stop(loaded_->player);
    delete_fluid_player(loaded_->player);
  }
  loaded_.reset();
  if (core.playingFile == this)
    core.playingFile = nullptr;
}

void FluidFilePlayer::Play() {
  if (!loaded_ || !engine_->HasOutput() || IsPlaying())
    return;
  SynthCore& core = engine_->Core();
  if (core.playingFile != nullptr && core.playingFile != this)
    core.playingFile->Stop();
  // A file that has played to its end, or was stopped, starts again from its beginning.
  if (place_ == Place::Elsewhere) {
    Unload();
    Load();
  }
  place_ = Place::Elsewhere;
  {
    const std::lock_guard lock(core.renderMutex);
    fluid_player_play(loaded_->player);
  }
  core.playingFile = this;
}

void FluidFilePlayer::Halt() {
  if (!IsPlaying())
    return;
  {
    const std::lock_guard lock(engine_->Core().renderMutex);
    fluid_player_stop(loaded_->player);
  }
  engine_->CutSound();
}

void FluidFilePlayer::Pause() {
  if (!IsPlaying())
    return;
  Halt();
  place_ = Place::Paused;
}

void FluidFilePlayer::Stop() {
  Halt();
  if (place_ == Place::Paused)
    place_ = Place::Elsewhere;
}

void FluidFilePlayer::Close() {
  Halt();
  Unload();
  bytes_.clear();
}

bool FluidFilePlayer::IsPlaying() const {
  return loaded_ && fluid_player_get_status(loaded_->player) == FLUID_PLAYER_PLAYING;
}

std::uint32_t FluidFilePlayer::PlayingTick() const {
  if (!loaded_ || place_ == Place::Start || (place_ == Place::Elsewhere && !IsPlaying()))
    return 0;
  return static_cast<std::uint32_t>(std::max(0, fluid_player_get_current_tick(loaded_->player)));
}

// The file is read when it starts playing; until then its length is 0.
bool FluidFilePlayer::PastLastEvent() const {
  if (!loaded_)
    return false;
  const int total = fluid_player_get_total_ticks(loaded_->player);
  return total > 0 && fluid_player_get_current_tick(loaded_->player) >= total;
}

} // namespace arvento::player
