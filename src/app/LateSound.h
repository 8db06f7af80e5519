#pragma once

// The window's sound, loaded after the window shows. The synthesizer and the
// export live in a module with FluidSynth, ALSA and the audio file libraries,
// some sixty shared libraries whose loading would delay the window; a thread
// of its own loads the module and the SoundFont. Until then the live notes
// and the file players make no sound and nothing waits for them; an export
// waits on its worker thread.

#include "app/SoundModule.h"

#include <QString>

#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace arvento::app {

class LateFilePlayer;
class LateStreamOutput;

class LateSound {
public:
  // The module at `module`; `loaded` runs on the UI thread once the sound has
  // loaded or failed to.
  LateSound(const std::string& module, player::UiThread ui, std::function<void()> loaded);
  // Starts loading. The window calls it once it shows, so that the loading
  // does not compete with the window's own start for the processor.
  void Start();
  // Waits for the loading thread. The players made from it and the users of
  // StreamOutput go first.
  ~LateSound();
  LateSound(const LateSound&) = delete;
  LateSound& operator=(const LateSound&) = delete;

  player::MidiStreamOutput& StreamOutput();
  std::unique_ptr<player::FilePlayer> NewFilePlayer();
  // The module's export, once it has loaded; throws arvento::Error when it did not.
  exporting::ExportReport Export(const std::filesystem::path& midiFile, const std::filesystem::path& out,
                                 const exporting::ExportOptions& options,
                                 const exporting::Progress& progress);

  // The status bar's word and the about box's description, once loaded.
  QString Status() const;
  QString Description() const;

private:
  friend class LateFilePlayer;
  void Attach();
  void Forget(LateFilePlayer* player);

  std::string modulePath_;
  player::UiThread ui_;
  std::function<void()> loaded_;
  std::promise<void> done_;
  std::unique_ptr<LateStreamOutput> output_;
  std::vector<LateFilePlayer*> players_;
  // Set by the loading thread before `ready_` is made ready.
  const SoundModule* module_ = nullptr;
  std::string failure_;
  std::unique_ptr<player::SoundSystem> sound_;
  std::shared_future<void> ready_;
  std::thread loader_;
};

} // namespace arvento::app
