// The grid page and the keyboard: the keys the focused button hears, what
// the live player sounds and the recording keeps; the melody and pattern
// grids drawn on and read back; the conversion, fragments and octave buttons.

#include "FormFixture.h"

#include "melody/KeyboardRecording.h"
#include "player/TMidiGen.h"

namespace arvento::test {
namespace {

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

TEST_F(GridPageTest, TheTypedCharacterChoosesTheNoteAndOnlyItsReleaseEndsIt) {
  // Caps Lock types the capital without Shift; space steps the recording back.
  // Which key sounds which note is the keyboard tables'; here the window's share.
  const std::tuple<char, Qt::KeyboardModifiers, int> keys[] = {
      {'a', Qt::NoModifier, 72}, {'A', Qt::ShiftModifier, 84}, {'a', Qt::ControlModifier, 60},
      {'A', Qt::NoModifier, 84}, {' ', Qt::NoModifier, 0},     {'z', Qt::NoModifier, 0},
      {'a', Qt::AltModifier, 0}};
  Notes sounded;
  for (const auto& [typed, modifiers, note] : keys) {
    Key(typed, modifiers);
    if (note != 0)
      sounded.push_back(note);
    EXPECT_EQ(Sounded(), sounded) << typed;
  }
  EXPECT_EQ(Recorded(), (Notes{72, 84, 60}));
  // Shift held at a release turns the keys into colon and double quote, which
  // end their notes all the same: the next press is no repeat.
  for (const auto& [down, up] : {std::pair{';', ':'}, std::pair{'\'', '"'}}) {
    const std::size_t before = Sounded().size();
    KeyDown(down);
    KeyUp(up, Qt::ShiftModifier);
    KeyDown(down);
    EXPECT_EQ(Sounded().size(), before + 2) << up;
    KeyUp(down);
  }
  // A held key's repeats sound and record nothing more; another key ends its note.
  KeyDown('d');
  for (const QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
    QKeyEvent repeat(type, Qt::Key_D, Qt::NoModifier, "d", true);
    QApplication::sendEvent(QApplication::focusWidget(), &repeat);
  }
  KeyDown('f');
  EXPECT_EQ(Recorded(), (Notes{72, 84, 60, 88, 88, 89, 89, 76, 77}));
  // Drum keys sound on channel 10 when picking on that channel.
  Choose("cbChan", "10");
  dialogs.Plan({true});
  Click("bbPodbor");
  Keys("1q");
  EXPECT_EQ(Sounded().back(), 9049);
  EXPECT_EQ(form->LivePlayer().Channel(), player::mgCh10);
}

TEST_F(GridPageTest, PickAndReRecordAskDuringARecording) {
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
  // The thousandth pitch is the last recorded; the next still sounds, and is told.
  for (int i = 1; i < melody::KeyboardRecording::kLimit; ++i)
    Key(i % 2 == 0 ? 'a' : 's');
  EXPECT_TRUE(dialogs.notices.empty());
  Key('f');
  EXPECT_EQ(dialogs.notices,
            Lines{"Достигнуто предельное значение длины мелодии. Дальнейшая запись невозможна."});
  EXPECT_EQ(Recorded().size(), 1000u);
  EXPECT_EQ(Sounded().back(), 77);
}

TEST_F(FormTest, StrokesErasingAndTheRightButtonReadBackRowByRow) {
  Click("bbPodb");
  Stroke("pb1", {{50, 15}, {70, 15}, {90, 15}, {110, 15}});
  // Touching bars stay apart; a new bar cuts an old one.
  Bar(2, 1, 8);
  Bar(2, 4, 5);
  Bar(2, 9, 9);
  // Out past column 10 and back to column 5 with the pointer off the row:
  // the trail keeps to the row line and reads as a second bar.
  Stroke("pb1", {{50, 75}, {150, 100}, {230, 65}, {110, 75}});
  // Released left of the press column: no bar, the trail remains.
  Stroke("pb1", {{190, 105}, {100, 105}});
  // A left press while the right button is held starts no drag.
  Stroke("pb1", {{50, 135}, {110, 135}}, Qt::RightButton);
  // In erase mode a stroke erases only the column of its release.
  Bar(6, 2, 5);
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase"), "Рисовать");
  Stroke("pb1", {{30, 165}, {150, 165}, {84, 165}});
  // The right button copies the row above, in either mode, and nothing on the first row.
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(400, 190));
  Click("bbDrawErase");
  EXPECT_EQ(Text("bbDrawErase"), "Удалить");
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(10, 220));
  QTest::mouseClick(Control("pb1"), Qt::RightButton, {}, QPoint(10, 10));
  Click("bbProba");
  EXPECT_EQ(form->RhythmText(), (Lines{"2p*8 3*8 27p*8 ", "3*8 2*8 3*8 1*8 23p*8 ", "2p*8 3*8 5*8 22p*8 ",
                                       "4p*8 4*8 24p*8 ", "32p*8 ", "1p*8 2*8 1p*8 1*8 27p*8 ",
                                       "1p*8 2*8 1p*8 1*8 27p*8 ", "1p*8 2*8 1p*8 1*8 27p*8 "}));
  // On the pattern grid, in the same erase mode, the right button erases in erase mode only.
  Click("bbPerebor");
  Bar(1, 1, 3, "pb2");
  QTest::mouseClick(Control("pb2"), Qt::RightButton, {}, QPoint(36, 15));
  Click("bbDellin");
  EXPECT_EQ(Text("bbDellin") + Text("bbDrawErase"), "РисоватьУдалить");
  QTest::mouseClick(Control("pb2"), Qt::RightButton, {}, QPoint(12, 15));
  Click("bbProv2");
  EXPECT_EQ(form->RhythmText(), Lines{"1p*8 2*8 29p*8 "});
}

TEST_F(FormTest, AMetreOrLengthIsChosenForBothGridsAndANewMetreOrFragmentAsks) {
  Click("bbPodb");
  Click("bbRecCard");
  Keys("as");
  Melody("8c7, ");
  Click("bbPodb");
  // Answered No, the pane and the recording stay; Yes empties them.
  dialogs.Plan({false, true, true});
  Click("rb6");
  EXPECT_TRUE(Control<QRadioButton>("rb62")->isChecked());
  EXPECT_EQ(Text("re2") + QString::number(Recorded().size()), "8c7, 2");
  Click("bbPerebor");
  Type("cb12", "4");
  Click("rb82");
  EXPECT_TRUE(Control<QRadioButton>("rb8")->isChecked());
  EXPECT_EQ(Text("re2") + QString::number(Recorded().size()) + Text("cb1"), "04");
  Click("bbPodb");
  Bar(1, 1, 1);
  Click("bbSetka");
  EXPECT_EQ(dialogs.questions, Lines(3, "Новый фрагмент мелодии?"));
  Click("bbProba");
  EXPECT_EQ(form->RhythmText().at(0), "32p*4 ");
}

TEST_F(GridPageTest, ConvertedFragmentsArePlayedKeptAndBroughtBackInOrder) {
  Fragment("as", {{1, 1}, {2, 2}});
  const QString first = "8c7, 8d7, 30*8p, " + QString("32*8p, ").repeated(7);
  EXPECT_EQ(Text("re2"), first);
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
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
  // On the grid page they give the focus back to the keyboard button in use.
  Click("bbOctPlus");
  EXPECT_EQ(QApplication::focusWidget(), Control("bbRecCard"));
  dialogs.Plan({true});
  Click("bbPodbor");
  Click("bbOctMinus");
  EXPECT_EQ(QApplication::focusWidget(), Control("bbPodbor"));
  // The melody typed first, if any; the button; the pane, the keyboard's offset and the status after.
  const std::tuple<const char*, const char*, const char*, int, const char*> shifts[] = {
      // With the pane empty the recording moves, up to note 127.
      {"", "buInc", "", 0, ""},
      {nullptr, "buInc", "", 12, ""},
      {nullptr, "buInc", "", 24, ""},
      {nullptr, "buInc", "", 24, "Октава не изменена: записанная нота 120 вышла бы за пределы 1..127"},
      {nullptr, "buDec", "", 12, ""}, // a shift that succeeds clears the refusal
      {"2*8c7, 29*8p, \n8c9, 8a#9, ", "buInc", "2*8c8, 29*8p, \n8c10, 8a#10, ", 24, ""},
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
