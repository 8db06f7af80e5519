#include "player/backends/SynthEngine.h"

#include "core/Error.h"
#include "player/backends/AlsaQuiet.h"
#include "player/backends/SynthCore.h"

#include <algorithm>
#include <array>
#include <utility>

namespace arvento::player {

namespace {

constexpr int kSampleRate = 44100;
// FluidSynth's own block; events are placed to within one block (1.5 ms).
constexpr int kBlockFrames = 64;
// Small audio periods, so that a key press sounds at once: two periods of
// 128 frames are 5.8 ms of buffered sound.
constexpr int kPeriodFrames = 128;
constexpr int kPeriods = 2;
// PipeWire desktops serve PulseAudio clients too. JACK is left out: asking
// for it may start a server.
constexpr std::array<const char*, 2> kAudioDrivers = {"pulseaudio", "alsa"};
// At most this many output and effect buffers per audio callback.
constexpr int kMaxBuffers = 16;

std::mutex logMutex;
std::string lastLoggedError;

void KeepError(int, const char* message, void*) {
  const std::lock_guard lock(logMutex);
  lastLoggedError = message;
}

void IgnoreMessage(int, const char*, void*) {}

// FluidSynth's errors are kept for Description instead of going to standard
// error; its warnings and chatter are dropped.
void InstallLogging() {
  static std::once_flag once;
  std::call_once(once, [] {
    fluid_set_log_function(FLUID_PANIC, KeepError, nullptr);
    fluid_set_log_function(FLUID_ERR, KeepError, nullptr);
    fluid_set_log_function(FLUID_WARN, IgnoreMessage, nullptr);
    fluid_set_log_function(FLUID_INFO, IgnoreMessage, nullptr);
    fluid_set_log_function(FLUID_DBG, IgnoreMessage, nullptr);
  });
  QuietAlsaLibrary();
}

std::string TakeLoggedError() {
  const std::lock_guard lock(logMutex);
  return std::exchange(lastLoggedError, {});
}

// The audio device's callback: renders block by block so that the stream
// output can play its due events before each block.
int RenderForDevice(void* data, int len, int nfx, float* fx[], int nout, float* out[]) {
  SynthCore& core = *static_cast<SynthCore*>(data);
  if (nout > kMaxBuffers || nfx > kMaxBuffers)
    return FLUID_FAILED;
  std::array<float*, kMaxBuffers> outs{}, effects{};
  for (int offset = 0; offset < len; offset += kBlockFrames) {
    const int frames = std::min(kBlockFrames, len - offset);
    for (int i = 0; i < nout; ++i)
      outs[i] = out[i] + offset;
    for (int i = 0; i < nfx && fx != nullptr; ++i)
      effects[i] = fx[i] + offset;
    const std::lock_guard lock(core.renderMutex);
    if (core.blockListener)
      core.blockListener();
    // A driver without effect buffers gets the effects mixed into the dry sound.
    const int result = fx != nullptr
                           ? fluid_synth_process(core.synth, frames, nfx, effects.data(), nout, outs.data())
                           : fluid_synth_process(core.synth, frames, nout, outs.data(), nout, outs.data());
    core.framesRendered += static_cast<std::uint64_t>(frames);
    if (result != FLUID_OK)
      return result;
  }
  return FLUID_OK;
}

void OpenAudioDevice(SynthCore& core) {
  std::string reasons;
  for (const char* name : kAudioDrivers) {
    fluid_settings_setstr(core.settings, "audio.driver", name);
    core.driver = new_fluid_audio_driver2(core.settings, RenderForDevice, &core);
    if (core.driver != nullptr) {
      core.audioDriverName = name;
      return;
    }
    reasons += std::string(reasons.empty() ? "" : "; ") + name + ": " + TakeLoggedError();
  }
  core.problem = "no audio device (" + reasons + ")";
}

} // namespace

SynthEngine::SynthEngine(std::unique_ptr<SynthCore> core) : core_(std::move(core)) {}

// The audio driver goes first, so that nothing renders while the synthesizer
// and then its settings are released.
SynthEngine::~SynthEngine() {
  if (core_->driver != nullptr)
    delete_fluid_audio_driver(core_->driver);
  if (core_->synth != nullptr)
    delete_fluid_synth(core_->synth);
  if (core_->settings != nullptr)
    delete_fluid_settings(core_->settings);
}

std::shared_ptr<SynthEngine> SynthEngine::Create(const std::string& soundFont, Audio audio) {
  InstallLogging();
  std::shared_ptr<SynthEngine> engine(new SynthEngine(std::make_unique<SynthCore>()));
  SynthCore& core = *engine->core_;
  core.manual = audio == Audio::Manual;
  core.soundFont = soundFont;
  core.sampleRate = kSampleRate;

  core.settings = new_fluid_settings();
  if (core.settings == nullptr)
    throw Error("FluidSynth could not create its settings");
  fluid_settings_setnum(core.settings, "synth.sample-rate", kSampleRate);
  fluid_settings_setint(core.settings, "audio.period-size", kPeriodFrames);
  fluid_settings_setint(core.settings, "audio.periods", kPeriods);
  // A large SoundFont (FluidR3_GM holds 148 MB of samples) is not held in
  // memory whole: a preset's samples are read when a channel selects it.
  fluid_settings_setint(core.settings, "synth.dynamic-sample-loading", 1);
  core.synth = new_fluid_synth(core.settings);
  if (core.synth == nullptr)
    throw Error("FluidSynth could not create a synthesizer: " + TakeLoggedError());
  if (core.soundFont.empty()) {
    core.problem = "no General MIDI SoundFont found";
    return engine;
  }
  if (fluid_synth_sfload(core.synth, core.soundFont.c_str(), 1) == FLUID_FAILED) {
    core.problem = "the SoundFont " + core.soundFont + " could not be loaded (" + TakeLoggedError() + ")";
    return engine;
  }
  core.soundFontLoaded = true;
  if (!core.manual)
    OpenAudioDevice(core);
  return engine;
}

bool SynthEngine::HasOutput() const {
  return core_->soundFontLoaded && (core_->manual || core_->driver != nullptr);
}

bool SynthEngine::HasSoundFont() const {
  return core_->soundFontLoaded;
}

std::string SynthEngine::Description() const {
  std::string text = std::string("FluidSynth ") + fluid_version_str();
  if (!core_->soundFont.empty())
    text += ", SoundFont " + core_->soundFont;
  if (!core_->problem.empty())
    return text + "; no sound: " + core_->problem;
  if (core_->manual)
    return text + ", rendered without an audio device";
  return text + ", sound through " + core_->audioDriverName;
}

int SynthEngine::SampleRate() const {
  return core_->sampleRate;
}

std::chrono::microseconds SynthEngine::Now() const {
  return core_->Now();
}

void SynthEngine::Send(std::uint32_t shortMessage) {
  fluid_synth_t* synth = core_->synth;
  const int status = static_cast<int>(shortMessage & 0xF0);
  const int channel = static_cast<int>(shortMessage & 0x0F);
  const int data1 = static_cast<int>((shortMessage >> 8) & 0x7F);
  const int data2 = static_cast<int>((shortMessage >> 16) & 0x7F);
  switch (status) {
    case 0x80:
      fluid_synth_noteoff(synth, channel, data1);
      break;
    case 0x90:
      // A note-on of velocity 0 is a note-off.
      if (data2 == 0)
        fluid_synth_noteoff(synth, channel, data1);
      else
        fluid_synth_noteon(synth, channel, data1, data2);
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth, channel, data1, data2);
      break;
    case 0xB0:
      fluid_synth_cc(synth, channel, data1, data2);
      break;
    case 0xC0:
      fluid_synth_program_change(synth, channel, data1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth, channel, data1);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(synth, channel, data1 | data2 << 7);
      break;
    default:
      break;
  }
}

void SynthEngine::Silence() {
  constexpr int kSustainController = 64;
  for (int channel = 0; channel < 16; ++channel)
    fluid_synth_cc(core_->synth, channel, kSustainController, 0);
  fluid_synth_all_notes_off(core_->synth, -1);
}

void SynthEngine::CutSound() {
  fluid_synth_all_sounds_off(core_->synth, -1);
}

void SynthEngine::SetBlockListener(std::function<void()> listener) {
  const std::lock_guard lock(core_->renderMutex);
  core_->blockListener = std::move(listener);
}

void SynthEngine::Render(std::span<float> interleavedStereo) {
  if (!core_->manual)
    return;
  const std::size_t frames = interleavedStereo.size() / 2;
  for (std::size_t offset = 0; offset < frames; offset += kBlockFrames) {
    const int count = static_cast<int>(std::min<std::size_t>(kBlockFrames, frames - offset));
    const std::lock_guard lock(core_->renderMutex);
    if (core_->blockListener)
      core_->blockListener();
    const int left = static_cast<int>(offset * 2);
    fluid_synth_write_float(core_->synth, count, interleavedStereo.data(), left, 2, interleavedStereo.data(),
                            left + 1, 2);
    core_->framesRendered += static_cast<std::uint64_t>(count);
  }
}

} // namespace arvento::player
