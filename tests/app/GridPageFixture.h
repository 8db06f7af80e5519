#pragma once

// The grid page driven as a person would: keys typed on the focused keyboard
// button, drags on the melody grid, and what the live player sounded.

#include "FormFixture.h"
#include "app/GridCanvas.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <chrono>
#include <vector>

#include <ostream>

// Texts and colours in failure messages as a person reads them.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
// Colours in failure messages as their components.
inline void PrintTo(const QColor& colour, std::ostream* out) {
  *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}

namespace arvento::test {

class GridPageTest : public FormTest {
protected:
  static constexpr int kCell = 24; // 4/4 column width

  void SetUp() override {
    Start();
    Click("bbPodb");
  }

  QWidget* Focused() const { return QApplication::focusWidget(); }

  // Lets the live player's note start, so that the next key is not refused
  // as arriving before it.
  void Settle() {
    using namespace std::chrono_literals;
    midiOutput.Advance(20ms);
    QCoreApplication::processEvents();
  }

  // Presses and releases a key on the focused button; the text is the typed
  // character as the platform gives it (a capital with Shift).
  void Key(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = Focused();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, typed, modifiers);
    Settle();
  }
  void KeyDown(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyPress(Focused(), typed, modifiers);
    Settle();
  }
  void KeyUp(char typed, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyRelease(Focused(), typed, modifiers);
  }
  // What a held key sends while it repeats.
  void KeyRepeat(Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, true);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text, true);
    QApplication::sendEvent(Focused(), &release);
    QApplication::sendEvent(Focused(), &press);
  }
  void Keys(const char* typed) {
    for (const char* c = typed; *c != '\0'; ++c)
      Key(*c);
  }

  // The notes the live player sounded, as channel * 1000 + key.
  std::vector<int> Sounded() const {
    std::vector<int> notes;
    for (const player::VirtualStreamOutput::SentMessage& sent : midiOutput.Messages()) {
      if ((sent.message & 0xF0) == 0x90 && (sent.message >> 16) > 0)
        notes.push_back(static_cast<int>(sent.message & 0x0F) * 1000 +
                        static_cast<int>(sent.message >> 8 & 0x7F));
    }
    return notes;
  }
  std::vector<int> Recorded() const { return form->Recording().recordedNotes(); }

  app::GridCanvas* Grid(const char* name = "pb1") const { return Control<app::GridCanvas>(name); }

  // A left-button drag along a row of the grid, through the given points.
  void Drag(int pressX, int releaseX, int y, std::vector<int> via = {}, const char* grid = "pb1") {
    QTest::mousePress(Grid(grid), Qt::LeftButton, {}, QPoint(pressX, y));
    for (const int x : via)
      QTest::mouseMove(Grid(grid), QPoint(x, y));
    QTest::mouseMove(Grid(grid), QPoint(releaseX, y));
    QTest::mouseRelease(Grid(grid), Qt::LeftButton, {}, QPoint(releaseX, y));
  }
  // A bar over columns first..last (1-based) of row 1..8 in 4/4, dragged
  // from the middle of the first column to the middle of the last.
  void Bar(int row, int first, int last) {
    Drag((first - 1) * kCell + 12, (last - 1) * kCell + 12, (row - 1) * 30 + 15);
  }
  // A pointer event with exactly the buttons held that a person holds.
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
             const char* grid = "pb1") {
    QMouseEvent event(type, at, Grid(grid)->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(Grid(grid), &event);
  }

  // The grid as shown on the screen.
  QImage Shown(const char* grid = "pb1") const { return Grid(grid)->grab().toImage(); }
  QColor Pixel(int x, int y, const char* grid = "pb1") const { return Shown(grid).pixelColor(x, y); }

  // The column centres (4/4) of a row that read red, as a text of 0 and 1.
  std::string FilledColumns(int row) const {
    const QImage image = Shown();
    std::string columns;
    for (int c = 1; c <= 32; ++c)
      columns +=
          image.pixelColor(c * kCell - kCell / 2, (row - 1) * 30 + 15) == QColor(255, 0, 0) ? '1' : '0';
    return columns;
  }

  // The melody pane's lines.
  QStringList Melody() const {
    const QString text = Text("re2");
    return text.isEmpty() ? QStringList{} : text.split('\n');
  }
};

inline const QColor kRed(255, 0, 0);
inline const QColor kSilver(192, 192, 192);
inline const QColor kBlack(0, 0, 0);

} // namespace arvento::test
