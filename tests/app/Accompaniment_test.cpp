// The chord and parts pages: their controls passed to the accompaniment
// compile and the generators, what the expansion shows, save, read back,
// clear and restore, the test and base chord commands, and the enabled
// state of "Создать партию".

#include "FormFixture.h"

namespace arvento::test {
namespace {

class ChordPageTest : public FormTest {
public:
  // The notes of the chord field compiled by the play button.
  Lines PlayedNotes(const QString& chords) {
    Type("reAcc", chords);
    Click("bbDragon");
    return MidiCsvNotes(Tmp("ch1v1a.mid"));
  }
};

TEST_F(ChordPageTest, PlayCompilesTheFieldWithThePagesSettingsAndPlaysItInMp2) {
  EXPECT_EQ(PlayedNotes("4(C)").size(), 12u);
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
  // The arpeggio list's value is used only while it is ticked.
  Choose("cmbArp", "5");
  // The control pressed, and the number of note events and the first two of them.
  const std::tuple<const char*, std::size_t, const char*, const char*> settings[] = {
      {"cbArp", 12, "2 0 Note_on_c 0 52 100", "2 5 Note_on_c 0 60 100"},
      {"cbArp", 12, "2 0 Note_on_c 0 52 100", "2 0 Note_on_c 0 60 100"},
      {"rbFno", 6, "2 0 Note_on_c 0 60 100", "2 0 Note_on_c 0 64 100"},
      {"bboctm", 6, "2 0 Note_on_c 0 48 100", "2 0 Note_on_c 0 52 100"},
      {"bbOctp", 6, "2 0 Note_on_c 0 60 100", "2 0 Note_on_c 0 64 100"},
      {"rbGuitar", 12, "2 0 Note_on_c 0 52 100", "2 0 Note_on_c 0 60 100"}};
  for (const auto& [press, count, first, second] : settings) {
    Click(press);
    const Lines notes = PlayedNotes("4(C)");
    ASSERT_EQ(notes.size(), count) << press;
    EXPECT_EQ(Lines(notes.begin(), notes.begin() + 2), (Lines{first, second})) << press;
  }
  // With a melody in the melody pane "Октава +" does nothing.
  Melody("4c6, ");
  Click("bbAccords");
  Click("bbOctp");
  Click("bboctm");
  EXPECT_EQ(PlayedNotes("4(C)").at(0), "2 0 Note_on_c 0 40 100");
}

TEST_F(ChordPageTest, TheCleanedLinesGoBackAndTheStatusBarTellsWhatWasSkipped) {
  EXPECT_EQ(PlayedNotes("4(C) ,4(G)\n\n2(A#), 4(C)\n4(Am)").size(), 3u * 12);
  EXPECT_EQ(Text("reAcc"), "4(C),4(G),\n\n2(A#),4(C),\n4(Am),");
  EXPECT_TRUE(StatusText().startsWith("Строка 3, ") && StatusText().contains("A#"));
  // A flat is told after the skipped items of the same compile.
  PlayedNotes("4(Eb), 4(Eb)\n4(A#)");
  EXPECT_TRUE(StatusText().startsWith("Строка 2, аккорд \"4(A#)\""));
  EXPECT_TRUE(StatusText().endsWith(" | Eb читается как E: бемолей нет, пишите D#"));
  // The next compile with nothing to tell takes its message away, and only a compile's message.
  PlayedNotes("4(C)");
  EXPECT_EQ(StatusText(), "");
  OpenProject("");
  PlayedNotes("4(C)");
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  // Far enough down the keys leave the MIDI range: one error, no file, the cleaned line shown.
  for (int i = 0; i < 6; ++i)
    Click("bboctm");
  fs::remove(Tmp("ch1v1a.mid"));
  Type("reAcc", "4(C) ");
  Click("bbDragon");
  EXPECT_TRUE(Reported("сдвиге октавы -4"));
  EXPECT_FALSE(fs::exists(Tmp("ch1v1a.mid")));
  EXPECT_EQ(Text("reAcc"), "4(C),");
}

TEST_F(ChordPageTest, SaveReadBackClearAndRestore) {
  Type("reAcc", "4(Am), 4(C)\n2(G)");
  Click("bbSaveAccordCH"); // with no project open it only opens "tmp"
  Click("bbReadA");
  EXPECT_TRUE(fs::is_empty(Tmp()));
  OpenProject("song");
  Choose("cbFamily", "GUITAR");
  Choose("cbInstByFamily", "Overdriven Guitar");
  Choose("cbChan", "3");
  Choose("cbVoice", "2");
  SlideTo("sbGrom", Qt::Key_Home);
  playerLog.clear();
  Click("bbSaveAccordCH");
  EXPECT_EQ(ReadText(Song("ch3v2a.txt")), "accords\r\n3 5 3 2 50 10\r\n4(Am), 4(C)\r\n2(G)\r\n");
  EXPECT_EQ(ReadText(Song("ch3v2a.mid")), ReadText(Tmp("ch3v2a.mid")));
  // Both files are loaded into the page's player; neither plays.
  const std::string project = Song("ch3v2a.mid").string(), audition = Tmp("ch3v2a.mid").string();
  EXPECT_EQ(PlayerCalls("mp2"),
            (Lines{"Close", "SetFileName ", "SetFileName " + project, "Open " + project, "Close",
                   "SetFileName ", "SetFileName " + audition, "Open " + audition}));
  Choose("cbFamily", "DRUMS");
  Click("bbClearAllAcc");
  Click("bbRestore");
  // Read back after a save the part is loaded; after a play it plays.
  for (const bool afterPlay : {false, true}) {
    if (afterPlay)
      Click("bbDragon");
    ClickListItem("flb1", "ch3v2a.mid", true);
    EXPECT_EQ(QStringList({Text("cbFamily"), Text("cbInstByFamily"), Text("cbChan"), Text("cbVoice"),
                           Text("laGromValue"), Text("reAcc"), Text("reAcc2")})
                  .join('|'),
              "GUITAR|Overdriven Guitar|3|2|10|4(Am), 4(C)\n2(G)|4(Am), 4(C)\n2(G)");
    EXPECT_EQ(LastCall("mp2"), (afterPlay ? "Play " : "Open ") + project);
  }
  Click("bbClearAllAcc");
  EXPECT_EQ(Text("reAcc"), "");
  Click("bbRestore");
  EXPECT_EQ(Text("reAcc"), "4(Am), 4(C)\n2(G)");
  // A melody part, or a part without its record, is not read.
  Save("bbMelod", "4c6, ", "4");
  Click("bbAccords");
  ClickListItem("flb1", "ch4v2m.mid", true);
  fs::remove(Song("ch4v2m.txt"));
  Click("bbReadA");
  EXPECT_EQ(dialogs.notices, (Lines{"Нет файла с записью аккордов",
                                    "Резервное поле записи аккордов пустое, восстановление невозможно",
                                    "В этом файле записана мелодия", "Нет файла с записью аккордов"}));
  EXPECT_EQ(Text("cbChan"), "4");
}

TEST_F(FormTest, CreateIsEnabledByTheTestAndBySelectingRhythm) {
  Click("bbPerebor");
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

TEST_F(FormTest, ChordsAreCopiedFromTheChordPageAndTheBaseChordPlaysInMp1) {
  Click("bbPerebor");
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
    Click("bbShow");
    EXPECT_EQ(Text("reAcc2"), record);
    EXPECT_EQ(LastCall("mp1"), "Play " + Tmp("ch1v1a.mid").string());
  }
  EXPECT_EQ(dialogs.notices.size(), 1u);
  // The chord of the base chord field, A minor on the guitar: E, then A.
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1a.mid")).at(1), "2 0 Note_on_c 0 57 100");
}

TEST_F(FormTest, TheModeTheMetreAndTheFirstLineOfTheFigureReachTheGenerator) {
  // The test plays the figure in the chord page's player and leaves its rhythm text.
  Click("bbPerebor");
  Click("bbProv2");
  EXPECT_EQ(LastCall("mp2"), "Play " + Tmp("ch1v1a.mid").string());
  const Lines rhythm = form->RhythmText();
  // The figure, the chords, the mode and metre, and the part, or "" when refused.
  const std::tuple<const char*, const char*, const char*, const char*, const char*> parts[] = {
      {"", "4(Am), ", "rbBas", "rb82", ""},
      {"8a5, 8c6, \n8e6, ", "4(Am), 4(Dm),", "rbBas", "rb82", "1*8a5, 1*8c6, \n1*8d5, 1*8f5, "},
      {"8c4, 8f#4, ", "4(C), 4(P), ", "rbDrums", "rb82", "1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, "},
      // Four eighths and a rest fill two bars of 3/4 in eighths.
      {"8a5, 8c6, 8e6, 8c6, 20*8p, ", "2.(Am), ", "rbBas", "rb62", "1*8a5, 1*8c6, 1*8e6, 1*8c6, 2*8p, "}};
  for (const auto& [figure, chords, mode, metre, part] : parts) {
    Click("bbPerebor");
    dialogs.Plan({true}); // a change of metre asks
    Click(metre);
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

TEST_F(FormTest, TheRhythmReStrikesTheChordsOnTheChordPage) {
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
