// The chord page: its controls passed to the accompaniment compile, what the
// expansion shows, save, read back, clear and restore.

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
      {"bbOctp", 6, "2 0 Note_on_c 0 72 100", "2 0 Note_on_c 0 76 100"},
      {"rbGuitar", 12, "2 0 Note_on_c 0 64 100", "2 0 Note_on_c 0 72 100"}};
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
  EXPECT_EQ(PlayedNotes("4(C)").at(0), "2 0 Note_on_c 0 52 100");
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
  EXPECT_EQ(ReadBytes(Song("ch3v2a.mid")), ReadBytes(Tmp("ch3v2a.mid")));
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
  Melody("4c6, ");
  Choose("cbChan", "4");
  Click("bbSaveSingle");
  Click("bbAccords");
  ClickListItem("flb1", "ch4v2m.mid", true);
  fs::remove(Song("ch4v2m.txt"));
  Click("bbReadA");
  EXPECT_EQ(dialogs.notices, (Lines{"Нет файла с записью аккордов",
                                    "Резервное поле записи аккордов пустое, восстановление невозможно",
                                    "В этом файле записана мелодия", "Нет файла с записью аккордов"}));
  EXPECT_EQ(Text("cbChan"), "4");
}

} // namespace
} // namespace arvento::test
