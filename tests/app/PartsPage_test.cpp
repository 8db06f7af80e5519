// The parts page: drawing on the pattern grid pb2, its metre and length
// buttons, the chord record, the test and base chord commands, the create
// command in its three modes with their refusals, the enabled state of
// "Создать партию", and the typical path from chords to a played part.

#include "GridPageFixture.h"

#include <QRadioButton>
#include <QStackedWidget>

#include <algorithm>
#include <sstream>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// A figure of four eighths over A minor and a rest to the end of the grid,
// as the test command writes it.
const QString kFigure = "8a5, 8c6, 8e6, 8c6, 28*8p, ";

class PartsPageTest : public GridPageTest {
protected:
  void SetUp() override {
    Start();
    Click("bbPerebor");
  }

  // A bar over columns first..last (1-based) of the pattern grid in 4/4.
  void PatternBar(int first, int last) {
    Drag((first - 1) * kCell + 12, (last - 1) * kCell + 12, 15, {}, "pb2");
  }
  void RightClick(int x) {
    Mouse(QEvent::MouseButtonPress, QPoint(x, 15), Qt::RightButton, Qt::RightButton, "pb2");
    Mouse(QEvent::MouseButtonRelease, QPoint(x, 15), Qt::RightButton, Qt::NoButton, "pb2");
  }

  // What the generators read on the row line: the column centres that are
  // red, and the boundaries between columns that are red (joined).
  std::string Filled(int columns = 32, int cell = kCell) const {
    const QImage grid = Shown("pb2");
    std::string filled;
    for (int c = 1; c <= columns; ++c)
      filled += grid.pixelColor(c * cell - cell / 2, 15) == kRed ? '1' : '0';
    return filled;
  }
  std::string Joined() const {
    const QImage grid = Shown("pb2");
    std::string joined;
    for (int c = 1; c < 32; ++c)
      joined += grid.pixelColor(c * kCell, 15) == kRed ? '1' : '0';
    return joined;
  }
  static std::string Columns(const std::string& first, int total = 32) {
    return first + std::string(static_cast<std::size_t>(total) - first.size(), '0');
  }

  // The rhythm the test command reads from the grid, with no recording.
  std::string TestedRhythm() {
    dialogs.Clear();
    Click("bbProv2");
    EXPECT_EQ(dialogs.notices, Lines{"Не записана ни одна нота!"});
    dialogs.Clear();
    return form->RhythmText().empty() ? std::string() : form->RhythmText().front();
  }

  // A radio button reacts to a click on its indicator or caption only, not
  // on the free space its layout gives it; the indicator is at its left.
  void ClickRadio(const char* name) {
    auto* button = Control<QRadioButton>(name);
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible()) << name << " is not on the visible page";
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->height() / 2, button->height() / 2));
  }
  // The last call the window made on a file player.
  std::string LastCall(const std::string& player) const {
    const Lines calls = PlayerCalls(player);
    return calls.empty() ? std::string() : calls.back();
  }

  bool CreateEnabled() const { return Control<QAbstractButton>("bbBas")->isEnabled(); }
  bool PageShown(const char* page) const {
    return Control<QStackedWidget>("nbMain")->currentWidget() == Control<QWidget>(page);
  }

  // The melody pane and the chord record as a bass part needs them, then
  // "Создать партию" in the given mode ("rbBas" or "rbDrums").
  void CreatePart(const QString& figure, const QString& chords, const char* mode = "rbBas") {
    Click("bbMelod");
    Type("re2", figure);
    Click("bbPerebor");
    Type("reAcc2", chords);
    // Selecting "Ритм" enables the create command; the other modes keep it.
    ClickRadio("rbRitm");
    ClickRadio(mode);
    ASSERT_TRUE(CreateEnabled());
    Click("bbBas");
  }

  fs::path Audition(const char* file) const { return Base() / "tmp" / file; }
};

TEST_F(PartsPageTest, EnteringThePageDrawsTheEmptyPatternGrid) {
  const QImage grid = Shown("pb2");
  ASSERT_EQ(grid.size(), QSize(768, 25));
  for (const QPoint p : {QPoint(0, 0), QPoint(767, 0), QPoint(0, 24), QPoint(767, 24), QPoint(400, 0)})
    EXPECT_EQ(grid.pixelColor(p), kBlack) << p.x() << "," << p.y();
  // The band y = 13..19, silver from x = 1 to 766.
  EXPECT_EQ(grid.pixelColor(1, 13), kSilver);
  EXPECT_EQ(grid.pixelColor(766, 19), kSilver);
  EXPECT_NE(grid.pixelColor(100, 12), kSilver);
  EXPECT_NE(grid.pixelColor(100, 20), kSilver);
  // Short ticks at every boundary, long ones at the bar lines.
  EXPECT_EQ(grid.pixelColor(24, 4), kBlack);
  EXPECT_NE(grid.pixelColor(24, 5), kBlack);
  EXPECT_EQ(grid.pixelColor(192, 12), kBlack);
  EXPECT_EQ(grid.pixelColor(384, 12), kBlack);
  EXPECT_NE(grid.pixelColor(216, 8), kBlack);
  EXPECT_EQ(Filled(), Columns(""));
  EXPECT_EQ(Text("bbDellin"), "Удаление");
  EXPECT_EQ(Text("edBase"), "Am");
  EXPECT_FALSE(CreateEnabled());

  // "Новый" and entering the page again both empty a drawn grid.
  PatternBar(1, 4);
  Click("bbSet");
  EXPECT_EQ(Shown("pb2"), grid);
  PatternBar(1, 4);
  Click("bbMelod");
  Click("bbPerebor");
  EXPECT_EQ(Shown("pb2"), grid);
}

TEST_F(PartsPageTest, ADragPaintsOneBarAndTouchingBarsStayTwoRuns) {
  Drag(50, 110, 15, {70, 90}, "pb2");
  const QImage grid = Shown("pb2");
  for (int y = 13; y <= 19; ++y) {
    EXPECT_EQ(grid.pixelColor(52, y), kSilver) << y;
    EXPECT_EQ(grid.pixelColor(53, y), kRed) << y;
    EXPECT_EQ(grid.pixelColor(114, y), kRed) << y;
    EXPECT_EQ(grid.pixelColor(115, y), kSilver) << y;
  }
  EXPECT_EQ(Filled(), Columns("00111"));
  EXPECT_EQ(Joined(), Columns("0011", 31));
  EXPECT_EQ(TestedRhythm(), "2p*8 3*8 27p*8 ");

  // A press and release in one column paint a one-column bar; the bar
  // drawn next to the first touches it without joining it.
  Click("bbSet");
  PatternBar(3, 3);
  EXPECT_EQ(Filled(), Columns("001"));
  PatternBar(4, 5);
  EXPECT_EQ(Filled(), Columns("00111"));
  EXPECT_EQ(Joined(), Columns("0001", 31));
  EXPECT_EQ(TestedRhythm(), "2p*8 1*8 2*8 27p*8 ");

  // Drawing over the middle of a bar splits it into three bars.
  Click("bbSet");
  PatternBar(1, 8);
  PatternBar(4, 5);
  EXPECT_EQ(Filled(), Columns("11111111"));
  EXPECT_EQ(Joined(), Columns("1101011", 31));
  EXPECT_EQ(TestedRhythm(), "3*8 2*8 3*8 24p*8 ");
}

TEST_F(PartsPageTest, TheTrailPastTheReleaseReadsAsASecondBar) {
  // Out past the centre of column 10 (x = 228) and back to column 5.
  Drag(50, 110, 15, {150, 230}, "pb2");
  EXPECT_EQ(Filled(), Columns("0011111111"));
  EXPECT_EQ(Pixel(230, 15, "pb2"), kRed);
  EXPECT_EQ(Pixel(231, 15, "pb2"), kSilver);
  EXPECT_EQ(Pixel(200, 14, "pb2"), kSilver);
  // The bar 3..5 is cut from the trail, which joins columns 6 to 10.
  EXPECT_EQ(Joined(), Columns("001101111", 31));
  EXPECT_EQ(TestedRhythm(), "2p*8 3*8 5*8 22p*8 ");
}

TEST_F(PartsPageTest, EraseModeAndTheRightButton) {
  PatternBar(3, 5);
  // In draw mode a right-button click paints nothing and erases nothing.
  RightClick(300);
  RightClick(84);
  EXPECT_EQ(Filled(), Columns("00111"));

  Click("bbDellin");
  EXPECT_EQ(Text("bbDellin"), "Рисовать");
  // A drag erases only the column under its release: column 4.
  Drag(30, 84, 15, {150}, "pb2");
  EXPECT_EQ(Filled(), Columns("00101"));
  EXPECT_EQ(Joined(), Columns("", 31));
  EXPECT_EQ(TestedRhythm(), "2p*8 1*8 1p*8 1*8 27p*8 ");
  // In erase mode the right button erases too.
  RightClick(60);
  EXPECT_EQ(Filled(), Columns("00001"));
  Click("bbDellin");
  EXPECT_EQ(Text("bbDellin"), "Удалить");
  PatternBar(3, 4);
  EXPECT_EQ(Filled(), Columns("00111"));

  // The mode is shared with the melody grid; only the pressed button's
  // caption changes.
  Click("bbDellin");
  Click("bbPodb");
  EXPECT_EQ(Text("bbDrawErase"), "Удаление");
  Bar(1, 1, 3);
  EXPECT_EQ(FilledColumns(1), Columns(""));
}

TEST_F(PartsPageTest, TheMetreButtonsEmptyTheGridAndAskAboutTheMelody) {
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPerebor");
  PatternBar(1, 2);
  dialogs.Plan({false});
  ClickRadio("rb62");
  EXPECT_EQ(dialogs.questions, Lines{"Новый фрагмент мелодии?"});
  EXPECT_TRUE(Control<QRadioButton>("rb6")->isChecked());
  EXPECT_EQ(Text("re2"), "8c7, ");
  // 24 columns of 32 pixels, a long tick after every 6 columns, all empty.
  const QImage grid = Shown("pb2");
  EXPECT_EQ(grid.pixelColor(32, 4), kBlack);
  EXPECT_NE(grid.pixelColor(24, 4), kBlack);
  EXPECT_EQ(grid.pixelColor(192, 12), kBlack);
  EXPECT_NE(grid.pixelColor(256, 12), kBlack);
  EXPECT_EQ(Filled(24, 32), Columns("", 24));
  Drag(40, 60, 15, {}, "pb2");
  EXPECT_EQ(Pixel(36, 15, "pb2"), kSilver);
  EXPECT_EQ(Pixel(37, 15, "pb2"), kRed);
  EXPECT_EQ(Pixel(58, 15, "pb2"), kRed);
  EXPECT_EQ(Filled(24, 32), Columns("01", 24));
  dialogs.Clear();
  EXPECT_EQ(TestedRhythm(), "1p*8 1*8 22p*8 ");

  // Back to 4/4, answered Yes: the melody pane is emptied as well.
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPerebor");
  dialogs.Plan({true});
  ClickRadio("rb82");
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_TRUE(Control<QRadioButton>("rb8")->isChecked());
  EXPECT_EQ(Text("re2"), "");
  EXPECT_EQ(Filled(), Columns(""));
  EXPECT_EQ(Shown("pb2").pixelColor(24, 4), kBlack);

  // A metre change on the grid page redraws the pattern grid too.
  PatternBar(1, 1);
  Click("bbPodb");
  dialogs.Clear();
  dialogs.Plan({true});
  ClickRadio("rb6");
  EXPECT_TRUE(Control<QRadioButton>("rb62")->isChecked());
  EXPECT_EQ(dialogs.questions.size(), 1u);
  EXPECT_EQ(Filled(24, 32), Columns("", 24));
  EXPECT_EQ(Shown("pb2").pixelColor(32, 4), kBlack);
}

TEST_F(PartsPageTest, TheNoteLengthIsCopiedToTheGridPage) {
  Choose("cb12", "16");
  EXPECT_EQ(Text("cb1"), "16");
  PatternBar(1, 3);
  EXPECT_EQ(TestedRhythm(), "3*16 29p*16 ");
  Type("cb12", "4");
  EXPECT_EQ(Text("cb1"), "4");
}

TEST_F(PartsPageTest, ChordsAreCopiedFromTheChordPage) {
  Type("reAcc2", "4(G), ");
  Click("bbAccp");
  EXPECT_EQ(dialogs.notices, Lines{"Введите запись аккордов на панели \"аккорды\""});
  EXPECT_EQ(Text("reAcc2"), "4(G), ");
  dialogs.Clear();

  Click("bbAccords");
  Type("reAcc", "4(Am), 4(C),\n2(G), ");
  Click("bbPerebor");
  Click("bbAccp");
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(Text("reAcc2"), "4(Am), 4(C),\n2(G), ");
}

TEST_F(PartsPageTest, TheTestPlaysTheFigureAndEnablesCreate) {
  // Nothing recorded: the conversion says so, and "Создать партию" is
  // enabled all the same.
  EXPECT_EQ(TestedRhythm(), "32p*8 ");
  EXPECT_TRUE(CreateEnabled());

  Click("bbOctMinus2");
  Click("bbOctMinus2");
  Click("bbZap2");
  EXPECT_FALSE(CreateEnabled());
  Keys("hk;k");
  ASSERT_EQ(Recorded(), (std::vector<int>{57, 60, 64, 60}));
  for (int c = 1; c <= 4; ++c)
    PatternBar(c, c);
  playerLog.clear();
  Click("bbProv2");
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_TRUE(CreateEnabled());
  EXPECT_EQ(Text("re2"), kFigure);
  // The figure is written and played in the chord page's player.
  const fs::path file = Audition("ch1v1a.mid");
  EXPECT_EQ(PlayerCalls("mp2"), (Lines{"Close", "SetFileName ", "SetFileName " + file.string(),
                                       "Open " + file.string(), "Play " + file.string()}));
  EXPECT_EQ(MidiCsvNotes(file),
            (Lines{"2 0 Note_on_c 0 57 100", "2 24 Note_off_c 0 57 100", "2 24 Note_on_c 0 60 100",
                   "2 48 Note_off_c 0 60 100", "2 48 Note_on_c 0 64 100", "2 72 Note_off_c 0 64 100",
                   "2 72 Note_on_c 0 60 100", "2 96 Note_off_c 0 60 100"}));
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, TheBaseChordPlaysAtOnceAndLeavesTheChordRecord) {
  for (const QString& record : {QString(), QString("4(C), 4(G), \n2(F), ")}) {
    SCOPED_TRACE(record.toStdString());
    Type("reAcc2", record);
    playerLog.clear();
    Click("bbShow");
    EXPECT_EQ(Text("reAcc2"), record);
    const fs::path file = Audition("ch1v1a.mid");
    EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName ", "SetFileName " + file.string(),
                                         "Open " + file.string(), "Play " + file.string()}));
    // One whole-note A minor chord on the guitar: its notes are A, C and E,
    // all stopped after 192 ticks.
    const Lines notes = MidiCsvNotes(file);
    ASSERT_EQ(notes.size() % 2, 0u);
    ASSERT_FALSE(notes.empty());
    for (std::size_t i = 0; i < notes.size(); ++i) {
      std::istringstream fields(notes[i]);
      std::string track, event;
      int tick = 0, channel = 0, key = 0;
      fields >> track >> tick >> event >> channel >> key;
      const bool on = i < notes.size() / 2;
      EXPECT_EQ(event, on ? "Note_on_c" : "Note_off_c") << notes[i];
      EXPECT_EQ(tick, on ? 0 : 192) << notes[i];
      EXPECT_TRUE(key % 12 == 9 || key % 12 == 0 || key % 12 == 4) << notes[i];
    }
  }
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, CreateIsEnabledByTheTestAndRhythmOnly) {
  EXPECT_FALSE(CreateEnabled());
  // "Бас/Перебор" and "Ударные" leave it as it is, either way.
  ClickRadio("rbDrums");
  ClickRadio("rbBas");
  EXPECT_FALSE(CreateEnabled());
  ClickRadio("rbRitm");
  EXPECT_TRUE(CreateEnabled());
  ClickRadio("rbDrums");
  ClickRadio("rbBas");
  EXPECT_TRUE(CreateEnabled());
  ClickRadio("rbRitm");
  // Entering the parts page keeps it; every other mode button disables it.
  // A click on "Ритм" while it is still selected leaves it disabled, like a
  // click on any selected radio button; selecting "Ритм" again enables it.
  for (const char* mode : {"bbMelod", "bbAccords", "bbPodb"}) {
    Click("bbPerebor");
    EXPECT_TRUE(CreateEnabled()) << mode;
    Click(mode);
    Click("bbPerebor");
    EXPECT_FALSE(CreateEnabled()) << mode;
    ASSERT_TRUE(Control<QRadioButton>("rbRitm")->isChecked());
    ClickRadio("rbRitm");
    EXPECT_FALSE(CreateEnabled()) << mode;
    ClickRadio("rbBas");
    ClickRadio("rbRitm");
  }
  EXPECT_TRUE(CreateEnabled());
  // Starting a recording disables it.
  Click("bbZap2");
  EXPECT_FALSE(CreateEnabled());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, BassPickingAndDrumPartsFromTheWorkedExamples) {
  struct Example {
    QString figure;
    QString chords;
    const char* mode;
    QString part;
  };
  const std::vector<Example> examples = {
      {"8a5, 8c6, 8e6, 8c6, ", "4(C), 4(Em), ", "rbBas", "1*8c5, 1*8e5, \n1*8e5, 1*8g5, "},
      {"8a5, 8c6, 8e6, 8c6, ", "1(A),", "rbBas",
       "1*8a5, 1*8c#6, 1*8e6, 1*8c#6, 1*8a5, 1*8c#6, 1*8e6, 1*8c#6, "},
      {"8a5, 4c6, ", "4(Am), ", "rbBas", "1*8a5, 2*16p, "},
      {"8a5, 8c6, ", "4(P), ", "rbBas", "1*8p, 1*8p, "},
      {"8a5, ", "4(H), 4(B), ", "rbBas", "1*8b5, 1*8b5, \n1*8a#5, 1*8a#5, "},
      {"8c4, 8f#4, ", "1(C), 4(P), ", "rbDrums",
       "1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, "},
      // Only the first line of the melody pane is the figure; the rest of
      // a 4/4 bar fills with a rest.
      {"8a5, 8c6, 8e6, 8c6, 8a5, 1p, \n8e6, ", "2(Am), 1(Dm),", "rbBas",
       "1*8a5, 1*8c6, 1*8e6, 1*8c6, \n1*8d5, 1*8f5, 1*8a5, 1*8f5, 1*8d5, 3*8p, "},
  };
  for (const Example& example : examples) {
    SCOPED_TRACE(example.chords.toStdString());
    playerLog.clear();
    CreatePart(example.figure, example.chords, example.mode);
    EXPECT_TRUE(dialogs.notices.empty());
    EXPECT_TRUE(PageShown("work"));
    EXPECT_EQ(Text("re2"), example.part);
    EXPECT_FALSE(CreateEnabled());
    // The melody page plays the part at once: a note-on and a note-off for
    // every note of the part.
    const fs::path file = Audition("ch1v1m.mid");
    EXPECT_EQ(LastCall("mp1"), "Play " + file.string());
    const QStringList tokens = example.part.split(", ", Qt::SkipEmptyParts);
    const auto notes = std::count_if(tokens.begin(), tokens.end(),
                                     [](const QString& token) { return !token.trimmed().endsWith('p'); });
    EXPECT_EQ(MidiCsvNotes(file).size(), static_cast<std::size_t>(2 * notes));
  }
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, APartInThreeFourAndTheTestStateAreCleared) {
  dialogs.Plan({true});
  ClickRadio("rb62");
  Click("bbProv2");
  dialogs.Clear();
  // Four eighths and a rest fill two bars of 3/4 in eighths.
  CreatePart("8a5, 8c6, 8e6, 8c6, 20*8p, ", "2.(Am), ");
  EXPECT_EQ(Text("re2"), "1*8a5, 1*8c6, 1*8e6, 1*8c6, 2*8p, ");
  EXPECT_TRUE(form->RhythmText().empty());
  // The test request of "Тест" was taken back: the parts page writes files
  // again without handing them to a player.
  Click("bbPerebor");
  playerLog.clear();
  Click("bbProigr");
  EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName "}));
  EXPECT_EQ(PlayerCalls("mp2"), (Lines{"Close", "SetFileName "}));
}

TEST_F(PartsPageTest, ARefusedPartLeavesEveryPaneAsItWas) {
  struct Refusal {
    QString figure;
    QString chords;
    std::string message;
  };
  const std::vector<Refusal> refusals = {
      {"8a5, 8c6, ", "", "Не вижу аккорды, нечего ваять!"},
      {"8a5, 8c6, ", "   \n", "Не вижу аккорды, нечего ваять!"},
      {"", "4(Am), ",
       "Не вижу шаблона: в первой строке мелодии нет ни одной ноты. "
       "Запишите фигуру, нарисуйте ее ритм и нажмите \"Тест\"."},
      {"8a5, 8c6, ", "4(Am), A3:4(C), ", ""},
      {"8a5, 4c.6, ", "4(Am), ", ""},
      {"8a5, 8c6, ", "4(Am), 0(C), ", ""},
      {"32a5, 32c6, ", "4(Am), ", "Все ноты шаблона короче шестнадцатой: такой фигурой аккорд не заполнить."},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.figure.toStdString() + " over " + refusal.chords.toStdString());
    Click("bbProv2"); // leaves something in the rhythm text
    dialogs.Clear();
    const std::vector<std::string> rhythm = form->RhythmText();
    CreatePart(refusal.figure, refusal.chords);
    ASSERT_EQ(dialogs.notices.size(), 1u);
    if (!refusal.message.empty()) {
      EXPECT_EQ(dialogs.notices[0], refusal.message);
    }
    // The melody page shows the pane as it was, and plays it.
    EXPECT_TRUE(PageShown("work"));
    EXPECT_EQ(Text("re2"), refusal.figure);
    EXPECT_EQ(Text("reAcc2"), refusal.chords);
    EXPECT_EQ(form->RhythmText(), rhythm);
    EXPECT_EQ(LastCall("mp1"), "Play " + Audition("ch1v1m.mid").string());
    dialogs.Clear();
    Click("bbPerebor");
  }
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, TheRhythmIsWrittenToTheChordPage) {
  Click("bbAccords");
  Type("reAcc", "1(Am), 2(C),\n3*4(Am), 8(Am), 2(P),");
  Click("bbPerebor");
  Click("bbAccp");
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPerebor");
  PatternBar(1, 2);
  PatternBar(4, 4);
  ClickRadio("rbRitm");
  Click("bbBas");
  EXPECT_EQ(dialogs.notices, Lines{"Ритм записан на страницу \"Аккорды\""});
  EXPECT_TRUE(PageShown("acc"));
  EXPECT_FALSE(CreateEnabled());
  EXPECT_EQ(Text("reAcc"), "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), \n"
                           "2*8(C), 1*8(p), 1*8(C), \n"
                           "2*8(Am), 1*8(p), 1*8(Am), 4*16(P), \n"
                           "2*8(Am), \n"
                           "2*8(P), 1*8(p), 1*8(P), ");
  EXPECT_EQ(Text("reAcc2"), "1(Am), 2(C),\n3*4(Am), 8(Am), 2(P),");
  EXPECT_EQ(Text("re2"), "");
  EXPECT_TRUE(form->RhythmText().empty());
  // The chord page's restore brings the chords back.
  Click("bbRestore");
  EXPECT_EQ(Text("reAcc"), "1(Am), 2(C),\n3*4(Am), 8(Am), 2(P),");

  // A bar over the whole row is one stroke; in 3/4 a bar over six columns
  // loses its final rest.
  Click("bbPerebor");
  Type("reAcc2", "1(Am), ");
  PatternBar(1, 32);
  // "Ритм" is still selected: only selecting it again enables the create command.
  ClickRadio("rbBas");
  ClickRadio("rbRitm");
  Click("bbBas");
  EXPECT_EQ(Text("reAcc"), "32*8(Am), ");
  Click("bbPerebor");
  dialogs.Plan({true});
  ClickRadio("rb62");
  Drag(10, 170, 15, {}, "pb2");
  ClickRadio("rbBas");
  ClickRadio("rbRitm");
  Click("bbBas");
  EXPECT_EQ(Text("reAcc"), "6*8(Am), 4*16(P), ");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, ARefusedRhythmChangesNothingAndStaysOnThePage) {
  Click("bbAccords");
  Type("reAcc", "4(G), ");
  Click("bbMelod");
  Type("re2", "8c7, ");
  Click("bbPerebor");
  PatternBar(1, 2);
  const struct {
    QString chords;
    std::string message;
    bool drawn;
  } refusals[] = {
      {"", "Не вижу аккордов, нечего ваять!", true},
      {"4(Am), A3:4(C), ", "В записи присутствует арпеджио. Удалите его и попробуйте еще раз.", true},
      {"4(Am), ", "Не вижу ритма: на сетке нет ни одного штриха. Нарисуйте ритм и попробуйте еще раз.",
       false},
      {"4(Am), x(C), ", "", true},
  };
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.chords.toStdString());
    Type("reAcc2", refusal.chords);
    if (!refusal.drawn)
      Click("bbSet");
    else if (Filled() == Columns(""))
      PatternBar(1, 2);
    ClickRadio("rbRitm");
    Click("bbBas");
    ASSERT_EQ(dialogs.notices.size(), 1u);
    if (!refusal.message.empty()) {
      EXPECT_EQ(dialogs.notices[0], refusal.message);
    }
    dialogs.Clear();
    EXPECT_TRUE(PageShown("perebor"));
    EXPECT_TRUE(CreateEnabled());
    EXPECT_EQ(Text("reAcc"), "4(G), ");
    EXPECT_EQ(Text("reAcc2"), refusal.chords);
    EXPECT_EQ(Text("re2"), "8c7, ");
  }
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PartsPageTest, TypicalPathFromChordsToAPlayedBassPart) {
  // The chords, copied onto the parts page.
  Click("bbAccords");
  Type("reAcc", "1(Am), 4(C), 4(G), 2(E), ");
  Click("bbPerebor");
  Click("bbAccp");
  EXPECT_EQ(Text("reAcc2"), "1(Am), 4(C), 4(G), 2(E), ");
  // The base chord to play the figure over.
  Click("bbShow");
  EXPECT_EQ(LastCall("mp1"), "Play " + Audition("ch1v1a.mid").string());
  // The figure's pitches, two octaves down, recorded on the keyboard.
  Click("bbOctMinus2");
  Click("bbOctMinus2");
  Click("bbZap2");
  Keys("hk;k");
  // Its rhythm: four one-column bars, tested.
  for (int c = 1; c <= 4; ++c)
    PatternBar(c, c);
  Click("bbProv2");
  EXPECT_EQ(Text("re2"), kFigure);
  ASSERT_TRUE(CreateEnabled());
  // The bass part.
  ClickRadio("rbBas");
  playerLog.clear();
  Click("bbBas");
  EXPECT_TRUE(PageShown("work"));
  EXPECT_EQ(Text("laRegime"), "tmp. Правка одиночной партии");
  EXPECT_EQ(Text("re2"), "1*8a5, 1*8c6, 1*8e6, 1*8c6, 4*8p, \n"
                         "1*8c5, 1*8e5, \n"
                         "1*8g5, 1*8b5, \n"
                         "1*8e5, 1*8g#5, 1*8b5, 1*8g#5, ");
  const fs::path file = Audition("ch1v1m.mid");
  EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName ", "SetFileName " + file.string(),
                                       "Open " + file.string(), "Play " + file.string()}));
  // Notes as the melody compiler sounds them: a5 is key 57, each eighth 24
  // ticks, the rest of the first chord 96.
  Lines expected;
  int tick = 0;
  for (const int key : {57, 60, 64, 60, -96, 48, 52, 55, 59, 52, 56, 59, 56}) {
    if (key < 0) {
      tick -= key;
      continue;
    }
    expected.push_back("2 " + std::to_string(tick) + " Note_on_c 0 " + std::to_string(key) + " 100");
    tick += 24;
    expected.push_back("2 " + std::to_string(tick) + " Note_off_c 0 " + std::to_string(key) + " 100");
  }
  EXPECT_EQ(MidiCsvNotes(file), expected);
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_TRUE(dialogs.errors.empty());
}

} // namespace
} // namespace arvento::test
