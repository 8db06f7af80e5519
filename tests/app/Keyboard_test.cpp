// The computer keyboard as a piano on the grid and parts pages: the keys the
// focused button hears, what the live player sounds and the recording keeps.

#include "FormFixture.h"

#include "melody/KeyboardRecording.h"
#include "player/TMidiGen.h"

namespace arvento::test {
namespace {

class KeyboardTest : public FormTest {
public:
  void SetUp() override {
    Start();
    Click("bbPodb");
    Click("bbRecCard");
  }
};

TEST_F(KeyboardTest, TheTypedCharacterChoosesTheNoteAndOnlyItsReleaseEndsIt) {
  // Caps Lock types the capital without Shift; space steps the recording back.
  const std::tuple<char, Qt::KeyboardModifiers, int> keys[] = {
      {'a', Qt::NoModifier, 72},      {'A', Qt::ShiftModifier, 84}, {'J', Qt::ShiftModifier, 95},
      {'a', Qt::ControlModifier, 60}, {'A', Qt::NoModifier, 84},    {' ', Qt::NoModifier, 0},
      {'z', Qt::NoModifier, 0},       {'K', Qt::ShiftModifier, 0},  {'a', Qt::AltModifier, 0}};
  Notes sounded;
  for (const auto& [typed, modifiers, note] : keys) {
    Key(typed, modifiers);
    if (note != 0)
      sounded.push_back(note);
    EXPECT_EQ(Sounded(), sounded) << typed;
  }
  EXPECT_EQ(Recorded(), (Notes{72, 84, 95, 60}));
  // A press of the key whose note still sounds is taken for a repeat; Shift
  // held at a release turns the keys into colon and double quote.
  const std::tuple<char, char, Qt::KeyboardModifiers, bool> releases[] = {
      {'a', 's', Qt::NoModifier, false},
      {';', ':', Qt::ShiftModifier, true},
      {'\'', '"', Qt::ShiftModifier, true}};
  for (const auto& [down, up, upModifiers, stops] : releases) {
    const std::size_t before = Sounded().size();
    KeyDown(down);
    KeyUp(up, upModifiers);
    KeyDown(down);
    EXPECT_EQ(Sounded().size(), before + (stops ? 2 : 1)) << up;
    KeyUp(down);
  }
  // A held key's repeats sound and record nothing more; another key ends its note.
  KeyDown('d');
  for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
    QKeyEvent repeat(type, Qt::Key_D, Qt::NoModifier, "d", true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
  }
  KeyDown('f');
  EXPECT_EQ(Recorded(), (Notes{72, 84, 95, 60, 72, 88, 88, 89, 89, 76, 77}));
  // Drum keys sound on channel 10 when picking on that channel.
  Choose("cbChan", "10");
  dialogs.Plan({true});
  Click("bbPodbor");
  Keys("1q");
  EXPECT_EQ(Sounded().back(), 9049);
  EXPECT_EQ(form->LivePlayer().Channel(), player::mgCh10);
}

TEST_F(KeyboardTest, TheThousandthPitchIsTheLastRecorded) {
  for (int i = 0; i < melody::KeyboardRecording::kLimit; ++i)
    Key(i % 2 == 0 ? 'a' : 's');
  EXPECT_TRUE(dialogs.notices.empty());
  Key('d');
  EXPECT_EQ(dialogs.notices,
            Lines{"Достигнуто предельное значение длины мелодии. Дальнейшая запись невозможна."});
  EXPECT_EQ(Recorded().size(), 1000u);
  EXPECT_EQ(Sounded().back(), 76);
}

TEST_F(KeyboardTest, PickAndReRecordAskDuringARecording) {
  Keys("as");
  dialogs.Plan({false, true});
  Click("bbPodbor");
  Key('d');
  Click("bbPodbor");
  Key('f');
  Click("bbPodbor"); // not recording: no question
  EXPECT_EQ(dialogs.questions,
            Lines(2, "Переход к подбору мелодии отменит ранее набранную часть мелодии. Продолжить?"));
  EXPECT_EQ(Recorded(), (Notes{72, 74, 76}));
  EXPECT_EQ(form->LivePlayer().Channel(), player::mgCh01);
  // "Запись" starts afresh and empties the melody pane; pressed again it does not.
  Melody("8c7, ");
  Click("bbPodb");
  Click("bbRecCard");
  Keys("g");
  Click("bbRecCard");
  Keys("h");
  EXPECT_EQ(Recorded(), (Notes{79, 81}));
  EXPECT_EQ(Text("re2"), "");
  Melody("8c7, ");
  Click("bbPodb");
  dialogs.Clear();
  dialogs.Plan({false, true});
  Click("bbNewRec");
  EXPECT_EQ(QApplication::focusWidget(), Control("bbRecCard"));
  EXPECT_EQ(Recorded().size() + Text("re2").size(), 2u + 5);
  Click("bbNewRec");
  EXPECT_EQ(dialogs.questions, Lines(2, "Введенные ноты будут удалены. Продолжить?"));
  EXPECT_EQ(Recorded().size() + Text("re2").size(), 0u);
  Key('d'); // recording stays on
  EXPECT_EQ(Recorded(), (Notes{76}));
}

TEST_F(KeyboardTest, OctaveButtonsMoveTheKeyboardAndGiveTheFocusBack) {
  // The page, a button pressed there first, the octave button, the keyboard's offset and the focus.
  const std::tuple<const char*, const char*, const char*, int, const char*> presses[] = {
      {"bbPodb", nullptr, "bbOctPlus", 0, "bbRecCard"},
      {"bbPodb", "bbPodbor", "bbOctMinus", -12, "bbPodbor"},
      {"bbMelod", nullptr, "buDec", -24, "buDec"},
      {"bbPerebor", "bbZap2", "bbOctPlus2", -12, "bbOctPlus2"},
      {"bbPerebor", "bbPodb2", "bbOctMinus2", -24, "bbOctMinus2"}};
  dialogs.Plan({true, true, true});
  for (const auto& [mode, before, octave, offset, focused] : presses) {
    Click(mode);
    if (before)
      Click(before);
    Click(octave);
    EXPECT_EQ(form->OctaveOffset(), offset) << octave;
    EXPECT_EQ(QApplication::focusWidget(), Control(focused)) << octave;
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
