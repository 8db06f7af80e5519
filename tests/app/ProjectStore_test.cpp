// The project group and the melody page: opening projects, playing, saving,
// reading back and deleting parts, starting over, the file lists, and which
// player gets a written file.

#include "FormFixture.h"

#include <QListWidget>

namespace arvento::test {
namespace {

const char* const kTmpOpened = "Не задано название проекта, принято значение tmp";

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i)
    items.push_back(list->item(i)->text());
  return items;
}

TEST_F(FormTest, PlayWithNoProjectOpensTmpAndEachPagePlaysInItsOwnPlayer) {
  Melody("4c6, 8p, 8e6, ");
  Click("buPlay");
  EXPECT_EQ(StatusText(), kTmpOpened);
  EXPECT_EQ(Text("edProjectName"), "tmp");
  EXPECT_EQ(Text("laRegime"), "tmp. Запись одиночной партии");
  EXPECT_EQ(MidiCsvNotes(Tmp("ch1v1m.mid")), (Lines{"2 0 Note_on_c 0 60 100", "2 48 Note_off_c 0 60 100",
                                                    "2 72 Note_on_c 0 64 100", "2 96 Note_off_c 0 64 100"}));
  EXPECT_FALSE(fs::exists(Tmp("ch1v1m.txt")));

  // The page players let go of their files before every write; the melody
  // page plays in mp1, the grid page in mp2 and the parts page in neither.
  const struct {
    const char* mode;
    const char* play;
    Lines mp1, mp2;
  } pages[] = {
      {"bbMelod", "buPlay", Played(Tmp("ch1v1m.mid")), {}},
      {"bbPodb", "bbPlayResult", {}, Played(Tmp("ch1v1a.mid"))},
      {"bbPerebor", "bbProigr", {}, {}},
  };
  for (const auto& page : pages) {
    SCOPED_TRACE(page.mode);
    Click(page.mode);
    fs::remove_all(Tmp());
    playerLog.clear();
    Click(page.play);
    EXPECT_TRUE(fs::exists(Tmp(page.mode == std::string("bbMelod") ? "ch1v1m.mid" : "ch1v1a.mid")));
    for (const auto& [player, calls] : {std::pair{"mp1", page.mp1}, std::pair{"mp2", page.mp2}}) {
      Lines expected{"Close", "SetFileName "};
      expected.insert(expected.end(), calls.begin(), calls.end());
      EXPECT_EQ(PlayerCalls(player), expected) << player;
    }
  }
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FormTest, AMalformedMelodyEndsThePlayWithOneErrorAndNoFile) {
  Melody("Title\n4c6, 8e6, \n4c6, p8, ");
  Click("buPlay");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_TRUE(dialogs.errors[0].starts_with("Строка 3, элемент \"p8\"")) << dialogs.errors[0];
  EXPECT_FALSE(fs::exists(Tmp("ch1v1m.mid")));
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
  } presses[] = {
      // Playing with another project open makes the audition directory.
      {"bbAccords", "bbDragon", "mpSum", "pauseButton", {"mp1 Close", "mp2 Close", "mpSum Pause"}},
      {"bbAccords", "bbDragon", "mp2", "stopButton", {"mp2 Stop"}},
      {"bbAccords", "bbDragon", "mp2", "playButton", {"mp2 Play " + Tmp("ch1v1a.mid").string()}},
      // The melody page's player keeps the others' files.
      {"bbMelod", "buPlay", "mp1", "stopButton", {"mpSum Close", "mp2 Close", "mp1 Stop"}},
  };
  for (const auto& press : presses) {
    SCOPED_TRACE(press.button);
    Click(press.mode);
    Click(press.play);
    playerLog.clear();
    PressPlayerButton(press.player, press.button);
    Lines expected = press.player == std::string("mp2") ? pageRule : Lines{};
    expected.insert(expected.end(), press.calls.begin(), press.calls.end());
    EXPECT_EQ(playerLog, expected);
  }
  // A click in a page's file list closes all three; one in the project list
  // loads the project player.
  for (const char* list : {"flb2", "flbSum"}) {
    playerLog.clear();
    ClickListItem(list, "ch1v1m.mid", true);
    EXPECT_EQ(Lines(playerLog.begin(), playerLog.begin() + 3),
              (Lines{"mp1 Close", "mp2 Close", "mpSum Close"}));
  }
  EXPECT_EQ(playerLog.back(), "mpSum Open " + (Song() / "ch1v1m.mid").string());
}

TEST_F(FormTest, SavingWritesTheRecordAndThePartAndLoadsItWithoutPlaying) {
  // With no project open the first press only opens "tmp".
  Melody("// Тема\n4c6, 8p, 8e6, ");
  Click("bbSaveSingle");
  EXPECT_EQ(StatusText(), kTmpOpened);
  EXPECT_TRUE(fs::is_empty(Tmp()));

  fs::create_directory(dir.path() / "ballad");
  OpenProject("song");
  EXPECT_EQ(StatusText(), "");
  EXPECT_EQ(Items(Control<QListWidget>("dlb1")), (QStringList{"ballad", "song", "tmp"}));
  Choose("cbChan", "2");
  playerLog.clear();
  Click("bbSaveSingle");
  EXPECT_EQ(ReadText(Song() / "ch2v1m.txt"),
            "melody\r\n0 0 2 1 50 100\r\n0\r\n2\r\n// \xD2\xE5\xEC\xE0\r\n4c6, 8p, 8e6, \r\n");
  EXPECT_EQ(MidiCsvNotes(Song() / "ch2v1m.mid")[0], "2 0 Note_on_c 1 60 100");
  const std::string part = (Song() / "ch2v1m.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"), (Lines{"Close", "SetFileName ", "SetFileName " + part, "Open " + part}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(Items(Control<QListWidget>(list)), QStringList{"ch2v1m.mid"}) << list;
  EXPECT_TRUE(dialogs.questions.empty());

  // A click in the project directory list copies the name only.
  ClickListItem("dlb1", "ballad");
  EXPECT_EQ(Text("edProjectName"), "ballad");
  EXPECT_EQ(Text("laRegime"), "song. Запись одиночной партии");
}

TEST_F(FormTest, SavingOverAPartOrBesideItsTwinAsksFirst) {
  OpenProject("song");
  const struct {
    const char* mode;
    const char* channel;
    const char* there; // the file already in the project
    bool answer;
    const char* saved; // the record of the part saved
    const char* question;
  } saves[] = {
      {"bbMelod", "1", "ch1v1m.mid", false, "ch1v1m.txt",
       "Файл ch1v1m.mid в проекте уже записан. Перезаписать?"},
      {"bbMelod", "2", "ch2v1m.mid", true, "ch2v1m.txt",
       "Файл ch2v1m.mid в проекте уже записан. Перезаписать?"},
      {"bbMelod", "3", "ch3v1a.mid", false, "ch3v1m.txt",
       "Канал 3, голос 1 в проекте уже задействованы. Использовать еще раз?"},
      {"bbAccords", "4", "ch4v1m.mid", true, "ch4v1a.txt",
       "Канал 4, голос 1 в проекте уже задействованы. Использовать еще раз?"},
      {"bbAccords", "5", "ch5v1a.mid", false, "ch5v1a.txt",
       "Файл ch5v1a.mid в проекте уже записан. Перезаписать?"},
  };
  for (const auto& save : saves) {
    SCOPED_TRACE(save.there);
    WriteText(Song() / save.there, "");
    Click(save.mode);
    Choose("cbChan", save.channel);
    dialogs.Clear();
    dialogs.Plan({save.answer});
    Click(save.mode == std::string("bbMelod") ? "bbSaveSingle" : "bbSaveAccordCH");
    EXPECT_EQ(dialogs.questions, Lines{save.question});
    EXPECT_EQ(fs::exists(Song() / save.saved), save.answer);
  }
}

TEST_F(FormTest, AFailedSaveReportsOnceAndKeepsThePartFileWhole) {
  OpenProject("song");
  Melody("4c6, ");
  Click("bbSaveSingle");
  const std::vector<std::uint8_t> part = ReadBytes(Song() / "ch1v1m.mid");
  Type("re2", "4c6,\n8x6, ");
  dialogs.Plan({true});
  Click("bbSaveSingle");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_TRUE(dialogs.errors[0].starts_with("Строка 2, элемент \"8x6\"")) << dialogs.errors[0];
  EXPECT_EQ(ReadBytes(Song() / "ch1v1m.mid"), part);
  // The record is written first.
  EXPECT_NE(ReadText(Song() / "ch1v1m.txt").find("8x6, "), std::string::npos);
}

TEST_F(FormTest, ReadingAMelodyRecordRestoresItsSettingsAndPlaysThePart) {
  OpenProject("song");
  const struct {
    const char* part;
    const char* record;
    const char* family;
    const char* instrument;
    const char* channel;
    const char* voice;
    int modulation, volume;
    const char* melody;
  } records[] = {
      {"ch2v3m.mid", "melody\r\n4 3 2 3 77 64\r\n0\r\n2\r\n4c6, 8e6, \r\n4g6, \r\n", "BASS", "Fretless Bass",
       "2", "3", 77, 64, "4c6, 8e6, \n4g6, "},
      // The drum family's list is filled before its instrument and the
      // channel are chosen.
      {"ch5v2m.mid", "melody\r\n16 3 5 2 40 90\r\n0\r\n1\r\n8c6, \r\n", "DRUMS", "Hand Clap", "5", "2", 40,
       90, "8c6, "},
  };
  for (const auto& record : records) {
    SCOPED_TRACE(record.part);
    WriteText(Song() / record.part, "MThd");
    WriteText((Song() / record.part).replace_extension(".txt"), record.record);
    Click("bbAccords");
    Click("bbMelod");
    Choose("cbFamily", "PIANO");
    Type("re2", "");
    OpenProject("song");
    playerLog.clear();
    ClickListItem("flb2", record.part, true);
    EXPECT_EQ((QStringList{Text("cbFamily"), Text("cbInstByFamily"), Text("cbChan"), Text("cbVoice")}),
              (QStringList{record.family, record.instrument, record.channel, record.voice}));
    EXPECT_EQ(Slider("sbMod")->value(), record.modulation);
    EXPECT_EQ(Slider("sbGrom")->value(), record.volume);
    EXPECT_EQ(Text("re2"), record.melody);
    EXPECT_EQ(LastCall("mp1"), "Play " + (Song() / record.part).string());
  }
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(FormTest, ReadingWithoutAMelodyRecordChangesNothing) {
  OpenProject("song");
  Melody("8g6, ");
  WriteText(Song() / "ch7v1m.mid", "MThd");
  WriteText(Song() / "ch2v1a.mid", "MThd");
  // A chord record: its first line decides, though its numbers do not read.
  WriteText(Song() / "ch2v1a.txt", "accords\r\n3 0 x 1 50 100\r\n4(Am)\r\n");
  WriteText(Song() / "ch1v1m.mid", "MThd");
  WriteText(Song() / "ch1v1m.txt", "melody\r\n4 2 3 x 50 100\r\n0\r\n1\r\n8d6, \r\n");
  Click("bbRead");
  OpenProject("song");
  const struct {
    const char* part;
    const char* notice;
    const char* error;
    bool played;
  } reads[] = {
      {"ch7v1m.mid", "Не выбран файл с записью RTTTL-E", nullptr, false},
      {"ch2v1a.mid", "В этом файле записаны аккорды", nullptr, true},
      {"ch1v1m.mid", nullptr, "ch1v1m.txt, строка 2", false},
  };
  EXPECT_EQ(dialogs.notices, Lines{"Не выбран файл с записью RTTTL-E"});
  for (const auto& read : reads) {
    SCOPED_TRACE(read.part);
    dialogs.Clear();
    ClickListItem("flb2", read.part);
    playerLog.clear();
    Click("bbRead");
    EXPECT_EQ(dialogs.notices, read.notice ? Lines{read.notice} : Lines{});
    EXPECT_TRUE(Reported(read.error));
    EXPECT_EQ(Text("re2") + Text("cbChan"), "8g6, 1");
    EXPECT_EQ(LastCall("mp1"), read.played ? "Play " + (Song() / read.part).string() : "");
  }
}

TEST_F(FormTest, EraseDeletesThePartWithItsRecordAndStartingOverOnlyThePanes) {
  OpenProject("song");
  Melody("4c6, ");
  Click("bbSaveSingle");
  Click("sbErase");
  EXPECT_TRUE(dialogs.questions.empty()); // nothing selected
  ClickListItem("flbSum", "ch1v1m.mid");
  dialogs.Plan({false, true});
  Click("sbErase");
  EXPECT_TRUE(fs::exists(Song() / "ch1v1m.mid"));
  playerLog.clear();
  Click("sbErase");
  EXPECT_EQ(dialogs.questions, Lines(2, "Удалить файл из проекта?"));
  EXPECT_TRUE(fs::is_empty(Song()));
  EXPECT_EQ(playerLog, (Lines{"mpSum Close", "mpSum SetFileName "}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(Control<QListWidget>(list)->count(), 0) << list;

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
  const std::string blocked = "Cannot create " + (dir.path() / "blocked").string();
  for (const char* name : {"a/b", "..", "   ", "x:y", "a\\b", "x/../../etc", "blocked"}) {
    SCOPED_TRACE(name);
    dialogs.Clear();
    OpenProject(name);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(
        dialogs.errors[0].find(name == std::string("blocked") ? blocked : "Недопустимое название проекта"),
        std::string::npos)
        << dialogs.errors[0];
    EXPECT_EQ(Text("laRegime"), "song. Запись аккордов");
  }
  Click("bbSaveAccordCH");
  EXPECT_TRUE(fs::exists(Song() / "ch1v1a.mid"));
}

} // namespace
} // namespace arvento::test
