// arvento: the desktop program. Shows the main window at once, loads the
// sound behind it, and runs the event loop until the window closes.

#include "app/Dialogs.h"
#include "app/FormServices.h"
#include "app/MainForm.h"
#include "app/QtUiThread.h"
#include "app/SoundStatus.h"
#include "player/SoundSystem.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");

  const arvento::player::UiThread uiThread = arvento::app::QtUiThread();
  // The form is made after the sound system and goes before it; the sound
  // tells it when the SoundFont has loaded, from the event loop.
  arvento::app::TMainForm2* shown = nullptr;
  const std::unique_ptr<arvento::player::SoundSystem> sound =
      arvento::player::SoundSystem::CreateLoading(uiThread, [&shown, &sound] {
        if (shown != nullptr)
          shown->ShowSound(arvento::app::SoundStatus(*sound), QString::fromStdString(sound->Description()));
      });
  arvento::app::MessageBoxDialogs dialogs;
  const arvento::app::FormServices services{
      .dialogs = dialogs,
      .newFilePlayer = [&sound](const std::string&) { return sound->NewFilePlayer(); },
      .midiOutput = sound->StreamOutput(),
      .uiThread = uiThread,
      .startDirectory = std::filesystem::current_path(),
      .soundStatus = arvento::app::SoundLoadingStatus(sound->SoundFont()),
      .soundDescription = arvento::app::SoundLoadingStatus(sound->SoundFont()),
  };
  arvento::app::TMainForm2 form(services);
  shown = &form;
  form.show();
  const int status = application.exec();
  shown = nullptr;
  return status;
}
