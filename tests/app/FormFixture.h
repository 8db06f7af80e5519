#pragma once

// The real main window with a temporary start directory, scripted boxes,
// recording file players and the virtual MIDI output, driven as a person
// would: clicks, choices, typing, keys on the focused button, strokes on a grid.

#include "RecordingFilePlayer.h"
#include "ScriptedDialogs.h"
#include "TestSupport.h"
#include "app/MainForm.h"
#include "app/QtUiThread.h"
#include "player/backends/VirtualStreamOutput.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <map>
#include <ostream>

// Texts in failure messages as a person reads them.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace arvento::test {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Notes = std::vector<int>;

class FormTest : public ::testing::Test {
public:
  void SetUp() override { Start(); }
  // Creates, shows and activates the window, so that start-up has run.
  void Start(bool soundOn = true) {
    const auto newPlayer = [this](const std::string& name) -> std::unique_ptr<player::FilePlayer> {
      auto player = std::make_unique<RecordingFilePlayer>(name, playerLog);
      players[name] = player.get();
      return player;
    };
    form = std::make_unique<app::TMainForm2>(
        app::FormServices{dialogs, newPlayer, midiOutput, uiThread, dir.path(),
                          soundOn ? QString() : "Звук выключен: нет устройства вывода звука",
                          "FluidSynth, TimGM6mb.sf2", exporting::ExportMidiFile, [this] { return now; }});
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  template <class Widget = QWidget> Widget* Control(const char* name) const {
    Widget* widget = form->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << "no control " << name;
    return widget;
  }
  QSlider* Slider(const char* name) const { return Control<QSlider>(name); }
  bool Shown(const char* name) const { return Control(name)->isVisible(); }
  QString Text(const char* name) const {
    for (const char* property : {"text", "plainText", "currentText"}) {
      if (const QVariant text = Control(name)->property(property); text.isValid())
        return text.toString();
    }
    return {};
  }
  QString StatusText() const { return Text("stbText"); }

  // Presses a visible button with the mouse, a radio button on its indicator.
  void Click(const char* name) {
    auto* button = Control<QAbstractButton>(name);
    ASSERT_TRUE(button->isVisible()) << name << " is not on the visible page";
    const int side = button->height() / 2;
    QTest::mouseClick(button, Qt::LeftButton, {},
                      qobject_cast<QRadioButton*>(button) ? QPoint(side, side) : button->rect().center());
  }
  // Chooses an item of a drop-down list with the keyboard.
  void Choose(const char* name, const QString& item) {
    auto* combo = Control<QComboBox>(name);
    ASSERT_GE(combo->findText(item), 0) << name << " has no item " << item.toStdString();
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    while (combo->currentText() != item)
      QTest::keyClick(combo, Qt::Key_Down);
  }
  // Replaces the text of an edit or text pane by typing.
  void Type(const char* name, const QString& text) {
    QWidget* edit = Control(name);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    for (const QChar c : text)
      QTest::sendKeyEvent(QTest::Click, edit, c == '\n' ? Qt::Key_Return : Qt::Key_unknown, QString(c), {});
  }
  void Melody(const QString& text) {
    Click("bbMelod");
    Type("re2", text);
  }
  // Types the melody or the chords on their page and saves them on the channel.
  void Save(const char* mode, const QString& text, const QString& channel) {
    const bool melody = mode == std::string("bbMelod");
    Click(mode);
    Type(melody ? "re2" : "reAcc", text);
    Choose("cbChan", channel);
    Click(melody ? "bbSaveSingle" : "bbSaveAccordCH");
  }
  void OpenProject(const QString& name) {
    Type("edProjectName", name);
    Click("bbOpenProject");
  }
  // Moves a slider to its least (Home) or greatest (End) value with the keyboard.
  void SlideTo(const char* name, Qt::Key key) {
    Slider(name)->setFocus();
    QTest::keyClick(Slider(name), key);
  }
  // The centre of the list's one item with the text.
  QPoint ItemCentre(QListWidget* list, const QString& text) const {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << list->objectName().toStdString() << " does not show " << text.toStdString();
    return found.empty() ? QPoint() : list->visualItemRect(found.front()).center();
  }
  void ClickListItem(const char* name, const QString& text, bool twice = false) {
    auto* list = Control<QListWidget>(name);
    const QPoint centre = ItemCentre(list, text);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    if (twice)
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
  }
  // Right-clicks the widget at the point and chooses the entry of its context
  // menu with the keyboard; the entries the menu showed, separators left out.
  QStringList ChooseFromContextMenu(QWidget* widget, QPoint at, const QString& entry) {
    QStringList shown;
    // The menu runs its own event loop, in which the timer chooses the entry.
    QTimer chooser;
    chooser.setSingleShot(true);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr)
        return;
      QAction* chosen = nullptr;
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
          shown << action->text();
        if (action->text() == entry)
          chosen = action;
      }
      menu->setActiveAction(chosen);
      QTest::keyClick(menu, chosen != nullptr ? Qt::Key_Return : Qt::Key_Escape);
    });
    chooser.start(0);
    // Through the window, as the window system delivers a click: a right
    // press also asks for the context menu.
    QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, widget->mapTo(form.get(), at));
    EXPECT_TRUE(shown.contains(entry))
        << "no entry " << entry.toStdString() << " in the menu of " << widget->objectName().toStdString();
    return shown;
  }
  void ChooseFromContextMenu(const char* listName, const QString& item, const QString& entry) {
    auto* list = Control<QListWidget>(listName);
    ChooseFromContextMenu(list->viewport(), ItemCentre(list, item), entry);
  }

  // Whether exactly one error was reported and it contains the text; with
  // no text, whether none was.
  ::testing::AssertionResult Reported(const char* part = nullptr) const {
    if (dialogs.errors.size() == (part ? 1u : 0u) &&
        (!part || dialogs.errors[0].find(part) != std::string::npos))
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << dialogs.errors.size() << " errors: " << (dialogs.errors.empty() ? "" : dialogs.errors[0]);
  }
  // The calls the window made on one file player, in order.
  Lines PlayerCalls(const std::string& player) const {
    Lines calls;
    for (const std::string& entry : playerLog) {
      if (entry.starts_with(player + " "))
        calls.push_back(entry.substr(player.size() + 1));
    }
    return calls;
  }
  std::string LastCall(const std::string& player) const {
    const Lines calls = PlayerCalls(player);
    return calls.empty() ? "" : calls.back();
  }
  fs::path Song(const char* file = "") const { return dir.path() / "song" / file; }
  fs::path Tmp(const char* file = "") const { return dir.path() / "tmp" / file; }

  // A key pressed on the focused button, then time for the live player's
  // note to start, so that the next key is not refused as arriving before it.
  // The text is the typed character: a capital with Shift.
  void KeyDown(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyPress(QApplication::focusWidget(), typed, modifiers);
    midiOutput.Advance(std::chrono::milliseconds(20));
    QCoreApplication::processEvents();
  }
  void KeyUp(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyRelease(QApplication::focusWidget(), typed, modifiers);
  }
  void Key(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    KeyDown(typed, modifiers);
    KeyUp(typed, modifiers);
  }
  void Keys(const char* typed) {
    for (const char* c = typed; *c != '\0'; ++c)
      Key(*c);
  }
  // The notes the live player sounded, as channel * 1000 + key.
  Notes Sounded() const {
    Notes notes;
    for (const player::VirtualStreamOutput::SentMessage& sent : midiOutput.Messages()) {
      if ((sent.message & 0xF0) == 0x90 && (sent.message >> 16) > 0)
        notes.push_back(static_cast<int>((sent.message & 0x0F) * 1000 + (sent.message >> 8 & 0x7F)));
    }
    return notes;
  }
  Notes Recorded() const { return form->Recording().recordedNotes(); }

  // A left-button stroke on a grid from the first point through the others,
  // released at the last, with any other buttons held throughout.
  void Stroke(const char* grid, const std::vector<QPoint>& path, Qt::MouseButtons alsoHeld = {}) {
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
      QMouseEvent event(type, at, Control(grid)->mapToGlobal(at), button, held, Qt::NoModifier);
      QApplication::sendEvent(Control(grid), &event);
    };
    send(QEvent::MouseButtonPress, path.front(), Qt::LeftButton, Qt::LeftButton | alsoHeld);
    for (const QPoint at : path)
      send(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton | alsoHeld);
    send(QEvent::MouseButtonRelease, path.back(), Qt::LeftButton, alsoHeld);
  }
  // A bar over columns first..last of a row in 4/4, from the middle of the
  // first column to the middle of the last.
  void Bar(int row, int first, int last, const char* grid = "pb1") {
    Stroke(grid, {{first * 24 - 12, row * 30 - 15}, {last * 24 - 12, row * 30 - 15}});
  }

  TempDir dir;
  ScriptedDialogs dialogs;
  Lines playerLog;
  // The last file player made under each name.
  std::map<std::string, RecordingFilePlayer*> players;
  // The time the window reads from its clock.
  std::chrono::steady_clock::time_point now{};
  player::UiThread uiThread = app::QtUiThread();
  player::VirtualStreamOutput midiOutput{uiThread};
  std::unique_ptr<app::TMainForm2> form;
};

} // namespace arvento::test
