// The melody grid pb1 and the pattern grid pb2: what drags, erasing and the
// right button draw, read back by the conversion, how the grids are drawn
// empty in either metre, and when they are.

#include "FormFixture.h"

#include <QRadioButton>
#include <QTest>

#include <functional>

namespace arvento::test {
namespace {

// The tick marks along the top of the first row, one at every column boundary.
int ColumnBoundaries(const QImage& grid) {
  int ticks = 0;
  for (int x = 1; x < grid.width() - 1; ++x)
    ticks += grid.pixelColor(x, 2) == Qt::black ? 1 : 0;
  return ticks;
}

struct Gesture {
  const char* name;
  std::function<void(FormTest&, const char* grid)> draw;
  const char* rhythm; // the first row as the conversion reads it
};

const Gesture kGestures[] = {
    {"drag",
     [](FormTest& t, const char* g) {
       t.Drag(50, 110, 15, {70, 90}, g);
     },
     "2p*8 3*8 27p*8 "},
    {"touching bars stay apart",
     [](FormTest& t, const char* g) {
       t.Bar(1, 3, 3, g);
       t.Bar(1, 4, 5, g);
     },
     "2p*8 1*8 2*8 27p*8 "},
    {"a new bar cuts an old one",
     [](FormTest& t, const char* g) {
       t.Bar(1, 1, 8, g);
       t.Bar(1, 4, 5, g);
     },
     "3*8 2*8 3*8 24p*8 "},
    // Out past column 10 and back to column 5, the pointer off the row: the
    // trail beyond the bar keeps to the row line and reads as a second bar.
    {"trail",
     [](FormTest& t, const char* g) {
       t.Mouse(QEvent::MouseButtonPress, {50, 15}, Qt::LeftButton, Qt::LeftButton, g);
       for (const QPoint p : {QPoint(150, 40), QPoint(230, 5), QPoint(110, 15)})
         t.Mouse(QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton, g);
       t.Mouse(QEvent::MouseButtonRelease, {110, 15}, Qt::LeftButton, Qt::NoButton, g);
     },
     "2p*8 3*8 5*8 22p*8 "},
    // Released left of the press column: no bar, the trail remains.
    {"backwards", [](FormTest& t, const char* g) { t.Drag(190, 100, 15, {}, g); }, "4p*8 4*8 24p*8 "},
    {"left press with the right button held",
     [](FormTest& t, const char* g) {
       t.Mouse(QEvent::MouseButtonPress, {50, 15}, Qt::LeftButton, Qt::LeftButton | Qt::RightButton, g);
       t.Mouse(QEvent::MouseMove, {110, 15}, Qt::NoButton, Qt::LeftButton | Qt::RightButton, g);
       t.Mouse(QEvent::MouseButtonRelease, {110, 15}, Qt::LeftButton, Qt::RightButton, g);
     },
     "32p*8 "},
    // In erase mode a drag erases only the column of its release, and a
    // right click nothing on the melody grid, whose first row has no row
    // above to copy.
    {"erase",
     [](FormTest& t, const char* g) {
       t.Bar(1, 3, 6, g);
       t.Click(g == std::string("pb1") ? "bbDrawErase" : "bbDellin");
       t.Drag(30, 84, 15, {150}, g);
       t.Drag(300, 300, 15, {}, g);
       t.Click(g == std::string("pb1") ? "bbDrawErase" : "bbDellin");
       QTest::mouseClick(t.Control(g), Qt::RightButton, {}, {60, 15});
     },
     "2p*8 1*8 1p*8 2*8 26p*8 "},
};

TEST_F(FormTest, GesturesOnEitherGridReadBackAsTheirBars) {
  for (const auto& [mode, grid, test] :
       {std::tuple{"bbPodb", "pb1", "bbProba"}, {"bbPerebor", "pb2", "bbProv2"}}) {
    for (const Gesture& gesture : kGestures) {
      SCOPED_TRACE(std::string(grid) + " " + gesture.name);
      // Entering the page draws its grid empty.
      Click(mode);
      gesture.draw(*this, grid);
      dialogs.Clear();
      Click(test);
      EXPECT_EQ(dialogs.notices, Lines{"Не записана ни одна нота!"});
      ASSERT_FALSE(form->RhythmText().empty());
      EXPECT_EQ(form->RhythmText()[0], gesture.rhythm);
    }
  }
}

TEST_F(FormTest, EraseModeIsSharedAndTheRightButtonActsByGrid) {
  Click("bbPerebor");
  EXPECT_EQ(Text("bbDellin"), "Удаление");
  Click("bbDellin");
  EXPECT_EQ(Text("bbDellin"), "Рисовать");
  Click("bbPodb");
  EXPECT_EQ(Text("bbDrawErase"), "Удаление");
  Bar(1, 1, 3);
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase"), "Удалить");
  // On the melody grid the right button copies the row above, in either mode.
  Bar(2, 1, 2);
  Bar(2, 7, 7);
  Bar(3, 20, 30);
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(400, 70));
  Click("bbDrawErase");
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(10, 100));
  Click("bbProba");
  const Lines rows = form->RhythmText();
  ASSERT_EQ(rows.size(), 8u);
  EXPECT_EQ(rows[0], "32p*8 ");
  EXPECT_EQ(rows[1], "2*8 4p*8 1*8 25p*8 ");
  EXPECT_EQ(rows[2], rows[1]);
  EXPECT_EQ(rows[3], rows[1]);
  // On the pattern grid it erases in erase mode only.
  Click("bbPerebor");
  Click("bbDellin");
  Bar(1, 1, 3, "pb2");
  QTest::mouseClick(Control("pb2"), Qt::RightButton, {}, QPoint(36, 15));
  Click("bbDellin");
  QTest::mouseClick(Control("pb2"), Qt::RightButton, {}, QPoint(12, 15));
  Click("bbProv2");
  EXPECT_EQ(form->RhythmText(), Lines{"1p*8 2*8 29p*8 "});
}

TEST_F(FormTest, AMetreChangeAsksAndRedrawsBothGrids) {
  Click("bbPodb");
  Click("bbRecCard");
  Keys("as");
  Melody("8c7, ");
  Click("bbPodb");
  EXPECT_EQ(ColumnBoundaries(Picture("pb1")), 31);
  // Answered No, the pane and the recording stay; both pages show the metre.
  dialogs.Plan({false});
  Click("rb6");
  EXPECT_TRUE(Control<QRadioButton>("rb62")->isChecked());
  EXPECT_EQ(Text("re2"), "8c7, ");
  EXPECT_EQ(Recorded().size(), 2u);
  Click("bbPerebor");
  EXPECT_EQ(ColumnBoundaries(Picture("pb2")), 23);
  // Columns of 32 pixels, 24 to a row.
  Drag(40, 60, 15, {}, "pb2");
  Click("bbProv2");
  EXPECT_EQ(form->RhythmText(), Lines{"1p*8 1*8 22p*8 "});

  dialogs.Plan({true, true});
  Click("rb82");
  EXPECT_TRUE(Control<QRadioButton>("rb8")->isChecked());
  EXPECT_EQ(Text("re2"), "");
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(ColumnBoundaries(Picture("pb2")), 31);
  Click("bbPodb");
  EXPECT_EQ(ColumnBoundaries(Picture("pb1")), 31);
  Click("rb6");
  EXPECT_EQ(ColumnBoundaries(Picture("pb1")), 23);
  EXPECT_EQ(dialogs.questions, Lines(3, "Новый фрагмент мелодии?"));
}

TEST_F(FormTest, NewAsksAndEmptiesTheGridTheTextsAndTheRecording) {
  Click("bbPodb");
  Click("bbRecCard");
  Keys("as");
  Bar(1, 1, 3);
  Click("bbProba");
  dialogs.Plan({false});
  Click("bbSetka");
  EXPECT_EQ(Recorded().size(), 2u);
  EXPECT_FALSE(Text("re2").isEmpty());
  const QImage drawn = Picture();
  dialogs.Plan({true});
  Click("bbSetka");
  EXPECT_EQ(dialogs.questions, Lines(2, "Новый фрагмент мелодии?"));
  EXPECT_NE(Picture(), drawn);
  EXPECT_TRUE(Recorded().empty());
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_EQ(Text("re2"), "");
  Click("bbProba");
  EXPECT_EQ(form->RhythmText()[0], "32p*8 ");
}

TEST_F(FormTest, TheNoteLengthIsOneSettingOnBothPages) {
  Click("bbPodb");
  Type("cb1", "16");
  EXPECT_EQ(Text("cb12"), "16");
  Click("bbPerebor");
  Type("cb12", "4");
  EXPECT_EQ(Text("cb1"), "4");
  Bar(1, 1, 3, "pb2");
  Click("bbProv2");
  EXPECT_EQ(form->RhythmText(), Lines{"3*4 29p*4 "});
}

} // namespace
} // namespace arvento::test
