#pragma once

#include "RecordingFilePlayer.h"
#include "ScriptedDialogs.h"
#include "TestSupport.h"
#include "app/MainForm.h"
#include "app/QtUiThread.h"
#include "player/backends/VirtualStreamOutput.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace arvento::test {

// Runs the real main window with a temporary start directory, scripted
// boxes, recording file players and the virtual MIDI output.
class FormTest : public ::testing::Test {
protected:
  // Creates, shows and activates the window, so that start-up has run.
  void Start(bool soundOn = true);

  template <class Widget> Widget* Control(const char* name) const {
    Widget* widget = form->findChild<Widget*>(name);
    if (widget == nullptr)
      ADD_FAILURE() << "no control " << name;
    return widget;
  }

  // Presses a visible button with the mouse.
  void Click(const char* button);
  // Chooses an item of a drop-down list with the keyboard, as a user would.
  void Choose(const char* combo, const QString& item);
  // Replaces the text of an edit or text pane by typing.
  void Type(const char* edit, const QString& text);
  void ClickListItem(const char* list, const QString& item, bool twice = false);
  // Right-clicks the list's item and chooses the entry of its menu.
  void ChooseFromContextMenu(const char* list, const QString& item, const QString& entry);

  QString Text(const char* name) const;
  QString StatusText() const;
  // The calls the window made on one file player, in order.
  std::vector<std::string> PlayerCalls(const std::string& player) const;

  const std::filesystem::path& Base() const { return dir.path(); }

  TempDir dir;
  ScriptedDialogs dialogs;
  std::vector<std::string> playerLog;
  // The last file player made under each name.
  std::map<std::string, RecordingFilePlayer*> players;
  // The time the window reads from its clock.
  std::chrono::steady_clock::time_point now{};
  player::UiThread uiThread = app::QtUiThread();
  player::VirtualStreamOutput midiOutput{uiThread};
  std::unique_ptr<app::TMainForm2> form;
};

} // namespace arvento::test
