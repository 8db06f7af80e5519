#include "app/LateSound.h"

#include "app/SoundStatus.h"
#include "core/Error.h"
#include "core/Translate.h"

#include <QCoreApplication>

#include <dlfcn.h>

#include <algorithm>

namespace arvento::app {

// Stands in for the synthesizer's output until it has loaded: without a
// device, a key pressed meanwhile plays nothing and waits for nothing.
class LateStreamOutput : public player::MidiStreamOutput {
public:
  void Attach(player::MidiStreamOutput& output) { target_ = &output; }

  bool Probe(std::uint32_t device) override { return target_ != nullptr && target_->Probe(device); }
  std::uint32_t DeviceCount() override { return target_ != nullptr ? target_->DeviceCount() : 0; }
  bool Open(std::uint32_t device, player::NotificationSink sink) override {
    return target_ != nullptr && target_->Open(device, std::move(sink));
  }
  bool SetTimeDivision(std::uint32_t ticksPerQuarter) override {
    return target_ != nullptr && target_->SetTimeDivision(ticksPerQuarter);
  }
  bool Submit(std::span<const player::StreamEvent> events) override {
    return target_ != nullptr && target_->Submit(events);
  }
  bool Restart() override { return target_ != nullptr && target_->Restart(); }
  bool Stop() override { return target_ != nullptr && target_->Stop(); }
  void Reset() override {
    if (target_ != nullptr)
      target_->Reset();
  }
  void Release() override {
    if (target_ != nullptr)
      target_->Release();
  }
  void Close() override {
    if (target_ != nullptr)
      target_->Close();
  }

private:
  player::MidiStreamOutput* target_ = nullptr;
};

// Keeps the file a control has chosen and whether it is open, and hands both
// to the synthesizer's player once that has loaded. Until then it plays nothing.
class LateFilePlayer : public player::FilePlayer {
public:
  explicit LateFilePlayer(LateSound& sound) : sound_(sound) {}
  ~LateFilePlayer() override { sound_.Forget(this); }

  void Attach(std::unique_ptr<player::FilePlayer> player) {
    player_ = std::move(player);
    if (fileName_.empty())
      return;
    player_->SetFileName(fileName_);
    try {
      if (open_)
        player_->Open();
    } catch (const Error&) {
      // The file went away while the sound loaded; the control opens it
      // again, and says so, when the user plays it.
      open_ = false;
    }
  }

  void SetFileName(const std::string& path) override {
    fileName_ = path;
    if (player_)
      player_->SetFileName(path);
  }
  std::string FileName() const override { return fileName_; }
  void Open() override {
    Forward(&FilePlayer::Open);
    open_ = true;
  }
  void Play() override { Forward(&FilePlayer::Play); }
  void Pause() override { Forward(&FilePlayer::Pause); }
  void Stop() override { Forward(&FilePlayer::Stop); }
  void Close() override {
    Forward(&FilePlayer::Close);
    open_ = false;
  }
  bool IsPlaying() const override { return player_ && player_->IsPlaying(); }
  std::uint32_t PlayingTick() const override { return player_ ? player_->PlayingTick() : 0; }

private:
  // Makes the call on the synthesizer's player once there is one; until then nothing plays.
  void Forward(void (FilePlayer::*call)()) {
    if (player_)
      (player_.get()->*call)();
  }

  LateSound& sound_;
  std::unique_ptr<player::FilePlayer> player_;
  std::string fileName_;
  bool open_ = false;
};

LateSound::LateSound(const std::string& module, player::UiThread ui, std::function<void()> loaded)
    : modulePath_(module), ui_(std::move(ui)), loaded_(std::move(loaded)),
      output_(std::make_unique<LateStreamOutput>()), ready_(done_.get_future().share()) {}

void LateSound::Start() {
  loader_ = std::thread([this] {
    // The module stays loaded for the life of the program: its code runs
    // until the last player has gone.
    if (void* handle = dlopen(modulePath_.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      using Entry = const SoundModule* (*)();
      if (const auto entry = reinterpret_cast<Entry>(dlsym(handle, "ArventoSoundModule")))
        module_ = entry();
    }
    if (module_ == nullptr) {
      const char* error = dlerror();
      failure_ = error != nullptr ? error : modulePath_;
    } else {
      // Before anything of the module runs: its messages then come in the
      // window's language, through the window's translator.
      module_->installTranslator([](const char* source) { return Tr(source); });
      try {
        sound_ = module_->createSound(ui_);
      } catch (const Error& error) {
        failure_ = error.what();
      }
    }
    done_.set_value();
    ui_.post([this] {
      Attach();
      loaded_();
    });
  });
}

LateSound::~LateSound() {
  if (loader_.joinable())
    loader_.join();
}

void LateSound::Attach() {
  if (!sound_)
    return;
  output_->Attach(sound_->StreamOutput());
  for (LateFilePlayer* player : players_)
    player->Attach(sound_->NewFilePlayer());
  players_.clear();
}

void LateSound::Forget(LateFilePlayer* player) {
  players_.erase(std::remove(players_.begin(), players_.end(), player), players_.end());
}

player::MidiStreamOutput& LateSound::StreamOutput() {
  return *output_;
}

std::unique_ptr<player::FilePlayer> LateSound::NewFilePlayer() {
  if (ready_.wait_for(std::chrono::seconds(0)) == std::future_status::ready && sound_)
    return sound_->NewFilePlayer();
  auto player = std::make_unique<LateFilePlayer>(*this);
  players_.push_back(player.get());
  return player;
}

exporting::ExportReport LateSound::Export(const std::filesystem::path& midiFile,
                                          const std::filesystem::path& out,
                                          const exporting::ExportOptions& options,
                                          const exporting::Progress& progress) {
  ready_.wait();
  if (module_ == nullptr)
    throw Error(QCoreApplication::translate("LateSound", "Не удалось загрузить модуль звука: %1")
                    .arg(QString::fromStdString(failure_))
                    .toStdString());
  return module_->exportMidiFile(midiFile, out, options, progress);
}

QString LateSound::Status() const {
  if (!sound_)
    return module_ == nullptr
               ? QCoreApplication::translate("LateSound", "Звук выключен: не удалось загрузить модуль звука")
               : QCoreApplication::translate("LateSound", "Звук выключен: не удалось запустить синтезатор");
  return SoundStatus(*sound_);
}

QString LateSound::Description() const {
  return QString::fromStdString(sound_ ? sound_->Description() : failure_);
}

} // namespace arvento::app
