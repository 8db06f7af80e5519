#pragma once

// The real main window with a temporary start directory, scripted boxes,
// recording file players and the virtual MIDI output, driven as a person
// would: clicks, choices from lists, typing, keys on the focused button and
// drags on the grids.

#include "RecordingFilePlayer.h"
#include "ScriptedDialogs.h"
#include "TestSupport.h"
#include "app/MainForm.h"
#include "app/QtUiThread.h"
#include "player/backends/VirtualStreamOutput.h"

#include <QAbstractButton>
#include <QSlider>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Texts in failure messages as a person reads them.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text;
}

namespace arvento::test {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Notes = std::vector<int>;

class FormTest : public ::testing::Test {
public:
  void SetUp() override { Start(); }
  // Creates, shows and activates the window, so that start-up has run.
  void Start(bool soundOn = true);

  template <class Widget = QWidget> Widget* Control(const char* name) const {
    Widget* widget = form->findChild<Widget*>(name);
    if (widget == nullptr)
      ADD_FAILURE() << "no control " << name;
    return widget;
  }
  QSlider* Slider(const char* name) const { return Control<QSlider>(name); }
  bool Enabled(const char* name) const { return Control(name)->isEnabled(); }
  bool Shown(const char* page) const { return Control(page)->isVisible(); }

  // Presses a visible button with the mouse; a radio button on its indicator.
  void Click(const char* button);
  // Chooses an item of a drop-down list with the keyboard, as a user would.
  void Choose(const char* combo, const QString& item);
  // Replaces the text of an edit or text pane by typing.
  void Type(const char* edit, const QString& text);
  // Moves a slider to its least (Home) or greatest (End) value with the keyboard.
  void SlideTo(const char* slider, Qt::Key key);
  void ClickListItem(const char* list, const QString& item, bool twice = false);
  void PressPlayerButton(const char* player, const char* button);
  void OpenProject(const QString& name) {
    Type("edProjectName", name);
    Click("bbOpenProject");
  }
  // Types a melody into the melody pane.
  void Melody(const QString& text) {
    Click("bbMelod");
    Type("re2", text);
  }

  // Whether exactly one error was reported and it contains the text; with
  // no text, whether none was.
  ::testing::AssertionResult Reported(const char* part = nullptr) const;
  QString Text(const char* name) const;
  QString StatusText() const { return Text("stbText"); }
  // The calls the window made on one file player, in order.
  Lines PlayerCalls(const std::string& player) const;
  std::string LastCall(const std::string& player) const;
  // The three calls that load a file into a player and play it.
  static Lines Played(const fs::path& file) {
    return {"SetFileName " + file.string(), "Open " + file.string(), "Play " + file.string()};
  }

  fs::path Song() const { return dir.path() / "song"; }
  fs::path Tmp(const char* file = "") const { return dir.path() / "tmp" / file; }

  // Presses and releases a key on the focused button, then lets the live
  // player's note start, so that the next key is not refused as arriving
  // before it. The text is the typed character (a capital with Shift).
  void Key(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void KeyDown(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void KeyUp(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  void Keys(const char* typed) {
    for (const char* c = typed; *c != '\0'; ++c)
      Key(*c);
  }
  void Settle();
  // The notes the live player sounded, as channel * 1000 + key.
  Notes Sounded() const;
  Notes Recorded() const { return form->Recording().recordedNotes(); }

  // A left-button drag along a row of a grid, through the given points.
  void Drag(int pressX, int releaseX, int y, const std::vector<int>& via = {}, const char* grid = "pb1");
  // A bar over columns first..last (1-based) of a row in 4/4, dragged from
  // the middle of the first column to the middle of the last.
  void Bar(int row, int first, int last, const char* grid = "pb1") {
    Drag(first * 24 - 12, last * 24 - 12, row * 30 - 15, {}, grid);
  }
  // A pointer event with exactly the buttons held that a person holds.
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
             const char* grid = "pb1");
  // The grid as shown on the screen.
  QImage Picture(const char* grid = "pb1") const;

  TempDir dir;
  ScriptedDialogs dialogs;
  Lines playerLog;
  player::UiThread uiThread = app::QtUiThread();
  player::VirtualStreamOutput midiOutput{uiThread};
  std::unique_ptr<app::TMainForm2> form;
};

} // namespace arvento::test
