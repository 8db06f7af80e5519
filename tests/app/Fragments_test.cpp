// The fragment buffer and the octave buttons: saving fragments, bringing
// them back as one melody, and moving the melody or the recording by octaves.

#include "GridPageFixture.h"

namespace arvento::test {
namespace {

using Lines = std::vector<std::string>;
using Notes = std::vector<int>;

class FragmentsTest : public GridPageTest {
protected:
  // Records the keys, draws one-column bars and converts.
  void Fragment(const char* keys, std::initializer_list<int> columns) {
    Click("bbRecCard");
    Keys(keys);
    for (const int column : columns)
      Bar(1, column, column);
    Click("bbProba");
  }
  void Melody(const QString& text) {
    Click("bbMelod");
    Type("re2", text);
  }
};

TEST_F(FragmentsTest, SavedFragmentsComeBackInOrderAsOneMelody) {
  Fragment("as", {1, 2});
  const QStringList first = GridPageTest::Melody();
  dialogs.Plan({true});
  Click("bbPlay");
  EXPECT_EQ(dialogs.questions.back(), "Сохранить записанный фрагмент?");
  // The page is ready for the next fragment.
  EXPECT_EQ(Text("re2"), "");
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(FilledColumns(1), std::string(32, '0'));
  EXPECT_EQ(form->MelodyBuffer(), (Lines{first[0].toStdString()}));
  EXPECT_EQ(form->RhythmBuffer().size(), 8u);

  Fragment("d", {5});
  dialogs.Plan({true});
  Click("bbPlay");
  Click("bbMelod");
  dialogs.Plan({true});
  Click("buFromMemory");
  EXPECT_EQ(dialogs.questions.back(), "Вывести всю запись?");
  EXPECT_EQ(GridPageTest::Melody(), (QStringList{"8c7, 8d7, 30*8p, " + QString("32*8p, ").repeated(7),
                                                 "4*8p, 8e7, 27*8p, " + QString("32*8p, ").repeated(7)}));
  EXPECT_EQ(form->RhythmText().size(), 16u);
  EXPECT_EQ(form->RhythmText()[8], "4p*8 1*8 27p*8 ");
  EXPECT_TRUE(form->MelodyBuffer().empty());
  EXPECT_TRUE(form->RhythmBuffer().empty());
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(FragmentsTest, AnsweredNoNothingChanges) {
  Fragment("as", {1, 2});
  const QString melody = Text("re2");
  dialogs.Plan({false});
  Click("bbPlay");
  EXPECT_EQ(Text("re2"), melody);
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  EXPECT_EQ(FilledColumns(1), "11" + std::string(30, '0'));
  EXPECT_TRUE(form->MelodyBuffer().empty());

  // "Из буфера" with empty buffers still asks and empties the recording;
  // answered No it keeps it.
  Click("bbMelod");
  dialogs.Plan({false, true});
  Click("buFromMemory");
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  Click("buFromMemory");
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(Text("re2"), melody);
}

TEST_F(FragmentsTest, OpeningAProjectOffersToDropTheBufferedFragment) {
  Fragment("a", {1});
  dialogs.Plan({true});
  Click("bbPlay");
  ASSERT_EQ(form->MelodyBuffer().size(), 1u);
  Type("edProjectName", "song");
  dialogs.Plan({false});
  Click("bbOpenProject");
  EXPECT_EQ(dialogs.questions.back(), "Буфер содержит несохраненный фрагмент мелодии. Удалить?");
  EXPECT_EQ(form->MelodyBuffer().size(), 1u);
  dialogs.Plan({true});
  Click("bbOpenProject");
  EXPECT_TRUE(form->MelodyBuffer().empty());
  EXPECT_TRUE(form->RhythmBuffer().empty());
  // With the buffer empty there is no question.
  Click("bbOpenProject");
  EXPECT_EQ(dialogs.questions.size(), 3u);
}

TEST_F(FragmentsTest, StopStopsTheGridPagePlayer) {
  Fragment("a", {1});
  playerLog.clear();
  Click("bbStop");
  EXPECT_EQ(playerLog, Lines{"mp2 Stop"});
}

TEST_F(FragmentsTest, OctaveButtonsShiftTheMelodyAndLeaveRestsAndRecording) {
  Click("bbRecCard");
  Keys("as");
  Melody("2*8c7, 8d7, 29*8p, \n8c9, 8a#9, 4p, ");
  Click("buInc");
  EXPECT_EQ(Text("re2"), "2*8c8, 8d8, 29*8p, \n8c10, 8a#10, 4p, ");
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  EXPECT_EQ(form->OctaveOffset(), 0);
  Click("buDec");
  Click("buDec");
  EXPECT_EQ(Text("re2"), "2*8c6, 8d6, 29*8p, \n8c8, 8a#8, 4p, ");
  EXPECT_EQ(form->OctaveOffset(), -24);
  EXPECT_EQ(StatusText(), "");
}

TEST_F(FragmentsTest, AShiftThatCannotBeDoneWholeIsRefusedInTheStatusBar) {
  // The second line has a dot after its octave: neither line moves, nor
  // does the keyboard.
  Melody("8c7, 8d7, \n8c7., 4e7, ");
  Click("buInc");
  EXPECT_EQ(Text("re2"), "8c7, 8d7, \n8c7., 4e7, ");
  EXPECT_TRUE(StatusText().startsWith("Октава не изменена: строка 2")) << StatusText().toStdString();
  EXPECT_EQ(form->OctaveOffset(), -12);
  EXPECT_TRUE(dialogs.errors.empty());

  // Octave 1 is the lowest.
  Melody("8c2, 8p, ");
  Click("buDec");
  EXPECT_EQ(Text("re2"), "8c1, 8p, ");
  EXPECT_EQ(StatusText(), "");
  Click("buDec");
  EXPECT_EQ(Text("re2"), "8c1, 8p, ");
  EXPECT_TRUE(StatusText().startsWith("Октава не изменена: строка 1")) << StatusText().toStdString();
  EXPECT_EQ(form->OctaveOffset(), -24);
  // A shift that succeeds clears the refusal.
  Click("buInc");
  EXPECT_EQ(Text("re2"), "8c2, 8p, ");
  EXPECT_EQ(StatusText(), "");
}

TEST_F(FragmentsTest, TheRecordingMovesWhileThePaneIsEmptyUpToNote127) {
  Click("bbRecCard");
  Key('k');
  Click("bbOctPlus");
  Click("bbOctPlus");
  Click("bbOctPlus");
  EXPECT_EQ(Recorded(), (Notes{120}));
  EXPECT_EQ(form->OctaveOffset(), 24);
  Click("bbOctPlus");
  EXPECT_EQ(Recorded(), (Notes{120}));
  EXPECT_EQ(form->OctaveOffset(), 24);
  EXPECT_EQ(StatusText(), "Октава не изменена: записанная нота 120 вышла бы за пределы 1..127");
  EXPECT_EQ(Focused(), Control<QWidget>("bbRecCard"));
  // The keyboard kept its octave: a sounds 72 + 36.
  Key('a');
  EXPECT_EQ(Recorded(), (Notes{120, 108}));
  Click("bbOctMinus");
  EXPECT_EQ(Recorded(), (Notes{108, 96}));
  EXPECT_EQ(StatusText(), "");
}

} // namespace
} // namespace arvento::test
