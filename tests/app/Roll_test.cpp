// The piano-roll window: opened from a project file list and from the
// assembly page, zoomed about the mouse, its tracks shown, dimmed and
// hidden, a note's tooltip, the cursor that follows the playback only when
// the user lets it, and a fresh reading when the file changes on disk.

#include "FormFixture.h"

#include "app/RollWindow.h"
#include "roll/RollColours.h"

#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace arvento::test {
namespace {

using app::RollWindow;

class RollTest : public FormTest {
protected:
  // Opens the roll of the melody part from the project group's list.
  void SetUp() override {
    Start();
    OpenProject("song");
    // c6 over ticks 0..48 and, after a rest, e6 and g6.
    Save("bbMelod", "4c6, 8p, 8e6, 4g6, ", "1");
    ChooseFromContextMenu("flbSum", "ch1v1m.mid", "Пиано-ролл");
    ASSERT_EQ(Windows().size(), 1);
    window = Windows().front();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    canvas = window->View().Canvas();
  }

  QList<RollWindow*> Windows() const { return form->findChildren<RollWindow*>(); }

  static void Turn(QWidget* widget, QPointF at, QPoint angle, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(at, widget->mapToGlobal(at), {}, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(widget, &wheel);
  }

  QColor CanvasPixel(QPointF at) const { return canvas->grab().toImage().pixelColor(at.toPoint()); }

  // The middle of a note's rectangle in the canvas.
  QPointF NoteMiddle(double start, double end, int key) const {
    const roll::RollGeometry& g = window->View().Geometry();
    return {(g.X(start) + g.X(end)) / 2, g.RowTop(key) + g.rowHeight / 2};
  }

  RollWindow* window = nullptr;
  QWidget* canvas = nullptr;
};

// The assembly page's button shows the file of the last assembly, and only after one.
TEST_F(RollTest, TheAssemblyPagesButtonOpensTheAssembledFile) {
  Click("bbSbor");
  EXPECT_FALSE(Control("bbRoll")->isEnabled());
  Click("bbSobr");
  Click("bbRoll");
  EXPECT_TRUE(Reported());
  ASSERT_EQ(Windows().size(), 2);
  EXPECT_TRUE(Windows().back()->isVisible() && Windows().back()->isWindow() && !Windows().back()->isModal());
  EXPECT_EQ(Windows().back()->windowTitle(), "Пиано-ролл: song.mid");
  EXPECT_EQ(PlayerCalls("roll").back(), "Open " + Song("song.mid").string());
}

TEST_F(RollTest, ZoomKeepsThePointUnderTheMouse) {
  const roll::RollGeometry& g = window->View().Geometry();
  // A notch with Ctrl zooms the time, with Shift the keys, by a quarter about
  // the mouse, within the pixel the scroll bar rounds the scroll to.
  const QPointF mouse(canvas->width() * 0.6, canvas->height() * 0.4);
  const double tick = g.Tick(mouse.x()), pixelsPerTick = g.pixelsPerTick;
  Turn(canvas, mouse, {0, 120}, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(g.pixelsPerTick, pixelsPerTick * 1.25);
  EXPECT_NEAR(g.X(tick), mouse.x(), 1);
  const double rows = (mouse.y() + g.scrollY) / g.rowHeight, rowHeight = g.rowHeight;
  Turn(canvas, mouse, {0, 120}, Qt::ShiftModifier);
  EXPECT_DOUBLE_EQ(g.rowHeight, rowHeight * 1.25);
  EXPECT_NEAR(rows * g.rowHeight - g.scrollY, mouse.y(), 1);
  // The wheel alone scrolls the keys.
  const double scrollY = g.scrollY;
  Turn(canvas, mouse, {0, -120}, Qt::NoModifier);
  EXPECT_GT(g.scrollY, scrollY);
}

TEST_F(RollTest, TracksShownDimmedAndHiddenAndANotesTooltip) {
  // The melody is track 2 of its file; c6 lasts a quarter from tick 0.
  const QPointF note = NoteMiddle(0, 48, 60);
  EXPECT_EQ(CanvasPixel(note), roll::TrackColour(2));

  Choose("trackMode2", "Приглушить");
  const QColor ghost = CanvasPixel(note);
  EXPECT_NE(ghost, roll::TrackColour(2));
  EXPECT_NE(ghost, roll::kWhiteKeyRow);
  Choose("trackMode2", "Скрыть");
  EXPECT_EQ(CanvasPixel(note), roll::kWhiteKeyRow);

  Choose("trackMode2", "Показать");
  QHelpEvent help(QEvent::ToolTip, note.toPoint(), canvas->mapToGlobal(note.toPoint()));
  QApplication::sendEvent(canvas, &help);
  EXPECT_EQ(QToolTip::text(), "4c6, такт 1, доля 1, громкость 100, дорожка 2");
}

TEST_F(RollTest, TheCursorFollowsOnlyWhenTheUserLetsIt) {
  const roll::RollGeometry& g = window->View().Geometry();
  // Zoomed in at the start, the view shows the first ticks only.
  for (int turn = 0; turn < 8; ++turn)
    Turn(canvas, {0, 10}, {0, 120}, Qt::ControlModifier);
  now += std::chrono::seconds(3);
  QTest::mouseClick(window->findChild<QAbstractButton*>("playButton"), Qt::LeftButton);
  EXPECT_EQ(PlayerCalls("roll").back(), "Play " + Song("ch1v1m.mid").string());
  RecordingFilePlayer& player = *players.at("roll");

  // A cursor inside the view leaves it where it is; one past its right edge brings it along.
  player.tick = static_cast<std::uint32_t>(g.Tick(canvas->width() / 2));
  window->ShowPlayback();
  EXPECT_EQ(g.scrollX, 0);
  player.tick = static_cast<std::uint32_t>(g.Tick(canvas->width())) + 2;
  window->ShowPlayback();
  EXPECT_NEAR(g.Tick(0), player.tick, 1 / g.pixelsPerTick);

  // The user scrolls back: for two seconds the view stays where the user
  // put it, though the cursor has left it.
  Turn(canvas, {10, 10}, {120, 0}, Qt::NoModifier);
  const double userScroll = g.scrollX;
  EXPECT_LT(userScroll, g.X(player.tick) + g.scrollX);
  player.tick = static_cast<std::uint32_t>(g.Tick(canvas->width())) + 2;
  now += std::chrono::milliseconds(1999);
  window->ShowPlayback();
  EXPECT_EQ(g.scrollX, userScroll);
  now += std::chrono::milliseconds(1);
  window->ShowPlayback();
  EXPECT_NEAR(g.Tick(0), player.tick, 1 / g.pixelsPerTick);

  // Nor while the user holds a scroll bar, however long.
  auto* bar = window->findChild<QScrollBar*>("rollHorizontal");
  bar->setSliderDown(true);
  bar->setValue(0);
  now += std::chrono::seconds(10);
  window->ShowPlayback();
  EXPECT_EQ(g.scrollX, 0);
  bar->setSliderDown(false);
  now += std::chrono::seconds(2);
  window->ShowPlayback();
  EXPECT_NEAR(g.Tick(0), player.tick, 1 / g.pixelsPerTick);
}

TEST_F(RollTest, ASavedFileIsReadAgain) {
  EXPECT_EQ(window->View().Geometry().topKey, 67 + 2);
  dialogs.Plan({true});
  Type("re2", "4c6, 8p, 8e6, 4c7, ");
  Click("bbSaveSingle");
  EXPECT_TRUE(dialogs.AllAnswered());
  QTRY_COMPARE(window->View().Geometry().topKey, 72 + 2);
  EXPECT_EQ(PlayerCalls("roll").back(), "Open " + Song("ch1v1m.mid").string());
  EXPECT_EQ(CanvasPixel(NoteMiddle(96, 144, 72)), roll::TrackColour(2));
}

} // namespace
} // namespace arvento::test
