// The project group and the melody page: opening projects, playing, saving,
// reading back and deleting parts, starting over, the file lists, and which
// player gets a written file.

#include "FormFixture.h"

namespace arvento::test {
namespace {

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i)
    items.push_back(list->item(i)->text());
  return items;
}

TEST_F(FormTest, OnlyOnePlayerPlaysAtATime) {
  OpenProject("song");
  Type("reAcc", "4(C)");
  Melody("4c6, ");
  Click("bbSaveSingle");
  ClickListItem("flbSum", "ch1v1m.mid");
  const Lines pageRule{"mpSum Close", "mpSum SetFileName ", "mp1 Close", "mp1 SetFileName "};
  const struct {
    const char* mode;
    const char* play; // loads the player's file
    const char* player;
    const char* button;
    Lines calls;
  } presses[] = {{"bbAccords", "bbDragon", "mpSum", "pauseButton", {"mp1 Close", "mp2 Close", "mpSum Pause"}},
                 {"bbAccords", "bbDragon", "mp2", "stopButton", {"mp2 Stop"}},
                 {"bbAccords", "bbDragon", "mp2", "playButton", {"mp2 Play " + Tmp("ch1v1a.mid").string()}},
                 // The melody page's player keeps the others' files.
                 {"bbMelod", "buPlay", "mp1", "stopButton", {"mpSum Close", "mp2 Close", "mp1 Stop"}}};
  for (const auto& press : presses) {
    Click(press.mode);
    Click(press.play);
    playerLog.clear();
    QTest::mouseClick(Control(press.player)->findChild<QAbstractButton*>(press.button), Qt::LeftButton);
    Lines expected = press.player == std::string("mp2") ? pageRule : Lines{};
    expected.insert(expected.end(), press.calls.begin(), press.calls.end());
    EXPECT_EQ(playerLog, expected) << press.button;
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
  EXPECT_EQ(StatusText(), "");
  EXPECT_EQ(Items(Control<QListWidget>("dlb1")), (QStringList{"ballad", "song", "tmp"}));
  Choose("cbChan", "2");
  playerLog.clear();
  Click("bbSaveSingle");
  EXPECT_EQ(ReadText(Song("ch2v1m.txt")),
            "melody\r\n0 0 2 1 50 100\r\n0\r\n2\r\n// \xD2\xE5\xEC\xE0\r\n4c6, 8p, 8e6, \r\n");
  const std::string part = Song("ch2v1m.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName ", "SetFileName " + part, "Open " + part}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(Items(Control<QListWidget>(list)), QStringList{"ch2v1m.mid"}) << list;
  // A click in the project directory list copies the name only.
  ClickListItem("dlb1", "ballad");
  EXPECT_EQ(Text("edProjectName") + Text("laRegime"), "balladsong. Запись одиночной партии");
}

TEST_F(FormTest, SavingOverAPartOrBesideItsTwinAsksFirst) {
  OpenProject("song");
  const struct {
    const char* mode;
    const char* channel;
    const char* there; // the file already in the project
    bool answer;
    const char* record; // of the part saved
    const char* question;
  } saves[] = {{"bbMelod", "1", "ch1v1m.mid", false, "ch1v1m.txt",
                "Файл ch1v1m.mid в проекте уже записан. Перезаписать?"},
               {"bbMelod", "2", "ch2v1m.mid", true, "ch2v1m.txt",
                "Файл ch2v1m.mid в проекте уже записан. Перезаписать?"},
               {"bbMelod", "3", "ch3v1a.mid", false, "ch3v1m.txt",
                "Канал 3, голос 1 в проекте уже задействованы. Использовать еще раз?"},
               {"bbAccords", "4", "ch4v1m.mid", true, "ch4v1a.txt",
                "Канал 4, голос 1 в проекте уже задействованы. Использовать еще раз?"},
               {"bbAccords", "5", "ch5v1a.mid", false, "ch5v1a.txt",
                "Файл ch5v1a.mid в проекте уже записан. Перезаписать?"}};
  for (const auto& save : saves) {
    WriteText(Song(save.there), "");
    Click(save.mode);
    Choose("cbChan", save.channel);
    dialogs.Clear();
    dialogs.Plan({save.answer});
    Click(save.mode == std::string("bbMelod") ? "bbSaveSingle" : "bbSaveAccordCH");
    EXPECT_EQ(dialogs.questions, Lines{save.question});
    EXPECT_EQ(fs::exists(Song(save.record)), save.answer) << save.record;
  }
}

TEST_F(FormTest, ReadingAMelodyRecordRestoresItsSettingsAndPlaysThePartElseChangesNothing) {
  OpenProject("song");
  Melody("8g6, ");
  const struct {
    const char* part; // selected, if any
    const char* record;
    const char* shown; // family, instrument, channel, voice, modulation, volume, melody
    const char* notice;
    const char* error;
    bool played;
  } reads[] = {{nullptr, nullptr, "PIANO Acoustic Grand 1 1 50 100 8g6, ", "Не выбран файл с записью RTTTL-E",
                nullptr, false},
               {"ch7v1m.mid", nullptr, "PIANO Acoustic Grand 1 1 50 100 8g6, ",
                "Не выбран файл с записью RTTTL-E", nullptr, false},
               // The first line decides, though the numbers of the record do not read.
               {"ch2v1a.mid", "accords\r\n3 0 x 1 50 100\r\n4(Am)\r\n",
                "PIANO Acoustic Grand 1 1 50 100 8g6, ", "В этом файле записаны аккорды", nullptr, true},
               {"ch1v1m.mid", "melody\r\n4 2 3 x 50 100\r\n0\r\n1\r\n8d6, \r\n",
                "PIANO Acoustic Grand 1 1 50 100 8g6, ", nullptr, "ch1v1m.txt, строка 2", false},
               {"ch2v3m.mid", "melody\r\n4 3 2 3 77 64\r\n0\r\n2\r\n4c6, 8e6, \r\n4g6, \r\n",
                "BASS Fretless Bass 2 3 77 64 4c6, 8e6, \n4g6, ", nullptr, nullptr, true},
               // The drum family's list is filled before its instrument and the channel are chosen.
               {"ch5v2m.mid", "melody\r\n16 3 5 2 40 90\r\n0\r\n1\r\n8c6, \r\n",
                "DRUMS Hand Clap 5 2 40 90 8c6, ", nullptr, nullptr, true}};
  for (const auto& read : reads) {
    dialogs.Clear();
    if (read.part) {
      WriteText(Song(read.part), "");
      if (read.record)
        WriteText(fs::path(Song(read.part)).replace_extension(".txt"), read.record);
      OpenProject("song");
      ClickListItem("flb2", read.part);
    }
    playerLog.clear();
    Click("bbRead");
    EXPECT_EQ(QStringList({Text("cbFamily"), Text("cbInstByFamily"), Text("cbChan"), Text("cbVoice"),
                           Text("laModValue"), Text("laGromValue"), Text("re2")})
                  .join(' '),
              read.shown);
    EXPECT_EQ(dialogs.notices, read.notice ? Lines{read.notice} : Lines{});
    EXPECT_TRUE(Reported(read.error));
    EXPECT_EQ(LastCall("mp1"), read.played ? "Play " + Song(read.part).string() : "") << read.shown;
  }
  // A double click reads too.
  Type("re2", "");
  ClickListItem("flb2", "ch5v2m.mid", true);
  EXPECT_EQ(Text("re2"), "8c6, ");
}

TEST_F(FormTest, EraseDeletesThePartWithItsRecordAndStartingOverOnlyThePanes) {
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
  EXPECT_EQ(Items(Control<QListWidget>("flb1")), QStringList{});
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
  EXPECT_EQ(Items(Control<QListWidget>("flbSum")), QStringList{"ch1v1m.mid"});
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
