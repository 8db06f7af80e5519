// arvento: the desktop program. Creates the sound system and the main window
// and runs the event loop until the window closes.

#include "app/Dialogs.h"
#include "app/FormServices.h"
#include "app/MainForm.h"
#include "app/QtUiThread.h"
#include "player/SoundSystem.h"

#include <QApplication>

#include <filesystem>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");

  const arvento::player::UiThread uiThread = arvento::app::QtUiThread();
  const std::unique_ptr<arvento::player::SoundSystem> sound = arvento::player::SoundSystem::Create(uiThread);
  arvento::app::MessageBoxDialogs dialogs;
  const arvento::app::FormServices services{
      .dialogs = dialogs,
      .newFilePlayer = [&sound](const std::string&) { return sound->NewFilePlayer(); },
      .midiOutput = sound->StreamOutput(),
      .uiThread = uiThread,
      .startDirectory = std::filesystem::current_path(),
      .soundOn = sound->Available(),
      .soundDescription = QString::fromStdString(sound->Description()),
  };
  arvento::app::TMainForm2 form(services);
  form.show();
  return application.exec();
}
