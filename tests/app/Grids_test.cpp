// The melody grid pb1 and the pattern grid pb2 drawn on and read back by
// "Проверка" and "Тест"; the grid page's conversion, fragment buffer and
// octave buttons.

#include "FormFixture.h"

namespace arvento::test {
namespace {

// The tick marks along the top of the first row, one at every column boundary.
int ColumnBoundaries(QWidget* grid) {
  const QImage image = grid->grab().toImage();
  int ticks = 0;
  for (int x = 1; x < image.width() - 1; ++x)
    ticks += image.pixelColor(x, 2) == Qt::black ? 1 : 0;
  return ticks;
}

TEST_F(FormTest, StrokesOnEitherGridReadBackAsTheirBars) {
  // The strokes, the buttons held besides the left one, and the first row as read.
  const std::tuple<std::vector<std::vector<QPoint>>, Qt::MouseButtons, const char*> drawings[] = {
      {{{{50, 15}, {70, 15}, {90, 15}, {110, 15}}}, {}, "2p*8 3*8 27p*8 "},
      // Touching bars stay apart; a new bar cuts an old one.
      {{{{60, 15}}, {{84, 15}, {108, 15}}}, {}, "2p*8 1*8 2*8 27p*8 "},
      {{{{12, 15}, {180, 15}}, {{84, 15}, {108, 15}}}, {}, "3*8 2*8 3*8 24p*8 "},
      // Out past column 10 and back to column 5 with the pointer off the row:
      // the trail keeps to the row line and reads as a second bar.
      {{{{50, 15}, {150, 40}, {230, 5}, {110, 15}}}, {}, "2p*8 3*8 5*8 22p*8 "},
      // Released left of the press column: no bar, the trail remains.
      {{{{190, 15}, {100, 15}}}, {}, "4p*8 4*8 24p*8 "},
      // A left press while the right button is held starts no drag.
      {{{{50, 15}, {110, 15}}}, Qt::RightButton, "32p*8 "}};
  for (const auto& [mode, grid, test] :
       {std::tuple{"bbPodb", "pb1", "bbProba"}, {"bbPerebor", "pb2", "bbProv2"}}) {
    for (const auto& [strokes, alsoHeld, rhythm] : drawings) {
      Click(mode); // draws the page's grid empty
      for (const std::vector<QPoint>& stroke : strokes)
        Stroke(grid, stroke, alsoHeld);
      Click(test);
      EXPECT_EQ(form->RhythmText().at(0), rhythm) << grid;
    }
  }
  EXPECT_EQ(dialogs.notices, Lines(12, "Не записана ни одна нота!"));
}

TEST_F(FormTest, EraseModeIsSharedAndTheRightButtonCopiesOrErasesByGrid) {
  Click("bbPerebor");
  Click("bbDellin");
  EXPECT_EQ(Text("bbDellin"), "Рисовать");
  // In erase mode a stroke erases only the column of its release.
  Click("bbPodb");
  Bar(1, 3, 3);
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase") + Text("bbDellin"), "УдалитьРисовать");
  Bar(1, 2, 5);
  Click("bbDrawErase");
  Stroke("pb1", {{30, 15}, {150, 15}, {84, 15}});
  Click("bbDrawErase");
  // The right button copies the row above on the melody grid, in either
  // mode, and nothing on the first row.
  Bar(2, 1, 2);
  Bar(2, 7, 7);
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(400, 70));
  Click("bbDrawErase");
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(10, 100));
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(10, 10));
  Click("bbProba");
  EXPECT_EQ(Lines(form->RhythmText().begin(), form->RhythmText().begin() + 5),
            (Lines{"1p*8 2*8 1p*8 1*8 27p*8 ", "2*8 4p*8 1*8 25p*8 ", "2*8 4p*8 1*8 25p*8 ",
                   "2*8 4p*8 1*8 25p*8 ", "32p*8 "}));
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

TEST_F(FormTest, AMetreChangeOrNewAsksAndRedrawsTheGrids) {
  Click("bbPodb");
  Click("bbRecCard");
  Keys("as");
  Melody("8c7, ");
  Click("bbPodb");
  EXPECT_EQ(ColumnBoundaries(Control("pb1")), 31);
  // Answered No, the pane and the recording stay; both pages show the metre.
  dialogs.Plan({false, true, true});
  Click("rb6");
  EXPECT_TRUE(Control<QRadioButton>("rb62")->isChecked());
  EXPECT_EQ(Text("re2") + QString::number(Recorded().size()), "8c7, 2");
  Click("bbPerebor");
  EXPECT_EQ(ColumnBoundaries(Control("pb2")), 23);
  // Columns of 32 pixels, 24 to a row, and the note length of either page.
  Type("cb12", "4");
  Stroke("pb2", {{40, 15}, {60, 15}});
  Click("bbProv2");
  EXPECT_EQ(form->RhythmText(), Lines{"1p*4 1*4 22p*4 "});
  Click("rb82");
  EXPECT_TRUE(Control<QRadioButton>("rb8")->isChecked());
  EXPECT_EQ(Text("re2") + QString::number(Recorded().size()), "0");
  EXPECT_EQ(ColumnBoundaries(Control("pb2")), 31);
  Click("bbPodb");
  EXPECT_EQ(Text("cb1"), "4");
  Type("cb1", "8");
  EXPECT_EQ(Text("cb12"), "8");
  Bar(1, 1, 1);
  Click("bbSetka");
  EXPECT_EQ(dialogs.questions, Lines(3, "Новый фрагмент мелодии?"));
  Click("bbProba");
  EXPECT_EQ(form->RhythmText().at(0), "32p*8 ");
}

class GridPageTest : public FormTest {
public:
  void SetUp() override {
    Start();
    Click("bbPodb");
    Click("bbRecCard");
  }
  // Records the keys, draws one-row bars over the columns and converts.
  void Fragment(const char* keys, std::initializer_list<std::pair<int, int>> bars, const char* length = "8") {
    Click("bbRecCard");
    Keys(keys);
    Type("cb1", length);
    for (const auto& [first, last] : bars)
      Bar(1, first, last);
    playerLog.clear();
    Click("bbProba");
  }
};

TEST_F(GridPageTest, ConvertedFragmentsArePlayedKeptAndBroughtBackInOrder) {
  Fragment("as", {{1, 1}, {2, 2}});
  EXPECT_EQ(form->RhythmText().at(0), "1*8 1*8 30p*8 ");
  const QString first = "8c7, 8d7, 30*8p, " + QString("32*8p, ").repeated(7);
  EXPECT_EQ(Text("re2"), first);
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1a.mid")).size(), 4u);
  dialogs.Plan({false, true});
  Click("bbPlay");
  EXPECT_EQ(Text("re2") + QString::number(Recorded().size()), first + "2");
  Click("bbPlay");
  EXPECT_EQ(dialogs.questions, Lines(2, "Сохранить записанный фрагмент?"));
  // The page is ready for the next fragment.
  EXPECT_EQ(Text("re2") + QString::number(Recorded().size() + form->RhythmText().size()), "0");
  EXPECT_EQ(form->MelodyBuffer(), Lines{first.toStdString()});
  EXPECT_EQ(form->RhythmBuffer().size(), 8u);
  Fragment("d", {{5, 5}});
  dialogs.Plan({true});
  Click("bbPlay");
  Click("bbRecCard");
  Keys("f");
  Click("bbMelod");
  dialogs.Clear();
  dialogs.Plan({false, true});
  Click("buFromMemory");
  EXPECT_EQ(Recorded().size(), 1u);
  Click("buFromMemory");
  EXPECT_EQ(dialogs.questions, Lines(2, "Вывести всю запись?"));
  EXPECT_EQ(Text("re2"), first + "\n4*8p, 8e7, 27*8p, " + QString("32*8p, ").repeated(7));
  EXPECT_EQ(form->RhythmText().size(), 16u);
  EXPECT_TRUE(form->MelodyBuffer().empty() && form->RhythmBuffer().empty() && Recorded().empty());
  // A length the conversion cannot write leaves the pane empty, which is played all the same.
  Click("bbPodb");
  Fragment("a", {{1, 1}}, "5");
  EXPECT_EQ(dialogs.notices, Lines{"Недопустимая длина ноты"});
  EXPECT_EQ(form->RhythmText().at(0) + Text("re2").toStdString(), "1*5 31p*5 ");
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
  Click("bbStop");
  EXPECT_EQ(LastCall("mp2"), "Stop");
  // Opening a project offers to drop a buffered fragment.
  dialogs.Plan({true, false, true});
  Click("bbPlay");
  OpenProject("song");
  EXPECT_EQ(form->RhythmBuffer().size(), 8u);
  Click("bbOpenProject");
  Click("bbOpenProject"); // with the buffer empty there is no question
  EXPECT_EQ(dialogs.questions.back(), "Буфер содержит несохраненный фрагмент мелодии. Удалить?");
  EXPECT_EQ(dialogs.questions.size(), 5u);
  EXPECT_TRUE(form->MelodyBuffer().empty() && form->RhythmBuffer().empty());
}

TEST_F(GridPageTest, OctaveButtonsShiftTheMelodyOrTheRecordingAndTellARefusal) {
  Keys("k");
  // The melody typed first, if any; the button; the pane, the keyboard's offset and the status after.
  const std::tuple<const char*, const char*, const char*, int, const char*> shifts[] = {
      // With the pane empty the recording moves, up to note 127.
      {"", "buInc", "", 0, ""},
      {nullptr, "buInc", "", 12, ""},
      {nullptr, "buInc", "", 24, ""},
      {nullptr, "buInc", "", 24, "Октава не изменена: записанная нота 120 вышла бы за пределы 1..127"},
      {nullptr, "buDec", "", 12, ""}, // a shift that succeeds clears the refusal
      {"2*8c7, 29*8p, \n8c9, 8a#9, ", "buInc", "2*8c8, 29*8p, \n8c10, 8a#10, ", 24, ""},
      {"8c7, \n8c7., 4e7, ", "buInc", "8c7, \n8c7., 4e7, ", 24,
       "Октава не изменена: строка 2, элемент \"8c7.\" не кончается нотой с октавой"},
      {"8c1, 8p, ", "buDec", "8c1, 8p, ", 24,
       "Октава не изменена: строка 1, элемент \"8c1\": нота вышла бы за пределы c1..g11"},
      {nullptr, "buInc", "8c2, 8p, ", 36, ""}};
  for (const auto& [melody, button, shifted, offset, status] : shifts) {
    if (melody)
      Melody(melody);
    Click(button);
    EXPECT_EQ(Text("re2"), shifted);
    EXPECT_EQ(form->OctaveOffset(), offset) << shifted;
    EXPECT_EQ(StatusText(), status);
  }
  EXPECT_EQ(Recorded(), (Notes{108}));
}

} // namespace
} // namespace arvento::test
