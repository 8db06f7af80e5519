// The project group and the melody page: the players each command loads,
// saving, reading back and deleting parts, starting over, the file lists
// and the refused project names.

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
  Melody("4c6, ");
  Click("bbSaveSingle");
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
  // A click in a page's file list closes all three; one in the project list
  // loads the project player.
  for (const char* list : {"flb2", "flbSum"}) {
    playerLog.clear();
    ClickListItem(list, "ch1v1m.mid", true);
    EXPECT_EQ(Lines(playerLog.begin(), playerLog.begin() + 3),
              (Lines{"mp1 Close", "mp2 Close", "mpSum Close"}));
  }
  EXPECT_EQ(playerLog.back(), "mpSum Open " + Song("ch1v1m.mid").string());
}

TEST_F(FormTest, SavingWritesTheRecordAndThePartAndLoadsItWithoutPlaying) {
  Melody("// Тема\n4c6, 8p, 8e6, ");
  Click("bbSaveSingle"); // with no project open it only opens "tmp"
  EXPECT_TRUE(fs::is_empty(Tmp()));
  fs::create_directory(dir.path() / "ballad");
  OpenProject("song");
  EXPECT_EQ(Items("dlb1", *this), (QStringList{"ballad", "song", "tmp"}));
  Choose("cbChan", "2");
  playerLog.clear();
  Click("bbSaveSingle");
  EXPECT_EQ(ReadText(Song("ch2v1m.txt")),
            "melody\r\n0 0 2 1 50 100\r\n0\r\n2\r\n// \xD2\xE5\xEC\xE0\r\n4c6, 8p, 8e6, \r\n");
  const std::string part = Song("ch2v1m.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName ", "SetFileName " + part, "Open " + part}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(Items(list, *this), QStringList{"ch2v1m.mid"}) << list;
  // A click in the project directory list copies the name only.
  ClickListItem("dlb1", "ballad");
  EXPECT_EQ(Text("edProjectName") + Text("laRegime"), "balladsong. Запись одиночной партии");
}

TEST_F(FormTest, SavingOverAPartOrBesideItsTwinAsksFirst) {
  OpenProject("song");
  // The page, the part file already there, the answer, the record of the part saved.
  const std::tuple<const char*, const char*, bool, const char*, const char*> saves[] = {
      {"bbMelod", "ch1v1m.mid", false, "ch1v1m.txt", "Файл ch1v1m.mid в проекте уже записан. Перезаписать?"},
      {"bbMelod", "ch2v1a.mid", true, "ch2v1m.txt",
       "Канал 2, голос 1 в проекте уже задействованы. Использовать еще раз?"},
      {"bbAccords", "ch3v1m.mid", false, "ch3v1a.txt",
       "Канал 3, голос 1 в проекте уже задействованы. Использовать еще раз?"},
      {"bbAccords", "ch4v1a.mid", true, "ch4v1a.txt",
       "Файл ch4v1a.mid в проекте уже записан. Перезаписать?"}};
  for (const auto& [mode, there, answer, record, question] : saves) {
    WriteText(Song(there), "");
    Click(mode);
    Choose("cbChan", QString(there[2]));
    dialogs.Clear();
    dialogs.Plan({answer});
    Click(mode == std::string("bbMelod") ? "bbSaveSingle" : "bbSaveAccordCH");
    EXPECT_EQ(dialogs.questions, Lines{question});
    EXPECT_EQ(fs::exists(Song(record)), answer) << record;
  }
}

TEST_F(FormTest, ReadingAMelodyRecordRestoresItsSettingsAndPlaysThePartElseChangesNothing) {
  OpenProject("song");
  Melody("8g6, ");
  // The part selected and its record, if any; then family, instrument, channel, voice, modulation,
  // volume and melody shown, the notice or error, and whether the part is played.
  const std::tuple<const char*, const char*, const char*, const char*, const char*, bool> reads[] = {
      {nullptr, nullptr, "PIANO Acoustic Grand 1 1 50 100 8g6, ", "Не выбран файл с записью RTTTL-E", nullptr,
       false},
      {"ch7v1m.mid", nullptr, "PIANO Acoustic Grand 1 1 50 100 8g6, ", "Не выбран файл с записью RTTTL-E",
       nullptr, false},
      // The first line decides, though the record's numbers do not read.
      {"ch2v1a.mid", "accords\r\n3 0 x 1 50 100\r\n4(Am)\r\n", "PIANO Acoustic Grand 1 1 50 100 8g6, ",
       "В этом файле записаны аккорды", nullptr, true},
      {"ch1v1m.mid", "melody\r\n4 2 3 x 50 100\r\n0\r\n1\r\n8d6, \r\n",
       "PIANO Acoustic Grand 1 1 50 100 8g6, ", nullptr, "ch1v1m.txt, строка 2", false},
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
    EXPECT_EQ(LastCall("mp1"), played ? "Play " + Song(part).string() : "") << shown;
  }
  // A double click reads too.
  Type("re2", "");
  ClickListItem("flb2", "ch5v2m.mid", true);
  EXPECT_EQ(Text("re2"), "4c6, 8e6, \n4g6, ");
}

TEST_F(FormTest, EraseDeletesThePartWithItsRecordAndStartingOverEmptiesOnlyThePanes) {
  OpenProject("song");
  Melody("4c6, ");
  Click("bbSaveSingle");
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

TEST_F(FormTest, RefusedProjectNamesKeepTheOpenProject) {
  OpenProject("song");
  WriteText(dir.path() / "blocked", "");
  for (const char* name : {"..", "a/b", "blocked"}) {
    dialogs.Clear();
    OpenProject(name);
    EXPECT_TRUE(
        Reported(name == std::string("blocked") ? "Cannot create " : "Недопустимое название проекта"));
    EXPECT_EQ(Text("laRegime"), "song. Запись аккордов");
  }
  Click("bbSaveAccordCH");
  EXPECT_TRUE(fs::exists(Song("ch1v1a.mid")));
}

} // namespace
} // namespace arvento::test
