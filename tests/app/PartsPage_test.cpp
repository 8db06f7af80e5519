// The parts page: the enabled state of "Создать партию", the chord record,
// the test and base chord commands, and the create command in its three
// modes passing the page's controls to the generators.

#include "FormFixture.h"

#include <sstream>

namespace arvento::test {
namespace {

class PartsPageTest : public FormTest {
public:
  void SetUp() override {
    Start();
    Click("bbPerebor");
  }
  // The melody pane and the chord record, then "Создать партию" in a mode
  // that the selection of "Ритм" has enabled.
  void CreatePart(const QString& figure, const QString& chords, const char* mode = "rbBas") {
    Melody(figure);
    Click("bbPerebor");
    Type("reAcc2", chords);
    Click("rbRitm");
    Click(mode);
    Click("bbBas");
  }
};

TEST_F(PartsPageTest, CreateIsEnabledByTheTestAndBySelectingRhythm) {
  const struct {
    const char* button;
    bool enabled;
  } steps[] = {
      {"rbDrums", false},
      {"rbBas", false},
      {"rbRitm", true},
      {"rbBas", true},
      {"bbPodb", false},
      {"bbPerebor", false},
      {"bbProv2", true},
      {"bbAccords", false},
      {"bbPerebor", false},
      {"rbRitm", true},
      {"bbPerebor", true},
      {"bbMelod", false},
      // A click on the selected radio button does nothing.
      {"bbPerebor", false},
      {"rbRitm", false},
      {"bbProv2", true},
      {"bbZap2", false},
  };
  for (const auto& step : steps) {
    Click(step.button);
    EXPECT_EQ(Enabled("bbBas"), step.enabled) << step.button;
  }
}

TEST_F(PartsPageTest, ChordsAreCopiedFromTheChordPage) {
  Type("reAcc2", "4(G), ");
  Click("bbAccp");
  EXPECT_EQ(dialogs.notices, Lines{"Введите запись аккордов на панели \"аккорды\""});
  Click("bbAccords");
  Type("reAcc", "4(Am), 4(C),\n2(G), ");
  Click("bbPerebor");
  Click("bbAccp");
  EXPECT_EQ(Text("reAcc2"), "4(Am), 4(C),\n2(G), ");
  EXPECT_EQ(dialogs.notices.size(), 1u);
}

TEST_F(PartsPageTest, TheBaseChordPlaysInMp1AndLeavesTheChordRecord) {
  for (const QString& record : {QString(), QString("4(C), 4(G), \n2(F), ")}) {
    SCOPED_TRACE(record.toStdString());
    Type("reAcc2", record);
    playerLog.clear();
    Click("bbShow");
    EXPECT_EQ(Text("reAcc2"), record);
    EXPECT_EQ(PlayerCalls("mp1"),
              (Lines{"Close", "SetFileName ", "SetFileName " + Tmp("ch1v1a.mid").string(),
                     "Open " + Tmp("ch1v1a.mid").string(), "Play " + Tmp("ch1v1a.mid").string()}));
    // The chord of the base chord field, A minor: only A, C and E sound.
    const Lines notes = MidiCsvNotes(Tmp("ch1v1a.mid"));
    EXPECT_FALSE(notes.empty());
    for (const std::string& note : notes) {
      std::istringstream fields(note);
      std::string track, tick, event, channel;
      int key = 0;
      fields >> track >> tick >> event >> channel >> key;
      EXPECT_TRUE(key % 12 == 9 || key % 12 == 0 || key % 12 == 4) << note;
    }
  }
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
}

TEST_F(PartsPageTest, TheTestedFigureBecomesAPartPlayedOnTheMelodyPage) {
  Click("bbOctMinus2");
  Click("bbOctMinus2");
  Click("bbZap2");
  Keys("hk;k");
  for (int c = 1; c <= 4; ++c)
    Bar(1, c, c, "pb2");
  Click("bbProv2");
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(Text("re2"), "8a5, 8c6, 8e6, 8c6, 28*8p, ");
  // The test writes the figure and plays it in the chord page's player.
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1a.mid")).size(), 8u);

  Type("reAcc2", "4(C), 4(Em), ");
  Click("bbBas");
  EXPECT_TRUE(Shown("work"));
  EXPECT_EQ(Text("laRegime"), "tmp. Правка одиночной партии");
  EXPECT_EQ(Text("re2"), "1*8c5, 1*8e5, \n1*8e5, 1*8g5, ");
  EXPECT_EQ(LastCall("mp1"), "Play " + Tmp("ch1v1m.mid").string());
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1m.mid")).size(), 8u);
  EXPECT_TRUE(form->RhythmText().empty());
  EXPECT_FALSE(Enabled("bbBas"));
  // The test request was taken back: the parts page writes files again
  // without handing them to a player.
  Click("bbPerebor");
  playerLog.clear();
  Click("bbProigr");
  EXPECT_EQ(playerLog, (Lines{"mp1 Close", "mp1 SetFileName ", "mp2 Close", "mp2 SetFileName "}));
}

TEST_F(PartsPageTest, TheModeTheMetreAndTheFirstLineOfTheFigureReachTheGenerator) {
  const struct {
    const char* figure;
    const char* chords;
    const char* mode;
    const char* metre;
    const char* part;
  } parts[] = {
      {"8a5, 8c6, 8e6, 8c6, \n8e6, ", "2(Am), 1(Dm),", "rbBas", "rb82",
       "1*8a5, 1*8c6, 1*8e6, 1*8c6, \n1*8d5, 1*8f5, 1*8a5, 1*8f5, 1*8d5, 1*8f5, 1*8a5, 1*8f5, "},
      {"8c4, 8f#4, ", "4(C), 4(P), ", "rbDrums", "rb82", "1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, "},
      // Four eighths and a rest fill two bars of 3/4 in eighths.
      {"8a5, 8c6, 8e6, 8c6, 20*8p, ", "2.(Am), ", "rbBas", "rb62", "1*8a5, 1*8c6, 1*8e6, 1*8c6, 2*8p, "},
  };
  dialogs.Plan({true});
  for (const auto& part : parts) {
    SCOPED_TRACE(part.part);
    Click("bbPerebor");
    Click(part.metre);
    CreatePart(part.figure, part.chords, part.mode);
    EXPECT_TRUE(dialogs.notices.empty());
    EXPECT_TRUE(Shown("work"));
    EXPECT_EQ(Text("re2"), part.part);
    EXPECT_EQ(LastCall("mp1"), "Play " + Tmp("ch1v1m.mid").string());
  }
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(PartsPageTest, ARefusedPartLeavesThePanesAndIsPlayedAsItIs) {
  Click("bbProv2"); // leaves something in the rhythm text
  const Lines rhythm = form->RhythmText();
  dialogs.Clear();
  CreatePart("", "4(Am), ");
  EXPECT_EQ(dialogs.notices, Lines{"Не вижу шаблона: в первой строке мелодии нет ни одной ноты. "
                                   "Запишите фигуру, нарисуйте ее ритм и нажмите \"Тест\"."});
  EXPECT_TRUE(Shown("work"));
  EXPECT_EQ(Text("re2") + Text("reAcc2"), "4(Am), ");
  EXPECT_EQ(form->RhythmText(), rhythm);
  EXPECT_EQ(LastCall("mp1"), "Play " + Tmp("ch1v1m.mid").string());
}

TEST_F(PartsPageTest, TheRhythmReStrikesTheChordsOnTheChordPage) {
  Click("bbAccords");
  Type("reAcc", "4(G), ");
  Melody("8c7, ");
  Click("bbPerebor");
  Type("reAcc2", "1(Am), 2(C),");
  // Without a drawn rhythm the page stays as it was.
  Click("rbRitm");
  Click("bbBas");
  EXPECT_EQ(dialogs.notices,
            Lines{"Не вижу ритма: на сетке нет ни одного штриха. Нарисуйте ритм и попробуйте еще раз."});
  EXPECT_TRUE(Shown("perebor"));
  EXPECT_TRUE(Enabled("bbBas"));
  EXPECT_EQ(Text("reAcc") + Text("re2"), "4(G), 8c7, ");

  Bar(1, 1, 2, "pb2");
  Bar(1, 4, 4, "pb2");
  Click("bbBas");
  EXPECT_EQ(dialogs.notices.back(), "Ритм записан на страницу \"Аккорды\"");
  EXPECT_TRUE(Shown("acc"));
  EXPECT_FALSE(Enabled("bbBas"));
  EXPECT_EQ(Text("reAcc"), "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), \n2*8(C), 1*8(p), 1*8(C), ");
  EXPECT_EQ(Text("reAcc2"), "1(Am), 2(C),");
  EXPECT_EQ(Text("re2"), "");
  EXPECT_TRUE(form->RhythmText().empty());
  Click("bbRestore");
  EXPECT_EQ(Text("reAcc"), "1(Am), 2(C),");
}

} // namespace
} // namespace arvento::test
