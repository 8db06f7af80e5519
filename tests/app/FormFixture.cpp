#include "FormFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <chrono>

namespace arvento::test {

void FormTest::Start(bool soundOn) {
  const app::FormServices services{
      .dialogs = dialogs,
      .newFilePlayer = [this](const std::string& name) -> std::unique_ptr<player::FilePlayer> {
        return std::make_unique<RecordingFilePlayer>(name, playerLog);
      },
      .midiOutput = midiOutput,
      .uiThread = uiThread,
      .startDirectory = dir.path(),
      .soundOn = soundOn,
      .soundDescription = "FluidSynth, TimGM6mb.sf2",
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
  // A radio button reacts to its indicator or caption only, not to the free
  // space its layout gives it; the indicator is at its left.
  const int side = button->height() / 2;
  QTest::mouseClick(button, Qt::LeftButton, {},
                    qobject_cast<QRadioButton*>(button) ? QPoint(side, side) : button->rect().center());
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
  QWidget* edit = Control(name);
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(edit, Qt::Key_Delete);
  for (const QChar c : text) {
    if (c == '\n')
      QTest::keyClick(edit, Qt::Key_Return);
    else if (c.unicode() < 0x80)
      QTest::keyClick(edit, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void FormTest::SlideTo(const char* name, Qt::Key key) {
  QSlider* slider = Slider(name);
  slider->setFocus();
  QTest::keyClick(slider, key);
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

void FormTest::PressPlayerButton(const char* player, const char* button) {
  QTest::mouseClick(Control(player)->findChild<QAbstractButton*>(button), Qt::LeftButton);
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
  return Control<QAbstractButton>(name)->text();
}

::testing::AssertionResult FormTest::Reported(const char* part) const {
  const std::size_t count = part ? 1 : 0;
  if (dialogs.errors.size() == count && (count == 0 || dialogs.errors[0].find(part) != std::string::npos))
    return ::testing::AssertionSuccess();
  ::testing::AssertionResult failure = ::testing::AssertionFailure() << "errors reported:";
  for (const std::string& error : dialogs.errors)
    failure << "\n  " << error;
  return failure;
}

Lines FormTest::PlayerCalls(const std::string& player) const {
  Lines calls;
  for (const std::string& entry : playerLog) {
    if (entry.starts_with(player + " "))
      calls.push_back(entry.substr(player.size() + 1));
  }
  return calls;
}

std::string FormTest::LastCall(const std::string& player) const {
  const Lines calls = PlayerCalls(player);
  return calls.empty() ? std::string() : calls.back();
}

void FormTest::Key(char typed, Qt::KeyboardModifiers modifiers) {
  ASSERT_NE(QApplication::focusWidget(), nullptr);
  QTest::keyClick(QApplication::focusWidget(), typed, modifiers);
  Settle();
}

void FormTest::KeyDown(char typed, Qt::KeyboardModifiers modifiers) {
  QTest::keyPress(QApplication::focusWidget(), typed, modifiers);
  Settle();
}

void FormTest::KeyUp(char typed, Qt::KeyboardModifiers modifiers) {
  QTest::keyRelease(QApplication::focusWidget(), typed, modifiers);
}

void FormTest::Settle() {
  using namespace std::chrono_literals;
  midiOutput.Advance(20ms);
  QCoreApplication::processEvents();
}

Notes FormTest::Sounded() const {
  Notes notes;
  for (const player::VirtualStreamOutput::SentMessage& sent : midiOutput.Messages()) {
    if ((sent.message & 0xF0) == 0x90 && (sent.message >> 16) > 0)
      notes.push_back(static_cast<int>(sent.message & 0x0F) * 1000 +
                      static_cast<int>(sent.message >> 8 & 0x7F));
  }
  return notes;
}

void FormTest::Drag(int pressX, int releaseX, int y, const std::vector<int>& via, const char* grid) {
  QWidget* canvas = Control(grid);
  QTest::mousePress(canvas, Qt::LeftButton, {}, QPoint(pressX, y));
  for (const int x : via)
    QTest::mouseMove(canvas, QPoint(x, y));
  QTest::mouseMove(canvas, QPoint(releaseX, y));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, QPoint(releaseX, y));
}

void FormTest::Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
                     const char* grid) {
  QWidget* canvas = Control(grid);
  QMouseEvent event(type, at, canvas->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(canvas, &event);
}

QImage FormTest::Picture(const char* grid) const {
  return Control(grid)->grab().toImage();
}

} // namespace arvento::test
