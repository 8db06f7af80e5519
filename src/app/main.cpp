// arvento: the desktop program. Shows the main window at once, loads the
// sound behind it, and runs the event loop until the window closes.

#include "app/Dialogs.h"
#include "app/FormServices.h"
#include "app/LateSound.h"
#include "app/MainForm.h"
#include "app/QtUiThread.h"
#include "app/SoundStatus.h"
#include "app/WindowLanguage.h"
#include "core/InstallLayout.h"
#include "core/Language.h"
#include "player/SoundFont.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <utility>

namespace {

// Runs an action once, when the window first appears on the screen: the sound
// module's libraries and SoundFont loaded beside the window's first showing
// slow the showing down. A window that does not appear, such as one started
// minimised, runs it after a second all the same.
class OnFirstExposure : public QObject {
public:
  OnFirstExposure(QWidget& window, std::function<void()> action) : action_(std::move(action)) {
    window.windowHandle()->installEventFilter(this);
    QTimer::singleShot(1000, this, [this] { Run(); });
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] { Run(); });
    }
    return false;
  }

private:
  void Run() {
    if (action_)
      std::exchange(action_, nullptr)();
  }

  std::function<void()> action_;
};

} // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle("Fusion");
  // The desktop matches the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName("io.github.arvento.Arvento");
  // The language goes in before anything is shown or another thread starts.
  const arvento::app::WindowLanguage language(arvento::LanguageOfEnvironment());
  for (const QString& missing : language.Missing())
    std::fprintf(stderr, "arvento: no translation %s\n", qPrintable(missing));

  const arvento::player::UiThread uiThread = arvento::app::QtUiThread();
  // The form is made after the sound and goes before it; the sound tells it
  // when it has loaded, from the event loop.
  arvento::app::TMainForm2* shown = nullptr;
  arvento::app::LateSound sound(arvento::PrivateFile(ARVENTO_SOUND_MODULE).string(), uiThread,
                                [&shown, &sound] {
                                  if (shown != nullptr)
                                    shown->ShowSound(sound.Status(), sound.Description());
                                });
  const QString loading = arvento::app::SoundLoadingStatus(arvento::player::FindSoundFont());
  arvento::app::MessageBoxDialogs dialogs;
  const arvento::app::FormServices services{
      .dialogs = dialogs,
      .newFilePlayer = [&sound](const std::string&) { return sound.NewFilePlayer(); },
      .midiOutput = sound.StreamOutput(),
      .uiThread = uiThread,
      .startDirectory = std::filesystem::current_path(),
      .soundStatus = loading,
      .soundDescription = loading,
      .exportMidiFile =
          [&sound](const std::filesystem::path& midiFile, const std::filesystem::path& out,
                   const arvento::exporting::ExportOptions& options,
                   const arvento::exporting::Progress& progress) {
            return sound.Export(midiFile, out, options, progress);
          },
  };
  arvento::app::TMainForm2 form(services);
  shown = &form;
  form.show();
  const OnFirstExposure startSound(form, [&sound] { sound.Start(); });
  const int status = application.exec();
  shown = nullptr;
  return status;
}
