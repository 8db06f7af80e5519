// The computer keyboard as a piano on the grid and parts pages: the keys the
// focused button hears, what the live player sounds and the recording keeps,
// and the record, pick, re-record and octave buttons.

#include "FormFixture.h"

#include "melody/KeyboardRecording.h"
#include "player/TMidiGen.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace arvento::test {
namespace {

class KeyboardTest : public FormTest {
protected:
  void SetUp() override {
    Start();
    Click("bbPodb");
    Click("bbRecCard");
  }
  QWidget* Focused() const { return QApplication::focusWidget(); }
};

TEST_F(KeyboardTest, TheTypedCharacterChoosesTheNote) {
  ASSERT_EQ(Focused(), Control("bbRecCard"));
  const struct {
    char typed;
    Qt::KeyboardModifiers modifiers;
    int note; // 0: none
  } keys[] = {
      {'a', Qt::NoModifier, 72},
      {'A', Qt::ShiftModifier, 84},
      {'J', Qt::ShiftModifier, 95},
      {'a', Qt::ControlModifier, 60},
      {'p', Qt::ControlModifier, 75},
      // Caps Lock types the capital without Shift: the same note as Shift.
      {'A', Qt::NoModifier, 84},
      {'\'', Qt::NoModifier, 89},
      {'z', Qt::NoModifier, 0},
      {'K', Qt::ShiftModifier, 0},
      {'a', Qt::AltModifier, 0},
  };
  Notes sounded;
  for (const auto& key : keys) {
    SCOPED_TRACE(key.typed);
    Key(key.typed, key.modifiers);
    if (key.note != 0)
      sounded.push_back(key.note);
    EXPECT_EQ(Sounded(), sounded);
    EXPECT_EQ(Recorded(), sounded);
  }
  EXPECT_TRUE(dialogs.notices.empty());
}

TEST_F(KeyboardTest, OnlyTheReleaseOfTheSoundingKeyEndsItsNote) {
  const struct {
    char down;
    char up;
    Qt::KeyboardModifiers upModifiers;
    bool stops;
  } releases[] = {
      {'a', 'a', Qt::NoModifier, true},
      {'a', 's', Qt::NoModifier, false},
      // Shift held at the release turns the keys into colon and double quote.
      {';', ':', Qt::ShiftModifier, true},
      {'\'', '"', Qt::ShiftModifier, true},
  };
  for (const auto& release : releases) {
    SCOPED_TRACE(release.up);
    const std::size_t before = Sounded().size();
    KeyDown(release.down);
    KeyUp(release.up, release.upModifiers);
    // A press of a key whose note still sounds is taken for the key repeating.
    KeyDown(release.down);
    EXPECT_EQ(Sounded().size(), before + (release.stops ? 2 : 1));
    KeyUp(release.down);
  }
  // A held key's repeats sound and record nothing more.
  KeyDown('d');
  for (int i = 0; i < 3; ++i) {
    QKeyEvent up(QEvent::KeyRelease, Qt::Key_D, Qt::NoModifier, "d", true);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_D, Qt::NoModifier, "d", true);
    QApplication::sendEvent(Focused(), &up);
    QApplication::sendEvent(Focused(), &down);
  }
  KeyUp('d');
  EXPECT_EQ(Recorded(), (Notes{72, 72, 72, 88, 88, 89, 89, 76}));
}

TEST_F(KeyboardTest, SpaceStepsTheRecordingBackAndPressesNoButton) {
  Keys(" asd ");
  EXPECT_EQ(Recorded(), (Notes{72, 74}));
  // "Запись" pressed while not recording would start a new, empty recording.
  dialogs.Plan({true, false});
  Click("bbPodbor");
  Click("bbNewRec");
  ASSERT_EQ(Focused(), Control("bbRecCard"));
  Key(' ');
  EXPECT_EQ(Recorded(), (Notes{72}));
  EXPECT_EQ(Sounded().size(), 3u);
}

TEST_F(KeyboardTest, DrumKeysSoundPercussionOnChannelTenAndAnyReleaseEndsThem) {
  Choose("cbFamily", "DRUMS");
  dialogs.Plan({true});
  Click("bbPodbor");
  Keys("1/q");
  KeyDown('1');
  KeyUp('z');
  KeyDown('1');
  // Letters without a drum, and the piano's capitals, do nothing here.
  Key('A', Qt::ShiftModifier);
  EXPECT_EQ(Sounded(), (Notes{9036, 9081, 9049, 9036, 9036}));
  // Pick takes the live channel from the channel box.
  for (const char* channel : {"3", "10"}) {
    Choose("cbChan", channel);
    Click("bbPodbor");
    EXPECT_EQ(form->LivePlayer().Channel(), channel == std::string("10") ? player::mgCh10 : player::mgCh01);
  }
}

TEST_F(KeyboardTest, TheThousandthPitchIsTheLastRecorded) {
  // Without the player settling every note after the first is refused; the
  // pitches are recorded all the same.
  for (int i = 0; i < melody::KeyboardRecording::kLimit; ++i)
    QTest::keyClick(Focused(), i % 2 == 0 ? 'a' : 's');
  EXPECT_TRUE(dialogs.notices.empty());
  Settle();
  Key('d');
  EXPECT_EQ(dialogs.notices,
            Lines{"Достигнуто предельное значение длины мелодии. Дальнейшая запись невозможна."});
  EXPECT_EQ(Recorded().size(), 1000u);
  EXPECT_EQ(Recorded().back(), 74);
  // The note still sounds.
  EXPECT_EQ(Sounded().back(), 76);
}

TEST_F(KeyboardTest, PickAndReRecordAskDuringARecording) {
  Keys("as");
  dialogs.Plan({false, true});
  Click("bbPodbor");
  Key('d');
  Click("bbPodbor");
  Key('f');
  // Not recording: no question.
  Click("bbPodbor");
  EXPECT_EQ(dialogs.questions,
            Lines(2, "Переход к подбору мелодии отменит ранее набранную часть мелодии. Продолжить?"));
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76}));
  EXPECT_EQ(Sounded().back(), 77);

  // "Запись" starts afresh and empties the melody pane; pressed again it
  // does not restart.
  Melody("8c7, ");
  Click("bbPodb");
  Click("bbRecCard");
  EXPECT_EQ(Text("re2"), "");
  Keys("g");
  Click("bbRecCard");
  Keys("h");
  EXPECT_EQ(Recorded(), (Notes{79, 81}));

  Melody("8c7, ");
  Click("bbPodb");
  Bar(1, 1, 1);
  Click("bbProba");
  dialogs.Clear();
  dialogs.Plan({false, true});
  Click("bbNewRec");
  EXPECT_EQ(Focused(), Control("bbRecCard"));
  EXPECT_EQ(Recorded(), (Notes{79, 81}));
  EXPECT_FALSE(Text("re2").isEmpty());
  Click("bbNewRec");
  EXPECT_EQ(dialogs.questions, Lines(2, "Введенные ноты будут удалены. Продолжить?"));
  EXPECT_TRUE(Recorded().empty());
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_EQ(Text("re2"), "");
  // Recording stays on.
  Key('d');
  EXPECT_EQ(Recorded(), (Notes{76}));
}

TEST_F(KeyboardTest, OctaveButtonsMoveTheKeyboardAndGiveTheFocusBack) {
  const struct {
    const char* mode;
    const char* before; // pressed before the octave button
    const char* octave;
    int offset;
    const char* focused;
  } presses[] = {
      {"bbPodb", nullptr, "bbOctPlus", 0, "bbRecCard"},
      {"bbPodb", "bbPodbor", "bbOctMinus", -12, "bbPodbor"},
      {"bbMelod", nullptr, "buDec", -24, "buDec"},
      {"bbPerebor", "bbZap2", "bbOctPlus2", -12, "bbOctPlus2"},
      {"bbPerebor", "bbPodb2", "bbOctMinus2", -24, "bbOctMinus2"},
  };
  dialogs.Plan({true, true, true});
  for (const auto& press : presses) {
    SCOPED_TRACE(press.octave);
    Click(press.mode);
    if (press.before)
      Click(press.before);
    Click(press.octave);
    EXPECT_EQ(form->OctaveOffset(), press.offset);
    EXPECT_EQ(Focused(), Control(press.focused));
  }
  // The parts page's buttons record and pick too.
  Click("bbZap2");
  Key('a');
  Click("bbPodb2");
  Key('s');
  EXPECT_EQ(Recorded(), (Notes{60}));
  EXPECT_EQ(Sounded(), (Notes{60, 62}));
}

} // namespace
} // namespace arvento::test
