#include "FormFixture.h"

#include "app/QtUiThread.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace arvento::test {

void FormTest::Start(bool soundOn) {
  const app::FormServices services{
      .dialogs = dialogs,
      .newFilePlayer = [this](const std::string& name) -> std::unique_ptr<player::FilePlayer> {
        auto player = std::make_unique<RecordingFilePlayer>(name, playerLog);
        players[name] = player.get();
        return player;
      },
      .midiOutput = midiOutput,
      .uiThread = uiThread,
      .startDirectory = dir.path(),
      .soundStatus = soundOn ? QString() : "Звук выключен: нет устройства вывода звука",
      .soundDescription = "FluidSynth, TimGM6mb.sf2",
      .clock = [this] { return now; },
  };
  form = std::make_unique<app::TMainForm2>(services);
  form->show();
  form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void FormTest::Click(const char* name) {
  auto* button = Control<QAbstractButton>(name);
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(button->isVisible()) << name << " is not on the visible page";
  QTest::mouseClick(button, Qt::LeftButton);
}

void FormTest::Choose(const char* name, const QString& item) {
  auto* combo = Control<QComboBox>(name);
  ASSERT_NE(combo, nullptr);
  const int index = combo->findText(item);
  ASSERT_GE(index, 0) << name << " has no item " << item.toStdString();
  combo->setFocus();
  QTest::keyClick(combo, Qt::Key_Home);
  for (int i = 0; i < index; ++i)
    QTest::keyClick(combo, Qt::Key_Down);
  ASSERT_EQ(combo->currentText(), item);
}

void FormTest::Type(const char* name, const QString& text) {
  QWidget* edit = Control<QWidget>(name);
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Delete);
  const QStringList lines = text.split('\n');
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0)
      QTest::keyClick(edit, Qt::Key_Return);
    for (const QChar c : lines[i]) {
      if (c.unicode() < 0x80)
        QTest::keyClick(edit, c.toLatin1());
      else
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

void FormTest::ClickListItem(const char* name, const QString& text, bool twice) {
  auto* list = Control<QListWidget>(name);
  ASSERT_NE(list, nullptr);
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << name << " does not show " << text.toStdString();
  const QPoint centre = list->visualItemRect(found.front()).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
  if (twice)
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void FormTest::ChooseFromContextMenu(const char* listName, const QString& item, const QString& entry) {
  auto* list = Control<QListWidget>(listName);
  ASSERT_NE(list, nullptr);
  ASSERT_TRUE(list->isVisible()) << listName << " is not on the visible page";
  const QList<QListWidgetItem*> found = list->findItems(item, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << listName << " does not show " << item.toStdString();
  bool chosen = false;
  // The menu runs its own event loop, in which the timer chooses the entry.
  QTimer chooser;
  chooser.setSingleShot(true);
  QObject::connect(&chooser, &QTimer::timeout, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
      return;
    for (QAction* action : menu->actions()) {
      if (action->text() == entry) {
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
        chosen = true;
        return;
      }
    }
    menu->close();
  });
  chooser.start(0);
  // Through the window, as the window system delivers a click: a right
  // press also asks for the context menu.
  const QPoint centre = list->visualItemRect(found.front()).center();
  QTest::mouseClick(form->windowHandle(), Qt::RightButton, {}, list->viewport()->mapTo(form.get(), centre));
  EXPECT_TRUE(chosen) << "no entry " << entry.toStdString() << " in the context menu of " << listName;
}

QString FormTest::Text(const char* name) const {
  if (auto* label = form->findChild<QLabel*>(name))
    return label->text();
  if (auto* edit = form->findChild<QLineEdit*>(name))
    return edit->text();
  if (auto* pane = form->findChild<QPlainTextEdit*>(name))
    return pane->toPlainText();
  if (auto* combo = form->findChild<QComboBox*>(name))
    return combo->currentText();
  if (auto* button = form->findChild<QAbstractButton*>(name))
    return button->text();
  ADD_FAILURE() << "no text control " << name;
  return {};
}

QString FormTest::StatusText() const {
  return Text("stbText");
}

std::vector<std::string> FormTest::PlayerCalls(const std::string& player) const {
  std::vector<std::string> calls;
  for (const std::string& entry : playerLog) {
    if (entry.starts_with(player + " "))
      calls.push_back(entry.substr(player.size() + 1));
  }
  return calls;
}

} // namespace arvento::test
