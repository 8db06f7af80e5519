// The chord page: play, save with its two questions, read back, clear,
// restore, the octave buttons, the players rule and the style mirror.

#include "FormFixture.h"

#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

class ChordPageTest : public FormTest {
protected:
  void SetUp() override { Start(); }

  void OpenProject(const QString& name) {
    Type("edProjectName", name);
    Click("bbOpenProject");
  }

  void PressPlayer(const char* player, const char* button) {
    QTest::mouseClick(Control<QWidget>(player)->findChild<QAbstractButton*>(button), Qt::LeftButton);
  }

  // The notes of a chord item alone, compiled by the play button.
  Lines PlayedNotes(const QString& chords) {
    Type("reAcc", chords);
    Click("bbDragon");
    return MidiCsvNotes(Base() / "tmp" / "ch1v1a.mid");
  }

  fs::path Song() const { return Base() / "song"; }
};

TEST_F(ChordPageTest, WorkedExamplePlayedThroughTheButton) {
  Click("rbFno");
  Type("reAcc", "4(C)");
  Click("bbDragon");
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_EQ(Text("edProjectName"), "tmp");
  const fs::path file = Base() / "tmp" / "ch1v1a.mid";
  EXPECT_EQ(ReadBytes(file), Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32 "
                                   "4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 "
                                   "00 FF 58 04 04 02 24 08 00 FF 2F 00 "
                                   "4D 54 72 6B 00 00 00 28 00 FF 03 01 00 00 B0 01 32 00 C0 00 "
                                   "00 90 3C 64 00 90 40 64 00 90 43 64 "
                                   "30 80 3C 64 00 80 40 64 00 80 43 64 00 FF 2F 00"));
  EXPECT_EQ(MidiCsvNotes(file),
            (Lines{"2 0 Note_on_c 0 60 100", "2 0 Note_on_c 0 64 100", "2 0 Note_on_c 0 67 100",
                   "2 48 Note_off_c 0 60 100", "2 48 Note_off_c 0 64 100", "2 48 Note_off_c 0 67 100"}));
  EXPECT_EQ(form->ExpandedChords(), Lines{"1*4C4, 0E4, 0G4, "});
  // The cleaned line is written back; the audition directory gets no record.
  EXPECT_EQ(Text("reAcc"), "4(C),");
  EXPECT_FALSE(fs::exists(Base() / "tmp" / "ch1v1a.txt"));
  const Lines calls = PlayerCalls("mp2");
  ASSERT_GE(calls.size(), 3u);
  EXPECT_EQ(Lines(calls.end() - 3, calls.end()),
            (Lines{"SetFileName " + file.string(), "Open " + file.string(), "Play " + file.string()}));

  // A rest delays the first note-on only.
  EXPECT_EQ(PlayedNotes("4(P),4(C)").front(), "2 48 Note_on_c 0 60 100");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ChordPageTest, GuitarArpeggioStaggersTheStringsAndStopsThemTogether) {
  Control<QCheckBox>("cbArp")->setChecked(true);
  Choose("cmbArp", "5");
  EXPECT_EQ(PlayedNotes("4(C)"),
            (Lines{"2 0 Note_on_c 0 52 100", "2 5 Note_on_c 0 60 100", "2 10 Note_on_c 0 64 100",
                   "2 15 Note_on_c 0 67 100", "2 20 Note_on_c 0 72 100", "2 25 Note_on_c 0 79 100",
                   "2 48 Note_off_c 0 52 100", "2 48 Note_off_c 0 60 100", "2 48 Note_off_c 0 64 100",
                   "2 48 Note_off_c 0 67 100", "2 48 Note_off_c 0 72 100", "2 48 Note_off_c 0 79 100"}));
  // Without the tick the list's value is not used.
  Control<QCheckBox>("cbArp")->setChecked(false);
  EXPECT_EQ(PlayedNotes("4(C)")[5], "2 0 Note_on_c 0 79 100");
}

TEST_F(ChordPageTest, CleanedLinesGoBackOneForOneAndSkippedItemsAreTold) {
  OpenProject("song");
  Click("rbFno");
  EXPECT_EQ(PlayedNotes("4(C) ,4(G)\n\n2(A#), 4(C)\n4(Am)").size(), 3u * 6);
  EXPECT_EQ(Text("reAcc"), "4(C),4(G),\n\n2(A#),4(C),\n4(Am),");
  EXPECT_EQ(form->ExpandedChords(), (Lines{"1*4C4, 0E4, 0G4, ", "1*4G3, 0H3, 0D4, ", "1*4A3, 0C4, 0E4, "}));
  // The lost chords are named in the status bar; the compile went on.
  EXPECT_NE(StatusText().indexOf("Строка 3"), -1) << StatusText().toStdString();
  EXPECT_NE(StatusText().indexOf("A#"), -1) << StatusText().toStdString();
  EXPECT_TRUE(dialogs.errors.empty());

  // A flat is told once per compile, after the skipped items of the same compile.
  PlayedNotes("4(Eb), 4(Eb)\n4(A#)");
  const QString status = StatusText();
  EXPECT_TRUE(status.startsWith("Строка 2, аккорд \"4(A#)\"")) << status.toStdString();
  EXPECT_TRUE(status.endsWith(" | Eb читается как E: бемолей нет, пишите D#")) << status.toStdString();
  EXPECT_EQ(status.count("Eb"), 1) << status.toStdString();

  // The next compile with nothing to tell takes the message away.
  PlayedNotes("4(C)");
  EXPECT_EQ(StatusText(), "");
}

TEST_F(ChordPageTest, SaveWritesTheRecordThenTheFileAndAsksBeforeOverwriting) {
  // With no project open the press only opens "tmp".
  Type("reAcc", "4(Am)");
  Click("bbSaveAccordCH");
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_TRUE(fs::is_empty(Base() / "tmp"));

  OpenProject("song");
  Choose("cbChan", "2");
  playerLog.clear();
  Click("bbSaveAccordCH");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(ReadText(Song() / "ch2v1a.txt"), "accords\r\n0 0 2 1 50 100\r\n4(Am)\r\n");
  const Lines first = MidiCsvNotes(Song() / "ch2v1a.mid");
  ASSERT_EQ(first.size(), 12u);
  EXPECT_EQ(first[0], "2 0 Note_on_c 1 52 100");
  EXPECT_EQ(ReadBytes(Song() / "ch2v1a.mid"), ReadBytes(Base() / "tmp" / "ch2v1a.mid"));
  EXPECT_EQ(Text("reAcc"), "4(Am),");
  // Both files are loaded into the chord page's player; neither plays.
  const std::string project = (Song() / "ch2v1a.mid").string();
  const std::string audition = (Base() / "tmp" / "ch2v1a.mid").string();
  EXPECT_EQ(PlayerCalls("mp2"),
            (Lines{"Close", "SetFileName ", "SetFileName " + project, "Open " + project, "Close",
                   "SetFileName ", "SetFileName " + audition, "Open " + audition}));
  EXPECT_EQ(Control<QListWidget>("flb1")->count(), 1);
  EXPECT_EQ(Control<QListWidget>("flbSum")->count(), 1);

  // Saving again asks; No keeps the first file and its record.
  const std::vector<std::uint8_t> saved = ReadBytes(Song() / "ch2v1a.mid");
  Type("reAcc", "4(C)");
  dialogs.Plan({false});
  Click("bbSaveAccordCH");
  EXPECT_EQ(dialogs.questions, Lines{"Файл ch2v1a.mid в проекте уже записан. Перезаписать?"});
  EXPECT_EQ(ReadBytes(Song() / "ch2v1a.mid"), saved);
  EXPECT_EQ(ReadText(Song() / "ch2v1a.txt"), "accords\r\n0 0 2 1 50 100\r\n4(Am)\r\n");

  dialogs.Plan({true});
  Click("bbSaveAccordCH");
  EXPECT_EQ(ReadText(Song() / "ch2v1a.txt"), "accords\r\n0 0 2 1 50 100\r\n4(C)\r\n");
  EXPECT_EQ(MidiCsvNotes(Song() / "ch2v1a.mid").front(), "2 0 Note_on_c 1 52 100");
  EXPECT_NE(ReadBytes(Song() / "ch2v1a.mid"), saved);
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ChordPageTest, AMelodyPartOnTheChannelAsksTheChannelQuestion) {
  OpenProject("song");
  Click("bbMelod");
  Type("re2", "4c6, ");
  Click("bbSaveSingle");
  Click("bbAccords");
  Type("reAcc", "4(C)");

  dialogs.Plan({false});
  Click("bbSaveAccordCH");
  EXPECT_EQ(dialogs.questions, Lines{"Канал 1, голос 1 в проекте уже задействованы. Использовать еще раз?"});
  EXPECT_FALSE(fs::exists(Song() / "ch1v1a.mid"));
  EXPECT_FALSE(fs::exists(Song() / "ch1v1a.txt"));

  dialogs.Plan({true});
  Click("bbSaveAccordCH");
  EXPECT_TRUE(fs::exists(Song() / "ch1v1a.mid"));
  EXPECT_TRUE(fs::exists(Song() / "ch1v1a.txt"));

  // With both parts there, only the overwrite question is asked.
  dialogs.Clear();
  dialogs.Plan({true});
  Click("bbSaveAccordCH");
  EXPECT_EQ(dialogs.questions, Lines{"Файл ch1v1a.mid в проекте уже записан. Перезаписать?"});
  EXPECT_TRUE(dialogs.AllAnswered());
}

TEST_F(ChordPageTest, ReadingBackRestoresSettingsAndBothChordFields) {
  OpenProject("song");
  Choose("cbFamily", "GUITAR");
  Choose("cbInstByFamily", "Overdriven Guitar");
  Choose("cbChan", "3");
  Choose("cbVoice", "2");
  auto* volume = Control<QSlider>("sbGrom");
  volume->setFocus();
  QTest::keyClick(volume, Qt::Key_Home);
  Type("reAcc", "4(Am), 4(C)\n2(G)");
  Click("bbSaveAccordCH");

  // Another instrument family and other chords before reading back.
  Choose("cbFamily", "DRUMS");
  Type("reAcc", "1(E)");
  Click("bbAccords");
  playerLog.clear();
  ClickListItem("flb1", "ch3v2a.mid", true);
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(Text("cbFamily"), "GUITAR");
  EXPECT_EQ(Text("cbInstByFamily"), "Overdriven Guitar");
  EXPECT_EQ(Text("cbChan"), "3");
  EXPECT_EQ(Text("cbVoice"), "2");
  EXPECT_EQ(volume->value(), 10);
  // The record keeps the chords as typed.
  EXPECT_EQ(Text("reAcc"), "4(Am), 4(C)\n2(G)");
  EXPECT_EQ(Text("reAcc2"), "4(Am), 4(C)\n2(G)");
  // The single click closed the players; the read loads the file, which
  // plays only when the last command was a play.
  const std::string file = (Song() / "ch3v2a.mid").string();
  EXPECT_EQ(PlayerCalls("mp2").back(), "Open " + file);
  Click("bbDragon");
  playerLog.clear();
  Click("bbReadA");
  EXPECT_EQ(PlayerCalls("mp2").back(), "Play " + file);

  // Clearing leaves the reserve; restoring brings the chords back.
  Click("bbClearAllAcc");
  EXPECT_EQ(Text("reAcc"), "");
  EXPECT_EQ(Text("reAcc2"), "4(Am), 4(C)\n2(G)");
  Click("bbRestore");
  EXPECT_EQ(Text("reAcc"), "4(Am), 4(C)\n2(G)");
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ChordPageTest, ReadingRefusesOnlyMelodiesAndMissingRecords) {
  // Nothing selected.
  Click("bbReadA");
  EXPECT_EQ(dialogs.notices, Lines{"Нет файла с записью аккордов"});

  OpenProject("song");
  Click("bbMelod");
  Type("re2", "4c6, ");
  Choose("cbChan", "4");
  Click("bbSaveSingle");
  Click("bbAccords");
  Type("reAcc", "4(C)");
  dialogs.Clear();
  ClickListItem("flb1", "ch4v1m.mid", true);
  EXPECT_EQ(dialogs.notices, Lines{"В этом файле записана мелодия"});
  EXPECT_EQ(Text("reAcc"), "4(C)");
  EXPECT_EQ(Text("reAcc2"), "");
  EXPECT_EQ(Text("cbChan"), "4");

  // A part file whose record is gone.
  fs::remove(Song() / "ch4v1m.txt");
  dialogs.Clear();
  ClickListItem("flb1", "ch4v1m.mid");
  Click("bbReadA");
  EXPECT_EQ(dialogs.notices, Lines{"Нет файла с записью аккордов"});
  EXPECT_EQ(Text("reAcc"), "4(C)");

  // Only the first line "melody" refuses: any other is read as chords.
  WriteText(Song() / "ch4v1m.txt", "Melody\r\n0 0 5 1 50 100\r\n4(Dm)\r\n");
  dialogs.Clear();
  Click("bbReadA");
  EXPECT_TRUE(dialogs.notices.empty());
  EXPECT_EQ(Text("reAcc"), "4(Dm)");
  EXPECT_EQ(Text("reAcc2"), "4(Dm)");
  EXPECT_EQ(Text("cbChan"), "5");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ChordPageTest, RestoreWithAnEmptyReserveLeavesTheFieldEmpty) {
  Type("reAcc", "4(C)");
  Click("bbRestore");
  EXPECT_EQ(dialogs.notices, Lines{"Резервное поле записи аккордов пустое, восстановление невозможно"});
  EXPECT_EQ(Text("reAcc"), "");
}

TEST_F(ChordPageTest, OctaveButtonsMoveTheNextCompileByTwelve) {
  Click("rbFno");
  EXPECT_EQ(PlayedNotes("4(C)").front(), "2 0 Note_on_c 0 60 100");

  // With a melody in the melody pane "Октава +" does nothing; "Октава -" always lowers.
  Click("bbMelod");
  Type("re2", "4c6, ");
  Click("bbAccords");
  Click("bbOctp");
  EXPECT_EQ(form->AccompanimentOctaveShift(), 2);
  Click("bboctm");
  EXPECT_EQ(form->AccompanimentOctaveShift(), 1);
  EXPECT_EQ(Text("reAcc"), "4(C),");
  EXPECT_EQ(PlayedNotes("4(C)").front(), "2 0 Note_on_c 0 48 100");

  Click("bbMelod");
  Type("re2", "");
  Click("bbAccords");
  Click("bbOctp");
  Click("bbOctp");
  EXPECT_EQ(form->AccompanimentOctaveShift(), 3);
  EXPECT_EQ(PlayedNotes("4(C)").front(), "2 0 Note_on_c 0 72 100");

  // Far enough down the keys leave the MIDI range: the compile is refused
  // naming the chord and the octave, and no file is written.
  for (int i = 0; i < 7; ++i)
    Click("bboctm");
  fs::remove(Base() / "tmp" / "ch1v1a.mid");
  Type("reAcc", "4(C)");
  Click("bbDragon");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("C"), std::string::npos) << dialogs.errors[0];
  EXPECT_NE(dialogs.errors[0].find("сдвиге октавы -4"), std::string::npos) << dialogs.errors[0];
  EXPECT_FALSE(fs::exists(Base() / "tmp" / "ch1v1a.mid"));
  // What the expansion found is still shown: the cleaned line and the expanded chord.
  EXPECT_EQ(Text("reAcc"), "4(C),");
  EXPECT_EQ(form->ExpandedChords().size(), 1u);
}

TEST_F(ChordPageTest, AFailedBaseChordLeavesTheNextCompileToTheChordField) {
  Click("rbFno");
  for (int i = 0; i < 7; ++i)
    Click("bboctm");
  Click("bbPerebor");
  Click("bbShow");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("сдвиге октавы -5"), std::string::npos) << dialogs.errors[0];

  // Back in range, the chord page plays its own chords in its own player.
  Click("bbAccords");
  for (int i = 0; i < 7; ++i)
    Click("bbOctp");
  playerLog.clear();
  EXPECT_EQ(PlayedNotes("4(C)").front(), "2 0 Note_on_c 0 60 100");
  EXPECT_EQ(PlayerCalls("mp2").back(), "Play " + (Base() / "tmp" / "ch1v1a.mid").string());
  EXPECT_EQ(dialogs.errors.size(), 1u);
}

TEST_F(ChordPageTest, OnlyOnePlayerPlaysAtATime) {
  OpenProject("song");
  Type("reAcc", "4(C)");
  Click("bbSaveAccordCH");

  playerLog.clear();
  PressPlayer("mp2", "playButton");
  EXPECT_EQ(playerLog, (Lines{"mpSum Close", "mpSum SetFileName ", "mp1 Close", "mp1 SetFileName ",
                              "mp2 Play " + (Base() / "tmp" / "ch1v1a.mid").string()}));

  Click("bbMelod");
  Type("re2", "4c6, ");
  Click("buPlay");
  playerLog.clear();
  PressPlayer("mp1", "stopButton");
  // The melody page's player keeps the others' file names.
  EXPECT_EQ(playerLog, (Lines{"mpSum Close", "mp2 Close", "mp1 Stop"}));

  ClickListItem("flbSum", "ch1v1a.mid");
  playerLog.clear();
  PressPlayer("mpSum", "playButton");
  EXPECT_EQ(playerLog, (Lines{"mp1 Close", "mp2 Close", "mpSum Play " + (Song() / "ch1v1a.mid").string()}));

  // A click in the chord page's file list closes all three.
  Click("bbAccords");
  playerLog.clear();
  ClickListItem("flb1", "ch1v1a.mid");
  EXPECT_EQ(playerLog, (Lines{"mp1 Close", "mp2 Close", "mpSum Close"}));
}

TEST_F(ChordPageTest, StyleIsOneSettingShownInTwoPlaces) {
  EXPECT_TRUE(form->PickingStyleIsGuitar());
  EXPECT_FALSE(form->PickingStyleIsPiano());
  Click("rbFno");
  EXPECT_TRUE(form->PickingStyleIsPiano());
  EXPECT_FALSE(form->PickingStyleIsGuitar());
  // The arrow keys choose too.
  auto* piano = Control<QRadioButton>("rbFno");
  piano->setFocus();
  QTest::keyClick(piano, Qt::Key_Down);
  EXPECT_TRUE(Control<QRadioButton>("rbGuitar")->isChecked());
  EXPECT_TRUE(form->PickingStyleIsGuitar());
  EXPECT_FALSE(form->PickingStyleIsPiano());
  // The compile follows the page's choice.
  EXPECT_EQ(PlayedNotes("4(C)").size(), 12u);
  Click("rbFno");
  EXPECT_EQ(PlayedNotes("4(C)").size(), 6u);
}

} // namespace
} // namespace arvento::test
