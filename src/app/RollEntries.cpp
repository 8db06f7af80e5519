// The piano roll's entries in the window: "Пиано-ролл" in the context menu
// of every project file list, and the assembly page's button for the file
// the last assembly wrote. Each opens a roll window of its own.

#include "app/MainForm.h"
#include "app/RollWindow.h"

#include "roll/RollFile.h"

namespace fs = std::filesystem;

namespace arvento::app {

void TMainForm2::ConnectRoll() {
  OnClick(bbRoll, &TMainForm2::bbRollClick);
  AddFileListEntry(tr("Пиано-ролл"), &TMainForm2::OpenRoll);
}

void TMainForm2::bbRollClick() {
  OpenRoll(assembledFile);
}

void TMainForm2::OpenRoll(const fs::path& midiFile) {
  auto* window = new RollWindow(
      midiFile, roll::ReadRollFile(midiFile), newFilePlayer("roll"),
      [this](const std::function<void()>& command) { Run(command); }, clock, this);
  window->show();
}

} // namespace arvento::app
