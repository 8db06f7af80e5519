// The melody grid pb1: how it is drawn, and what drags, erasing and the
// right-button row copy paint, read back from the pixels shown.

#include "GridPageFixture.h"

namespace arvento::test {
namespace {

using MelodyGridTest = GridPageTest;

TEST_F(MelodyGridTest, TheEmptyGridHasEightRowsOfThirtyTwoColumns) {
  const QImage grid = Shown();
  ASSERT_EQ(grid.size(), QSize(768, 237));
  // The black frame along the edges.
  for (const QPoint p : {QPoint(0, 0), QPoint(767, 0), QPoint(0, 236), QPoint(767, 236), QPoint(0, 15)})
    EXPECT_EQ(grid.pixelColor(p), kBlack) << p.x() << "," << p.y();
  for (int row = 0; row < 8; ++row) {
    const int top = row * 30;
    SCOPED_TRACE(row);
    // The row's top line and its band, silver from 2 above the row line to 4 below.
    EXPECT_EQ(grid.pixelColor(400, top), kBlack);
    EXPECT_EQ(grid.pixelColor(1, top + 13), kSilver);
    EXPECT_EQ(grid.pixelColor(766, top + 19), kSilver);
    EXPECT_NE(grid.pixelColor(100, top + 12), kSilver);
    EXPECT_NE(grid.pixelColor(100, top + 20), kSilver);
    // Short ticks 5 pixels long at every column boundary, long ones (15,
    // their ends under the band) after every 8 columns.
    EXPECT_EQ(grid.pixelColor(24, top + 4), kBlack);
    EXPECT_NE(grid.pixelColor(24, top + 5), kBlack);
    EXPECT_NE(grid.pixelColor(36, top + 3), kBlack);
    EXPECT_EQ(grid.pixelColor(192, top + 12), kBlack);
    EXPECT_EQ(grid.pixelColor(576, top + 12), kBlack);
    EXPECT_EQ(grid.pixelColor(192, top + 13), kSilver);
    EXPECT_EQ(FilledColumns(row + 1), std::string(32, '0'));
  }
}

TEST_F(MelodyGridTest, ADragPaintsOneBarFromThePressColumnToTheReleaseColumn) {
  Drag(50, 110, 20, {70, 90});
  const QImage grid = Shown();
  for (int y = 13; y <= 19; ++y) {
    EXPECT_EQ(grid.pixelColor(52, y), kSilver) << y;
    EXPECT_EQ(grid.pixelColor(53, y), kRed) << y;
    EXPECT_EQ(grid.pixelColor(114, y), kRed) << y;
    EXPECT_EQ(grid.pixelColor(115, y), kSilver) << y;
  }
  EXPECT_NE(grid.pixelColor(80, 12), kRed);
  EXPECT_NE(grid.pixelColor(80, 20), kRed);
  EXPECT_EQ(FilledColumns(1), "00111" + std::string(27, '0'));
  // Joined inside the bar, cut at its ends.
  EXPECT_EQ(grid.pixelColor(72, 15), kRed);
  EXPECT_EQ(grid.pixelColor(96, 15), kRed);
  EXPECT_EQ(grid.pixelColor(48, 15), kSilver);
  EXPECT_EQ(grid.pixelColor(120, 15), kSilver);
  // A drag on row 3 paints on row 3 only.
  Drag(300, 300, 75);
  EXPECT_EQ(FilledColumns(3), std::string(12, '0') + "1" + std::string(19, '0'));
  EXPECT_EQ(FilledColumns(2), std::string(32, '0'));
}

TEST_F(MelodyGridTest, BarsThatTouchStayApartAndANewBarCutsAnOldOne) {
  // One column, then the next two columns: touching, not joined.
  Bar(1, 3, 3);
  Bar(1, 4, 5);
  EXPECT_EQ(FilledColumns(1), "00111" + std::string(27, '0'));
  EXPECT_EQ(Pixel(72, 15), kSilver);
  EXPECT_EQ(Pixel(96, 15), kRed);
  // A drawing over the middle of a bar splits it into three.
  Bar(2, 1, 8);
  Bar(2, 4, 5);
  EXPECT_EQ(FilledColumns(2), "11111111" + std::string(24, '0'));
  for (const int boundary : {3, 5})
    EXPECT_EQ(Pixel(boundary * kCell, 45), kSilver) << boundary;
  for (const int boundary : {1, 2, 4, 6, 7})
    EXPECT_EQ(Pixel(boundary * kCell, 45), kRed) << boundary;
}

TEST_F(MelodyGridTest, TheTrailBeyondTheReleaseStaysAndReadsAsABar) {
  // Out to the centre of column 10 and back to release in column 5; the
  // pointer wanders off the row, the trail keeps to the row line.
  QTest::mousePress(Grid(), Qt::LeftButton, {}, QPoint(50, 15));
  QTest::mouseMove(Grid(), QPoint(150, 40));
  QTest::mouseMove(Grid(), QPoint(230, 5));
  QTest::mouseMove(Grid(), QPoint(110, 15));
  QTest::mouseRelease(Grid(), Qt::LeftButton, {}, QPoint(110, 15));
  EXPECT_EQ(FilledColumns(1), "0011111111" + std::string(22, '0'));
  EXPECT_EQ(Pixel(230, 15), kRed);
  EXPECT_EQ(Pixel(231, 15), kSilver);
  EXPECT_EQ(Pixel(200, 14), kSilver);
  EXPECT_EQ(Pixel(200, 16), kSilver);
  EXPECT_EQ(FilledColumns(2), std::string(32, '0'));
  // Released left of the press column: no bar, the trail remains.
  Drag(200, 100, 45);
  EXPECT_EQ(FilledColumns(2), std::string(4, '0') + "1111" + std::string(24, '0'));
  EXPECT_EQ(Pixel(100, 44), kSilver);
}

TEST_F(MelodyGridTest, EraseModeEmptiesTheColumnUnderThePointer) {
  Bar(1, 3, 5);
  EXPECT_EQ(Text("bbDrawErase"), "Удаление");
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase"), "Рисовать");
  // A drag does nothing until its release, which erases one column.
  Drag(30, 84, 15, {150});
  EXPECT_EQ(FilledColumns(1), "00101" + std::string(27, '0'));
  EXPECT_EQ(Pixel(72, 15), kSilver);
  EXPECT_EQ(Pixel(96, 15), kSilver);
  EXPECT_EQ(Pixel(150, 15), kSilver);
  // Erasing an empty column changes nothing visible.
  const QImage before = Shown();
  Drag(300, 300, 15);
  EXPECT_EQ(Shown(), before);
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase"), "Удалить");
  Bar(1, 4, 4);
  EXPECT_EQ(FilledColumns(1), "00111" + std::string(27, '0'));
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase"), "Рисовать");
}

TEST_F(MelodyGridTest, TheRightButtonCopiesTheRowAbove) {
  Bar(2, 1, 2);
  Bar(2, 7, 7);
  Bar(3, 20, 30);
  QTest::mouseClick(Grid(), Qt::RightButton, {}, QPoint(400, 70));
  EXPECT_EQ(FilledColumns(3), FilledColumns(2));
  EXPECT_EQ(Shown().copy(1, 73, 766, 7), Shown().copy(1, 43, 766, 7));
  // The copy works in erase mode too; on row 1 it does nothing.
  Click("bbDrawErase");
  QTest::mouseClick(Grid(), Qt::RightButton, {}, QPoint(10, 100));
  EXPECT_EQ(FilledColumns(4), FilledColumns(2));
  Click("bbDrawErase");
  Bar(1, 32, 32);
  const QImage before = Shown();
  QTest::mouseClick(Grid(), Qt::RightButton, {}, QPoint(10, 29));
  EXPECT_EQ(Shown(), before);
  // A right-button click in draw mode paints no bar.
  EXPECT_EQ(FilledColumns(1), std::string(31, '0') + "1");
}

TEST_F(MelodyGridTest, ALeftPressWhileTheRightButtonIsHeldStartsNoDrag) {
  Mouse(QEvent::MouseButtonPress, QPoint(50, 15), Qt::LeftButton, Qt::LeftButton | Qt::RightButton);
  Mouse(QEvent::MouseMove, QPoint(110, 15), Qt::NoButton, Qt::LeftButton | Qt::RightButton);
  Mouse(QEvent::MouseButtonRelease, QPoint(110, 15), Qt::LeftButton, Qt::RightButton);
  EXPECT_EQ(FilledColumns(1), std::string(32, '0'));
  EXPECT_EQ(Pixel(80, 15), kSilver);
}

TEST_F(MelodyGridTest, NewAsksAndEmptiesGridTextsAndRecording) {
  Click("bbRecCard");
  Keys("asd");
  Bar(1, 1, 3);
  Click("bbProba");
  ASSERT_FALSE(Text("re2").isEmpty());
  dialogs.Plan({false});
  Click("bbSetka");
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Новый фрагмент мелодии?"});
  EXPECT_EQ(FilledColumns(1), "111" + std::string(29, '0'));
  EXPECT_EQ(Recorded().size(), 3u);
  EXPECT_FALSE(Text("re2").isEmpty());
  dialogs.Plan({true});
  Click("bbSetka");
  EXPECT_EQ(FilledColumns(1), std::string(32, '0'));
  EXPECT_TRUE(Recorded().empty());
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_EQ(Text("re2"), "");
}

TEST_F(MelodyGridTest, ThreeFourRedrawsTwentyFourColumnsOnBothPages) {
  Click("bbRecCard");
  Keys("as");
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPodb");
  Bar(1, 1, 1);
  // Answered No: the pane, the recording and the drawing stay, the metre
  // buttons of both pages show 3/4 at once.
  dialogs.Plan({false});
  Click("rb6");
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Новый фрагмент мелодии?"});
  EXPECT_TRUE(Control<QAbstractButton>("rb62")->isChecked());
  EXPECT_EQ(Text("re2"), "8c7, ");
  EXPECT_EQ(Recorded().size(), 2u);
  EXPECT_EQ(Pixel(12, 15), kRed);
  EXPECT_EQ(Pixel(24, 2), kBlack);

  dialogs.Plan({true});
  Click("rb8");
  dialogs.Plan({true});
  Click("rb6");
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_EQ(Text("re2"), "");
  EXPECT_TRUE(Recorded().empty());
  const QImage grid = Shown();
  for (int row = 0; row < 8; ++row) {
    const int top = row * 30;
    EXPECT_EQ(grid.pixelColor(32, top + 4), kBlack);
    EXPECT_NE(grid.pixelColor(24, top + 4), kBlack);
    EXPECT_EQ(grid.pixelColor(192, top + 12), kBlack);
    EXPECT_NE(grid.pixelColor(256, top + 12), kBlack);
    EXPECT_EQ(grid.pixelColor(384, top + 12), kBlack);
    EXPECT_EQ(grid.pixelColor(16, top + 15), kSilver);
  }
  // Columns of 32 pixels: a press and release in column 2 paint it red
  // but for 5 pixels at either end.
  Drag(40, 60, 15);
  EXPECT_EQ(Pixel(36, 15), kSilver);
  EXPECT_EQ(Pixel(37, 15), kRed);
  EXPECT_EQ(Pixel(58, 15), kRed);
  EXPECT_EQ(Pixel(59, 15), kSilver);
}

TEST_F(MelodyGridTest, TheNoteLengthIsCopiedToThePartsPage) {
  Type("cb1", "16");
  EXPECT_EQ(Text("cb12"), "16");
  Type("cb1", "32");
  EXPECT_EQ(Text("cb12"), "32");
  // The length changes nothing on the grid.
  EXPECT_EQ(FilledColumns(1), std::string(32, '0'));
  EXPECT_EQ(Pixel(24, 4), kBlack);
}

TEST_F(MelodyGridTest, EnteringTheGridPageRedrawsItEmptyAndKeepsTheTexts) {
  Click("bbRecCard");
  Keys("as");
  Bar(1, 1, 2);
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPodb");
  EXPECT_EQ(FilledColumns(1), std::string(32, '0'));
  EXPECT_EQ(Text("re2"), "8c7, ");
  EXPECT_EQ(Recorded().size(), 2u);
  Bar(1, 1, 2);
  Click("bbPerebor");
  Click("bbPodb");
  EXPECT_EQ(FilledColumns(1), std::string(32, '0'));
}

} // namespace
} // namespace arvento::test
