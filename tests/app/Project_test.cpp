// The project group, the melody page and the assembly page: the players
// each command loads, saving, reading back and deleting parts, starting
// over, the file lists, refused project names, and the assembly.

#include "FormFixture.h"

namespace arvento::test {
namespace {

QStringList Items(const char* list, const FormTest& t) {
  QStringList items;
  for (int i = 0; i < t.Control<QListWidget>(list)->count(); ++i)
    items.push_back(t.Control<QListWidget>(list)->item(i)->text());
  return items;
}

TEST_F(FormTest, OnlyOnePlayerPlaysAtATime) {
  OpenProject("song");
  Type("reAcc", "4(C)");
  Save("bbMelod", "4c6, ", "1");
  ClickListItem("flbSum", "ch1v1m.mid");
  // The page whose command loads the player's file, the player and its button, and the calls made.
  const std::tuple<const char*, const char*, const char*, const char*, Lines> presses[] = {
      {"bbAccords", "bbDragon", "mpSum", "pauseButton", {"mp1 Close", "mp2 Close", "mpSum Pause"}},
      {"bbAccords",
       "bbDragon",
       "mp2",
       "stopButton",
       {"mpSum Close", "mpSum SetFileName ", "mp1 Close", "mp1 SetFileName ", "mp2 Stop"}},
      // The melody page's player keeps the others' files.
      {"bbMelod",
       "buPlay",
       "mp1",
       "playButton",
       {"mpSum Close", "mp2 Close", "mp1 Play " + Tmp("ch1v1m.mid").string()}}};
  for (const auto& [mode, play, player, button, calls] : presses) {
    Click(mode);
    Click(play);
    playerLog.clear();
    QTest::mouseClick(Control(player)->findChild<QAbstractButton*>(button), Qt::LeftButton);
    EXPECT_EQ(playerLog, calls) << button;
  }
  // A click in a page's file list closes all three; one in the project list loads the project player.
  for (const char* list : {"flb2", "flbSum"}) {
    playerLog.clear();
    ClickListItem(list, "ch1v1m.mid", true);
    EXPECT_EQ(Lines(playerLog.begin(), playerLog.begin() + 3),
              (Lines{"mp1 Close", "mp2 Close", "mpSum Close"}));
  }
  EXPECT_EQ(playerLog.back(), "mpSum Open " + Song("ch1v1m.mid").string());
}

TEST_F(FormTest, SavingWritesTheRecordAndThePartLoadsItWithoutPlayingAndAsksBeforeOverwriting) {
  Save("bbMelod", "// Тема\n4c6, 8p, 8e6, ", "2"); // with no project open it only opens "tmp"
  EXPECT_TRUE(fs::is_empty(Tmp()));
  fs::create_directory(dir.path() / "ballad");
  WriteText(dir.path() / "blocked", "");
  OpenProject("song");
  EXPECT_EQ(Items("dlb1", *this), (QStringList{"ballad", "song", "tmp"}));
  playerLog.clear();
  Click("bbSaveSingle");
  EXPECT_EQ(ReadText(Song("ch2v1m.txt")),
            "melody\r\n0 0 2 1 50 100\r\n0\r\n2\r\n// \xD2\xE5\xEC\xE0\r\n4c6, 8p, 8e6, \r\n");
  const std::string part = Song("ch2v1m.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName ", "SetFileName " + part, "Open " + part}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(Items(list, *this), QStringList{"ch2v1m.mid"}) << list;
  // A click in the project directory list copies the name only; a refused
  // name keeps the open project.
  ClickListItem("dlb1", "ballad");
  EXPECT_EQ(Text("edProjectName") + Text("laRegime"), "balladsong. Запись одиночной партии");
  for (const auto& [name, error] :
       {std::pair{"..", "Недопустимое название проекта"}, {"blocked", "Cannot create "}}) {
    dialogs.Clear();
    OpenProject(name);
    EXPECT_TRUE(Reported(error));
    EXPECT_EQ(Text("laRegime"), "song. Запись одиночной партии");
  }
  // Saving over a part, or beside its twin of the other page, asks first: the
  // page, the part file already there, the answer, the record of the part saved.
  const std::tuple<const char*, const char*, bool, const char*, const char*> saves[] = {
      {"bbMelod", "ch5v1m.mid", false, "ch5v1m.txt", "Файл ch5v1m.mid в проекте уже записан. Перезаписать?"},
      {"bbMelod", "ch6v1a.mid", true, "ch6v1m.txt",
       "Канал 6, голос 1 в проекте уже задействованы. Использовать еще раз?"},
      {"bbAccords", "ch7v1m.mid", false, "ch7v1a.txt",
       "Канал 7, голос 1 в проекте уже задействованы. Использовать еще раз?"},
      {"bbAccords", "ch8v1a.mid", true, "ch8v1a.txt",
       "Файл ch8v1a.mid в проекте уже записан. Перезаписать?"}};
  for (const auto& [mode, there, answer, record, question] : saves) {
    WriteText(Song(there), "");
    dialogs.Clear();
    dialogs.Plan({answer});
    Save(mode, "", QString(there[2]));
    EXPECT_EQ(dialogs.questions, Lines{question});
    EXPECT_EQ(fs::exists(Song(record)), answer) << record;
  }
}

TEST_F(FormTest, ReadingAMelodyRecordRestoresItsSettingsAndPlaysThePartElseChangesNothing) {
  OpenProject("song");
  Melody("8g6, ");
  // The part selected and its record, if any; then family, instrument, channel, voice, modulation,
  // volume and melody shown, the notice or error, and whether the part is played.
  const char* const unchanged = "PIANO Acoustic Grand 1 1 50 100 8g6, ";
  const std::tuple<const char*, const char*, const char*, const char*, const char*, bool> reads[] = {
      {nullptr, nullptr, unchanged, "Не выбран файл с записью RTTTL-E", nullptr, false},
      {"ch7v1m.mid", nullptr, unchanged, "Не выбран файл с записью RTTTL-E", nullptr, false},
      // The first line decides, though the record's numbers do not read.
      {"ch2v1a.mid", "accords\r\n3 0 x 1 50 100\r\n4(Am)\r\n", unchanged, "В этом файле записаны аккорды",
       nullptr, true},
      {"ch1v1m.mid", "melody\r\n4 2 3 x 50 100\r\n0\r\n1\r\n8d6, \r\n", unchanged, nullptr,
       "ch1v1m.txt, строка 2", false},
      // The drum family's list is filled before its instrument and the channel are chosen.
      {"ch5v2m.mid", "melody\r\n16 3 5 2 40 90\r\n0\r\n2\r\n4c6, 8e6, \r\n4g6, \r\n",
       "DRUMS Hand Clap 5 2 40 90 4c6, 8e6, \n4g6, ", nullptr, nullptr, true}};
  for (const auto& [part, record, shown, notice, error, played] : reads) {
    dialogs.Clear();
    if (part) {
      WriteText(Song(part), "");
      if (record)
        WriteText(fs::path(Song(part)).replace_extension(".txt"), record);
      OpenProject("song");
      ClickListItem("flb2", part);
    }
    playerLog.clear();
    Click("bbRead");
    EXPECT_EQ(QStringList({Text("cbFamily"), Text("cbInstByFamily"), Text("cbChan"), Text("cbVoice"),
                           Text("laModValue"), Text("laGromValue"), Text("re2")})
                  .join(' '),
              shown);
    EXPECT_EQ(dialogs.notices, notice ? Lines{notice} : Lines{});
    EXPECT_TRUE(Reported(error));
    const std::string file = part ? Song(part).string() : "";
    const Lines plays{"Close", "SetFileName " + file, "Open " + file, "Play " + file};
    EXPECT_EQ(PlayerCalls("mp1"), played ? plays : Lines{}) << shown;
  }
}

TEST_F(FormTest, EraseDeletesThePartWithItsRecordAndStartingOverEmptiesOnlyThePanes) {
  OpenProject("song");
  Save("bbMelod", "4c6, ", "1");
  Click("sbErase"); // nothing selected
  ClickListItem("flbSum", "ch1v1m.mid");
  dialogs.Plan({false, true});
  Click("sbErase");
  EXPECT_TRUE(fs::exists(Song("ch1v1m.mid")));
  playerLog.clear();
  Click("sbErase");
  EXPECT_EQ(dialogs.questions, Lines(2, "Удалить файл из проекта?"));
  EXPECT_TRUE(fs::is_empty(Song()));
  EXPECT_EQ(playerLog, (Lines{"mpSum Close", "mpSum SetFileName "}));
  EXPECT_EQ(Items("flb1", *this), QStringList{});
  Click("bbSaveSingle");
  Click("bbAccords");
  Type("reAcc", "4(Am)");
  Click("bbPerebor");
  Type("reAcc2", "4(C)");
  dialogs.Clear();
  dialogs.Plan({false, true});
  Click("bbKillAll");
  EXPECT_EQ(dialogs.notices, Lines{"Единственно правильное и мудрое решение!"});
  EXPECT_EQ(Text("re2"), "4c6, ");
  Click("bbKillAll");
  EXPECT_EQ(dialogs.questions, Lines(2, "Удалить все текущие наработки?"));
  EXPECT_EQ(Text("re2") + Text("reAcc") + Text("reAcc2"), "");
  EXPECT_EQ(Items("flbSum", *this), QStringList{"ch1v1m.mid"});
}

TEST_F(FormTest, TheAssemblyTakesTheSlidersLevelsPlaysTheFileAndShowsTheLastPart) {
  OpenProject("song");
  Save("bbMelod", "4c6, 8p, 8e6, ", "1");
  Click("bbAccords");
  Choose("cbFamily", "GUITAR");
  SlideTo("sbGrom", Qt::Key_Home);
  Save("bbAccords", "4(Am), 4(C)", "2");
  Melody("");
  // The sliders show each channel's level down from their top; their ends
  // give the least velocity and the volume maximum.
  Click("bbSbor");
  EXPECT_EQ(Text("laRegime"), "song. Сборка");
  EXPECT_EQ((std::vector<int>{Slider("sbc1")->value(), Slider("sbc2")->value(), Slider("sbc3")->value()}),
            (std::vector<int>{0, 90, 100}));
  SlideTo("sbc1", Qt::Key_End);
  SlideTo("sbc2", Qt::Key_Home);
  playerLog.clear();
  Click("bbSobr");
  const std::string assembled = Song("song.mid").string();
  const Lines notes = MidiCsvNotes(assembled);
  EXPECT_EQ((Lines{notes.at(0), notes.at(4)}), (Lines{"2 0 Note_on_c 0 60 10", "3 0 Note_on_c 1 52 100"}));
  EXPECT_EQ(PlayerCalls("mpSum"), (Lines{"Close", "SetFileName ", "SetFileName " + assembled,
                                         "Open " + assembled, "Play " + assembled}));
  EXPECT_EQ(Items("flbSum", *this).size(), 3);
  // The settings of the last part, the texts of the last melody and chord part.
  EXPECT_EQ(Text("cbChan") + Text("cbFamily") + Text("re2"), "2GUITAR4c6, 8p, 8e6, ");
  EXPECT_EQ(Text("reAcc") + Text("reAcc2"), "4(Am), 4(C)4(Am), 4(C)");
  Click("BitBtn1");
  EXPECT_EQ(LastCall("mpSum"), "Stop");
  // An old assembled file is left out, and the status bar says so.
  fs::copy_file(assembled, Song("old.mid"));
  Click("bbSobr");
  EXPECT_EQ(StatusText(), "Файл old.mid не вошел в сборку: в нем больше двух дорожек, это не партия.");
  EXPECT_TRUE(Reported());
}

TEST_F(FormTest, TheAssemblyNamesAFaultBeforeAnythingIsRewritten) {
  // With no project open, or none of its parts saved, there is nothing to assemble.
  Click("bbSbor");
  Click("bbSobr");
  OpenProject("song");
  Click("bbSobr");
  EXPECT_EQ(dialogs.notices,
            Lines(2, "В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку."));
  Save("bbMelod", "4c6, ", "1");
  // Opening the page reads every record first, and leaves the page, its label
  // and the sliders as they were (the files are the assembly's own rule).
  for (const bool opening : {false, true}) {
    fs::remove(Song("ch3v1a.mid"));
    Click("bbSbor");
    Slider("sbc1")->setValue(50);
    WriteText(Song("ch3v1a.mid"), "");
    WriteText(Song("ch3v1a.txt"), "accords\r\n0 0 x 1 50 100\r\n4(C)\r\n");
    if (opening)
      Click("bbMelod");
    dialogs.Clear();
    Click(opening ? "bbSbor" : "bbSobr");
    EXPECT_TRUE(Reported("ch3v1a.txt, строка 2"));
    EXPECT_EQ(Text("laRegime"), opening ? "song. Правка одиночной партии" : "song. Сборка");
    EXPECT_EQ(Slider("sbc1")->value(), 50);
  }
  // A volume maximum that is not a number keeps the page from opening.
  Type("edGrMax", "много");
  dialogs.Clear();
  Click("bbSbor");
  EXPECT_TRUE(Reported("много"));
  EXPECT_TRUE(Shown("work"));
}

} // namespace
} // namespace arvento::test
