// The computer keyboard as a piano on the grid and parts pages: which note
// each key sounds, what the recording keeps, and the record, pick and
// re-record buttons.

#include "GridPageFixture.h"

#include "melody/KeyboardRecording.h"
#include "player/TMidiGen.h"

namespace arvento::test {
namespace {

using Notes = std::vector<int>;

class KeyboardTest : public GridPageTest {
protected:
  void SetUp() override {
    GridPageTest::SetUp();
    Click("bbRecCard");
  }
};

TEST_F(KeyboardTest, RecordingKeepsEachNewKeyOnceWhateverItsRepeats) {
  ASSERT_EQ(Focused(), Control<QWidget>("bbRecCard"));
  Key('a');
  Key('s');
  KeyDown('d');
  for (int i = 0; i < 5; ++i)
    KeyRepeat(Qt::Key_D, "d");
  Settle();
  KeyUp('d');
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76}));
  EXPECT_EQ(Sounded(), (Notes{72, 74, 76}));
  // The home row from c, the black keys above it, up to the apostrophe.
  Keys("wjk;'");
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76, 73, 83, 84, 88, 89}));
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(KeyboardTest, ShiftPlaysAnOctaveHigherAndCtrlAnOctaveLower) {
  Key('A', Qt::ShiftModifier);
  Key('J', Qt::ShiftModifier);
  Key('a', Qt::ControlModifier);
  Key('p', Qt::ControlModifier);
  // Caps Lock types the capital without Shift: the same note as Shift.
  Key('A');
  EXPECT_EQ(Recorded(), (Notes{84, 95, 60, 75, 84}));
  EXPECT_EQ(Sounded(), Recorded());
  // No entries: z in melody mode, the shifted K, Alt combinations.
  Key('z');
  Key('K', Qt::ShiftModifier);
  Key('a', Qt::AltModifier);
  EXPECT_EQ(Recorded().size(), 5u);
  EXPECT_EQ(Sounded().size(), 5u);
}

TEST_F(KeyboardTest, OnlyTheReleaseOfTheSoundingKeyEndsItsNote) {
  // Shift+A sounds 84; releasing A stops it, so the same key sounds again.
  Key('A', Qt::ShiftModifier);
  Key('A', Qt::ShiftModifier);
  EXPECT_EQ(Sounded(), (Notes{84, 84}));
  // The semicolon key is released by its own code, with or without Shift.
  Key(';');
  Key(';');
  EXPECT_EQ(Sounded(), (Notes{84, 84, 88, 88}));
  // Shift held at the release turns the keys into colon and double quote.
  KeyDown(';');
  KeyUp(':', Qt::ShiftModifier);
  KeyDown(';');
  KeyUp(';');
  KeyDown('\'');
  KeyUp('"', Qt::ShiftModifier);
  Key('\'');
  EXPECT_EQ(Sounded(), (Notes{84, 84, 88, 88, 88, 88, 89, 89}));
  // While a is held, releasing another key leaves the note on: pressing a
  // again is taken for the held key repeating.
  KeyDown('a');
  KeyDown('s');
  KeyUp('a');
  KeyDown('s');
  EXPECT_EQ(Sounded(), (Notes{84, 84, 88, 88, 88, 88, 89, 89, 72, 74}));
  KeyUp('s');
  Key('s');
  EXPECT_EQ(Sounded().size(), 11u);
  EXPECT_EQ(Recorded(), (Notes{84, 84, 88, 88, 88, 88, 89, 89, 72, 74, 74}));
}

TEST_F(KeyboardTest, SpaceStepsTheRecordingBack) {
  Key(' ');
  EXPECT_TRUE(Recorded().empty());
  Keys("asd");
  Key(' ');
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  Key('f');
  EXPECT_EQ(Recorded(), (Notes{72, 74, 77}));
  EXPECT_EQ(Sounded().size(), 4u);
  // Space does not press the focused button either: "Запись" pressed while
  // not recording would start a new, empty recording.
  dialogs.Plan({true, false});
  Click("bbPodbor");
  Click("bbNewRec");
  ASSERT_EQ(Focused(), Control<QWidget>("bbRecCard"));
  Key(' ');
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  EXPECT_EQ(Sounded().size(), 4u);
}

TEST_F(KeyboardTest, OctaveButtonsMoveTheKeyboardAndGiveTheFocusBack) {
  Click("bbOctPlus");
  EXPECT_EQ(form->OctaveOffset(), 0);
  EXPECT_EQ(Focused(), Control<QWidget>("bbRecCard"));
  Key('a');
  Click("bbOctMinus");
  Click("bbOctMinus");
  EXPECT_EQ(Focused(), Control<QWidget>("bbRecCard"));
  Key('a');
  // The recording moved with the octave buttons: the pane was empty.
  EXPECT_EQ(Recorded(), (Notes{60, 60}));
  EXPECT_EQ(Sounded(), (Notes{84, 60}));

  // In pick mode the focus goes to "Подбор".
  dialogs.Plan({true});
  Click("bbPodbor");
  Click("bbOctPlus");
  EXPECT_EQ(Focused(), Control<QWidget>("bbPodbor"));
  Key('a');
  EXPECT_EQ(Sounded().back(), 72);
  // Elsewhere the focus stays on the pressed button.
  Click("bbMelod");
  Click("buDec");
  EXPECT_EQ(Focused(), Control<QWidget>("buDec"));
  EXPECT_EQ(form->OctaveOffset(), -24);
}

TEST_F(KeyboardTest, DrumKeysSoundPercussionAndAnyReleaseEndsThem) {
  Choose("cbFamily", "DRUMS");
  ASSERT_EQ(Text("cbChan"), "10");
  dialogs.Plan({true});
  Click("bbPodbor");
  EXPECT_EQ(form->LivePlayer().Channel(), player::mgCh10);
  Key('1');
  Key('/');
  Key('q');
  Key('\'');
  EXPECT_EQ(Sounded(), (Notes{9036, 9081, 9049, 9071}));
  // Any release stops the drum, so the same key sounds again.
  KeyDown('1');
  KeyUp('z');
  KeyDown('1');
  KeyUp('1');
  EXPECT_EQ(Sounded().size(), 6u);
  // Letters without a drum, and the piano's capitals, do nothing here.
  Key('A', Qt::ShiftModifier);
  EXPECT_EQ(Sounded().size(), 6u);
  // Pick takes the channel box: "10" plays drums on channel 10, any other
  // channel plays on channel 1.
  Choose("cbFamily", "PIANO");
  Choose("cbChan", "10");
  Click("bbPodbor");
  EXPECT_EQ(form->LivePlayer().Channel(), player::mgCh10);
  Choose("cbChan", "3");
  Click("bbPodbor");
  EXPECT_EQ(form->LivePlayer().Channel(), player::mgCh01);
}

TEST_F(KeyboardTest, TheThousandthPitchIsTheLast) {
  // Without the player settling, every note after the first is refused
  // quickly; the pitches are recorded all the same.
  for (int i = 0; i < melody::KeyboardRecording::kLimit; ++i)
    QTest::keyClick(Focused(), i % 2 == 0 ? 'a' : 's');
  ASSERT_EQ(Recorded().size(), 1000u);
  EXPECT_TRUE(dialogs.notices.empty());
  Settle();
  const std::size_t sounded = Sounded().size();
  Key('d');
  EXPECT_EQ(dialogs.notices,
            std::vector<std::string>{
                "Достигнуто предельное значение длины мелодии. Дальнейшая запись невозможна."});
  EXPECT_EQ(Recorded().size(), 1000u);
  EXPECT_EQ(Recorded().back(), 74);
  // The note still sounds.
  EXPECT_EQ(Sounded().size(), sounded + 1);
  EXPECT_EQ(Sounded().back(), 76);
}

TEST_F(KeyboardTest, PickAsksDuringARecordingAndKeepsThePitches) {
  Keys("as");
  dialogs.Plan({false});
  Click("bbPodbor");
  EXPECT_EQ(dialogs.questions,
            std::vector<std::string>{
                "Переход к подбору мелодии отменит ранее набранную часть мелодии. Продолжить?"});
  Key('d');
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76}));
  dialogs.Plan({true});
  Click("bbPodbor");
  Key('f');
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76}));
  EXPECT_EQ(Sounded().back(), 77);
  // Not recording: no question.
  Click("bbPodbor");
  EXPECT_EQ(dialogs.questions.size(), 2u);
  // "Запись" starts afresh and empties the melody pane.
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPodb");
  Click("bbRecCard");
  EXPECT_TRUE(Recorded().empty());
  EXPECT_EQ(Text("re2"), "");
  Key('g');
  // A second "Запись" does not restart the recording.
  Click("bbRecCard");
  Key('h');
  EXPECT_EQ(Recorded(), (Notes{79, 81}));
}

TEST_F(KeyboardTest, ReRecordAsksAndEmptiesTheNotesAndTheTexts) {
  Keys("as");
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPodb");
  dialogs.Plan({false});
  Click("bbNewRec");
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Введенные ноты будут удалены. Продолжить?"});
  EXPECT_EQ(Focused(), Control<QWidget>("bbRecCard"));
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  EXPECT_EQ(Text("re2"), "8c7, ");

  Bar(1, 1, 1);
  Click("bbProba");
  ASSERT_FALSE(form->RhythmText().empty());
  dialogs.Plan({true});
  Click("bbNewRec");
  EXPECT_TRUE(Recorded().empty());
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_EQ(Text("re2"), "");
  // Recording stays on, and the keys play straight away.
  Key('d');
  EXPECT_EQ(Recorded(), (Notes{76}));
}

TEST_F(KeyboardTest, ThePartsPageButtonsRecordAndPickToo) {
  Click("bbPerebor");
  Click("bbZap2");
  Key('g');
  EXPECT_EQ(Recorded(), (Notes{79}));
  dialogs.Plan({true});
  Click("bbPodb2");
  ASSERT_EQ(Focused(), Control<QWidget>("bbPodb2"));
  Key('h');
  EXPECT_EQ(Recorded(), (Notes{79}));
  EXPECT_EQ(Sounded(), (Notes{79, 81}));
  // The octave buttons there move the keyboard without moving the focus.
  Click("bbOctMinus2");
  EXPECT_EQ(form->OctaveOffset(), -24);
  EXPECT_EQ(Recorded(), (Notes{67}));
  Click("bbOctPlus2");
  EXPECT_EQ(form->OctaveOffset(), -12);
}

} // namespace
} // namespace arvento::test
