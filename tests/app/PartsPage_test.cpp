// The parts page: the enabled state of "Создать партию", the chord record,
// the test and base chord commands, and the create command in its three
// modes passing the page's controls to the generators.

#include "FormFixture.h"

namespace arvento::test {
namespace {

class PartsPageTest : public FormTest {
public:
  void SetUp() override {
    Start();
    Click("bbPerebor");
  }
};

TEST_F(PartsPageTest, CreateIsEnabledByTheTestAndBySelectingRhythm) {
  // A click on the selected radio button does nothing.
  const std::pair<const char*, bool> steps[] = {
      {"rbDrums", false},   {"rbBas", false},     {"rbRitm", true},    {"rbBas", true},
      {"bbPodb", false},    {"bbPerebor", false}, {"bbProv2", true},   {"bbAccords", false},
      {"bbPerebor", false}, {"rbRitm", true},     {"bbPerebor", true}, {"bbMelod", false},
      {"bbPerebor", false}, {"rbRitm", false},    {"bbProv2", true},   {"bbZap2", false}};
  for (const auto& [button, enabled] : steps) {
    Click(button);
    EXPECT_EQ(Control("bbBas")->isEnabled(), enabled) << button;
  }
}

TEST_F(PartsPageTest, ChordsAreCopiedFromTheChordPageAndTheBaseChordPlaysInMp1) {
  Type("reAcc2", "4(G), ");
  Click("bbAccp");
  EXPECT_EQ(dialogs.notices, Lines{"Введите запись аккордов на панели \"аккорды\""});
  Click("bbAccords");
  Type("reAcc", "4(C), 4(G), \n2(F), ");
  Click("bbPerebor");
  Click("bbAccp");
  // The base chord leaves the chord record as it is, empty or not.
  for (const QString& record : {Text("reAcc2"), QString()}) {
    Type("reAcc2", record);
    playerLog.clear();
    Click("bbShow");
    EXPECT_EQ(Text("reAcc2"), record);
    EXPECT_EQ(PlayerCalls("mp1"),
              (Lines{"Close", "SetFileName ", "SetFileName " + Tmp("ch1v1a.mid").string(),
                     "Open " + Tmp("ch1v1a.mid").string(), "Play " + Tmp("ch1v1a.mid").string()}));
  }
  EXPECT_EQ(dialogs.notices.size(), 1u);
  // The chord of the base chord field, A minor: only A, C and E sound.
  for (const std::string& note : MidiCsvNotes(Tmp("ch1v1a.mid"))) {
    const int key = std::stoi(note.substr(note.rfind(' ', note.rfind(' ') - 1)));
    EXPECT_TRUE(key % 12 == 9 || key % 12 == 0 || key % 12 == 4) << note;
  }
}

TEST_F(PartsPageTest, TheModeTheMetreAndTheFirstLineOfTheFigureReachTheGenerator) {
  // The figure, the chords, the mode and metre, and the part, or "" when refused.
  const std::tuple<const char*, const char*, const char*, const char*, const char*> parts[] = {
      {"", "4(Am), ", "rbBas", "rb62", ""},
      {"8a5, 8c6, 8e6, 8c6, \n8e6, ", "2(Am), 1(Dm),", "rbBas", "rb82",
       "1*8a5, 1*8c6, 1*8e6, 1*8c6, \n1*8d5, 1*8f5, 1*8a5, 1*8f5, 1*8d5, 1*8f5, 1*8a5, 1*8f5, "},
      {"8c4, 8f#4, ", "4(C), 4(P), ", "rbDrums", "rb82", "1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, "},
      // Four eighths and a rest fill two bars of 3/4 in eighths.
      {"8a5, 8c6, 8e6, 8c6, 20*8p, ", "2.(Am), ", "rbBas", "rb62", "1*8a5, 1*8c6, 1*8e6, 1*8c6, 2*8p, "}};
  for (const auto& [figure, chords, mode, metre, part] : parts) {
    Click("bbPerebor");
    dialogs.Plan({true}); // a change of metre asks
    Click(metre);
    // The test plays the figure in the chord page's player and leaves its rhythm text.
    Click("bbProv2");
    EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
    const Lines rhythm = form->RhythmText();
    dialogs.Clear();
    Melody(figure);
    Click("bbPerebor");
    Type("reAcc2", chords);
    Click("rbRitm");
    Click(mode);
    Click("bbBas");
    // Made or refused, the melody page shows the pane and plays it.
    EXPECT_TRUE(Shown("work"));
    EXPECT_EQ(Text("re2"), *part ? part : figure);
    EXPECT_EQ(LastCall("mp1"), "Play " + Tmp("ch1v1m.mid").string());
    EXPECT_EQ(form->RhythmText(), *part ? Lines{} : rhythm);
    EXPECT_EQ(dialogs.notices.size(), *part ? 0u : 1u);
  }
  // A part made takes the test back: the page writes files again without handing them to a player.
  Click("bbPerebor");
  playerLog.clear();
  Click("bbProigr");
  EXPECT_EQ(playerLog, (Lines{"mp1 Close", "mp1 SetFileName ", "mp2 Close", "mp2 SetFileName "}));
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
  EXPECT_TRUE(Shown("perebor") && Control("bbBas")->isEnabled());
  EXPECT_EQ(Text("reAcc") + Text("re2"), "4(G), 8c7, ");
  Bar(1, 1, 2, "pb2");
  Bar(1, 4, 4, "pb2");
  Click("bbBas");
  EXPECT_EQ(dialogs.notices.back(), "Ритм записан на страницу \"Аккорды\"");
  EXPECT_TRUE(Shown("acc") && !Control("bbBas")->isEnabled());
  EXPECT_EQ(Text("reAcc"), "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), \n2*8(C), 1*8(p), 1*8(C), ");
  EXPECT_EQ(Text("reAcc2") + Text("re2"), "1(Am), 2(C),");
  EXPECT_TRUE(form->RhythmText().empty());
  Click("bbRestore");
  EXPECT_EQ(Text("reAcc"), "1(Am), 2(C),");
}

} // namespace
} // namespace arvento::test
