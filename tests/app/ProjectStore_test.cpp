// The project store: opening projects, saving, reading back and deleting
// melody parts, starting over, the file lists and the refused names.

#include "FormFixture.h"

#include <QListWidget>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;

const std::string kConductor =
    "4D 54 72 6B 00 00 00 13 00 FF 51 03 07 A1 20 00 FF 58 04 04 02 24 08 00 FF 2F 00 ";

std::vector<std::string> Names(const fs::path& dir) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

QStringList ListItems(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i)
    items.push_back(list->item(i)->text());
  return items;
}

class ProjectTest : public FormTest {
protected:
  void SetUp() override { Start(); }

  void OpenProject(const QString& name) {
    Type("edProjectName", name);
    Click("bbOpenProject");
  }

  // Opens "song" and saves the melody on the melody page.
  void SaveMelody(const QString& melody) {
    OpenProject("song");
    Click("bbMelod");
    Type("re2", melody);
    Click("bbSaveSingle");
  }

  fs::path Song() const { return Base() / "song"; }
};

TEST_F(ProjectTest, OpenSongTypeAMelodyAndSaveIt) {
  OpenProject("song");
  EXPECT_TRUE(fs::is_directory(Song()));
  EXPECT_EQ(Text("laRegime"), "song. Запись аккордов");
  EXPECT_TRUE(StatusText().isEmpty());
  EXPECT_EQ(ListItems(Control<QListWidget>("dlb1")), QStringList{"song"});

  Click("bbMelod");
  Type("re2", "// Тема\n4c6, 8p, 8e6, ");
  Choose("cbChan", "2");
  playerLog.clear();
  Click("bbSaveSingle");
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_EQ(Names(Song()), (std::vector<std::string>{"ch2v1m.mid", "ch2v1m.txt"}));

  // The record in code page 1251 with CR LF line ends.
  EXPECT_EQ(ReadText(Song() / "ch2v1m.txt"), "melody\r\n0 0 2 1 50 100\r\n0\r\n2\r\n// \xD2\xE5\xEC\xE0\r\n"
                                             "4c6, 8p, 8e6, \r\n");
  EXPECT_EQ(ReadBytes(Song() / "ch2v1m.mid"),
            Bytes("4D 54 68 64 00 00 00 06 00 01 00 02 00 32 " + kConductor +
                  "4D 54 72 6B 00 00 00 20 00 FF 03 01 00 00 B1 01 32 00 C1 00 "
                  "00 91 3C 64 30 81 3C 64 18 91 40 64 18 81 40 64 00 FF 2F 00"));
  EXPECT_EQ(MidiCsvNotes(Song() / "ch2v1m.mid"),
            (std::vector<std::string>{"2 0 Note_on_c 1 60 100", "2 48 Note_off_c 1 60 100",
                                      "2 72 Note_on_c 1 64 100", "2 96 Note_off_c 1 64 100"}));

  // Saving loads the part into the melody player and plays nothing.
  const std::string saved = (Song() / "ch2v1m.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"),
            (std::vector<std::string>{"Close", "SetFileName ", "SetFileName " + saved, "Open " + saved}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(ListItems(Control<QListWidget>(list)), QStringList{"ch2v1m.mid"}) << list;
}

TEST_F(ProjectTest, SavingAgainAsksAndNoKeepsTheFiles) {
  SaveMelody("4c6, ");
  const std::vector<std::uint8_t> part = ReadBytes(Song() / "ch1v1m.mid");
  const std::string record = ReadText(Song() / "ch1v1m.txt");

  Type("re2", "8d6, ");
  dialogs.Plan({false});
  Click("bbSaveSingle");
  EXPECT_EQ(dialogs.questions,
            std::vector<std::string>{"Файл ch1v1m.mid в проекте уже записан. Перезаписать?"});
  EXPECT_EQ(ReadBytes(Song() / "ch1v1m.mid"), part);
  EXPECT_EQ(ReadText(Song() / "ch1v1m.txt"), record);

  dialogs.Plan({true});
  Click("bbSaveSingle");
  EXPECT_EQ(MidiCsvNotes(Song() / "ch1v1m.mid"),
            (std::vector<std::string>{"2 0 Note_on_c 0 62 100", "2 24 Note_off_c 0 62 100"}));
  EXPECT_NE(ReadText(Song() / "ch1v1m.txt").find("8d6, "), std::string::npos);

  // Only the accompaniment of channel 3, voice 1 exists: the channel question.
  fs::copy_file(Song() / "ch1v1m.mid", Song() / "ch3v1a.mid");
  Choose("cbChan", "3");
  dialogs.Clear();
  dialogs.Plan({false});
  Click("bbSaveSingle");
  EXPECT_EQ(dialogs.questions,
            std::vector<std::string>{"Канал 3, голос 1 в проекте уже задействованы. Использовать еще раз?"});
  EXPECT_FALSE(fs::exists(Song() / "ch3v1m.mid"));
  EXPECT_FALSE(fs::exists(Song() / "ch3v1m.txt"));
  dialogs.Plan({true});
  Click("bbSaveSingle");
  EXPECT_TRUE(fs::exists(Song() / "ch3v1m.mid"));
  EXPECT_TRUE(fs::exists(Song() / "ch3v1m.txt"));
  EXPECT_TRUE(dialogs.AllAnswered());
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ProjectTest, SavingWithNoProjectOpensTmpAndSavesNothing) {
  Click("bbMelod");
  Type("re2", "4c6, ");
  Click("bbSaveSingle");
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_EQ(Text("edProjectName"), "tmp");
  EXPECT_EQ(Text("laRegime"), "tmp. Запись одиночной партии");
  EXPECT_TRUE(fs::is_directory(Base() / "tmp"));
  EXPECT_TRUE(fs::is_empty(Base() / "tmp"));

  Click("bbSaveSingle");
  EXPECT_EQ(Names(Base() / "tmp"), (std::vector<std::string>{"ch1v1m.mid", "ch1v1m.txt"}));
}

TEST_F(ProjectTest, FailedSavesReportOnceAndKeepWhatWasWritten) {
  SaveMelody("4c6, ");
  const std::vector<std::uint8_t> part = ReadBytes(Song() / "ch1v1m.mid");

  // A malformed token: the record keeps the text, the part file stays whole.
  Type("re2", "4c6,\n8x6, ");
  dialogs.Plan({true});
  Click("bbSaveSingle");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_TRUE(dialogs.errors[0].starts_with("Строка 2, элемент \"8x6\"")) << dialogs.errors[0];
  EXPECT_EQ(ReadBytes(Song() / "ch1v1m.mid"), part);
  EXPECT_NE(ReadText(Song() / "ch1v1m.txt").find("8x6, "), std::string::npos);

  // The record is written before the part file: a part file that cannot be
  // written leaves the record written.
  Choose("cbChan", "4");
  Type("re2", "4e6, ");
  fs::create_directory(Song() / "ch4v1m.mid");
  fs::create_directory(Song() / "ch4v1m.mid" / "inside");
  dialogs.Clear();
  dialogs.Plan({true});
  Click("bbSaveSingle");
  EXPECT_EQ(dialogs.errors.size(), 1u);
  EXPECT_TRUE(fs::exists(Song() / "ch4v1m.txt"));
  EXPECT_TRUE(fs::is_directory(Song() / "ch4v1m.mid" / "inside"));
}

TEST_F(ProjectTest, ReadingRestoresTheMelodyAndItsSettings) {
  OpenProject("song");
  Click("bbMelod");
  Choose("cbFamily", "BASS");
  Choose("cbInstByFamily", "Fretless Bass");
  Choose("cbChan", "2");
  Choose("cbVoice", "3");
  Control<QSlider>("sbMod")->setValue(77);
  Control<QSlider>("sbGrom")->setValue(64);
  Type("re2", "4c6, 8e6, \n4g6, ");
  Click("bbSaveSingle");

  dialogs.Plan({true});
  Click("bbKillAll");
  Choose("cbFamily", "PIANO");
  Choose("cbVoice", "1");
  Control<QSlider>("sbMod")->setValue(50);
  Control<QSlider>("sbGrom")->setValue(100);
  ASSERT_TRUE(Text("re2").isEmpty());

  ClickListItem("flb2", "ch2v3m.mid");
  playerLog.clear();
  Click("bbRead");
  EXPECT_EQ(Text("re2"), "4c6, 8e6, \n4g6, ");
  EXPECT_EQ(Text("cbFamily"), "BASS");
  EXPECT_EQ(Text("cbInstByFamily"), "Fretless Bass");
  EXPECT_EQ(Text("cbChan"), "2");
  EXPECT_EQ(Text("cbVoice"), "3");
  EXPECT_EQ(Control<QSlider>("sbMod")->value(), 77);
  EXPECT_EQ(Control<QSlider>("sbGrom")->value(), 64);
  const std::string part = (Song() / "ch2v3m.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"),
            (std::vector<std::string>{"Close", "SetFileName " + part, "Open " + part, "Play " + part}));

  // A double click in the list reads too.
  Type("re2", "");
  ClickListItem("flb2", "ch2v3m.mid", true);
  EXPECT_EQ(Text("re2"), "4c6, 8e6, \n4g6, ");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ProjectTest, ReadingADrumRecordRestoresTheRecordedChannel) {
  SaveMelody("4c6, ");
  fs::copy_file(Song() / "ch1v1m.mid", Song() / "ch5v2m.mid");
  WriteText(Song() / "ch5v2m.txt", "melody\r\n16 3 5 2 40 90\r\n0\r\n1\r\n8c6, \r\n");
  OpenProject("song");
  ClickListItem("flb2", "ch5v2m.mid");
  Click("bbRead");
  EXPECT_EQ(Text("cbFamily"), "DRUMS");
  EXPECT_EQ(Text("cbInstByFamily"), "Hand Clap");
  EXPECT_EQ(Text("cbChan"), "5");
  EXPECT_EQ(Text("cbVoice"), "2");
  EXPECT_EQ(Text("re2"), "8c6, ");
}

TEST_F(ProjectTest, ReadingWithoutAMelodyRecordChangesNothing) {
  SaveMelody("4c6, ");
  Click("bbRead");
  EXPECT_EQ(dialogs.notices, std::vector<std::string>{"Не выбран файл с записью RTTTL-E"});

  // A part file without a record.
  fs::copy_file(Song() / "ch1v1m.mid", Song() / "ch7v1m.mid");
  // An accompaniment record: its first line decides, though its numbers do not read.
  fs::copy_file(Song() / "ch1v1m.mid", Song() / "ch2v1a.mid");
  WriteText(Song() / "ch2v1a.txt", "accords\r\n3 0 x 1 50 100\r\n4(Am), 4(C)\r\n");
  OpenProject("song");
  Type("re2", "8g6, ");
  ClickListItem("flb2", "ch7v1m.mid");
  Click("bbRead");
  ClickListItem("flb2", "ch2v1a.mid");
  playerLog.clear();
  Click("bbRead");
  EXPECT_EQ(dialogs.notices,
            (std::vector<std::string>{"Не выбран файл с записью RTTTL-E", "Не выбран файл с записью RTTTL-E",
                                      "В этом файле записаны аккорды"}));
  EXPECT_EQ(Text("re2"), "8g6, ");
  EXPECT_EQ(Text("cbFamily"), "PIANO");
  EXPECT_EQ(Text("cbChan"), "1");
  // The chord part is still played.
  const std::string part = (Song() / "ch2v1a.mid").string();
  EXPECT_EQ(PlayerCalls("mp1"),
            (std::vector<std::string>{"Close", "SetFileName " + part, "Open " + part, "Play " + part}));
}

TEST_F(ProjectTest, ABadRecordIsReportedWithItsFileAndLineAndChangesNothing) {
  SaveMelody("4c6, ");
  WriteText(Song() / "ch1v1m.txt", "melody\r\n4 2 3 x 50 100\r\n0\r\n1\r\n8d6, \r\n");
  Type("re2", "8g6, ");
  ClickListItem("flb2", "ch1v1m.mid");
  playerLog.clear();
  Click("bbRead");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("ch1v1m.txt"), std::string::npos) << dialogs.errors[0];
  EXPECT_NE(dialogs.errors[0].find("строка 2"), std::string::npos) << dialogs.errors[0];
  EXPECT_EQ(Text("re2"), "8g6, ");
  EXPECT_EQ(Text("cbFamily"), "PIANO");
  EXPECT_EQ(Text("cbChan"), "1");
  EXPECT_TRUE(PlayerCalls("mp1").empty());
}

TEST_F(ProjectTest, EraseDeletesThePartFileWithItsRecord) {
  SaveMelody("4c6, ");
  Click("sbErase");
  EXPECT_TRUE(dialogs.questions.empty()); // nothing selected

  ClickListItem("flbSum", "ch1v1m.mid");
  dialogs.Plan({false});
  Click("sbErase");
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Удалить файл из проекта?"});
  EXPECT_TRUE(fs::exists(Song() / "ch1v1m.mid"));

  playerLog.clear();
  dialogs.Plan({true});
  Click("sbErase");
  EXPECT_TRUE(fs::is_empty(Song()));
  EXPECT_EQ(PlayerCalls("mpSum"), (std::vector<std::string>{"Close", "SetFileName "}));
  for (const char* list : {"flb1", "flb2", "flbSum"})
    EXPECT_EQ(Control<QListWidget>(list)->count(), 0) << list;

  // The assembled file goes with a record of its name too.
  WriteText(Song() / "song.mid", "MThd");
  WriteText(Song() / "song.txt", "x");
  OpenProject("song");
  ClickListItem("flbSum", "song.mid");
  dialogs.Plan({true});
  Click("sbErase");
  EXPECT_TRUE(fs::is_empty(Song()));
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(ProjectTest, StartingOverEmptiesThePanesOnYesAndNoFileIsTouched) {
  SaveMelody("4c6, ");
  Click("bbAccords");
  Type("reAcc", "4(Am)");
  Click("bbPerebor");
  Type("reAcc2", "4(C)");

  dialogs.Plan({false});
  Click("bbKillAll");
  EXPECT_EQ(dialogs.questions, std::vector<std::string>{"Удалить все текущие наработки?"});
  EXPECT_EQ(dialogs.notices, std::vector<std::string>{"Единственно правильное и мудрое решение!"});
  EXPECT_EQ(Text("re2"), "4c6, ");

  dialogs.Plan({true});
  Click("bbKillAll");
  for (const char* pane : {"re2", "reAcc", "reAcc2"})
    EXPECT_TRUE(Text(pane).isEmpty()) << pane;
  EXPECT_EQ(Names(Song()), (std::vector<std::string>{"ch1v1m.mid", "ch1v1m.txt"}));
}

TEST_F(ProjectTest, ListsCopyTheProjectNameAndLoadTheProjectPlayer) {
  fs::create_directory(Base() / "ballad");
  SaveMelody("4c6, ");
  EXPECT_EQ(ListItems(Control<QListWidget>("dlb1")), (QStringList{"ballad", "song"}));
  ClickListItem("dlb1", "ballad");
  EXPECT_EQ(Text("edProjectName"), "ballad");
  EXPECT_EQ(Text("laRegime"), "song. Правка одиночной партии");

  playerLog.clear();
  ClickListItem("flbSum", "ch1v1m.mid");
  const std::string part = (Song() / "ch1v1m.mid").string();
  EXPECT_EQ(playerLog, (std::vector<std::string>{"mp1 Close", "mp2 Close", "mpSum Close",
                                                 "mpSum SetFileName " + part, "mpSum Open " + part}));
  playerLog.clear();
  ClickListItem("flb2", "ch1v1m.mid");
  EXPECT_EQ(playerLog, (std::vector<std::string>{"mp1 Close", "mp2 Close", "mpSum Close"}));
}

TEST_F(ProjectTest, RefusedProjectNamesKeepTheOpenProject) {
  OpenProject("song");
  fs::create_directory(Base() / "x");
  for (const char* name : {"a/b", "..", "   ", "x:y", "a\\b", "x/../../etc"}) {
    dialogs.errors.clear();
    OpenProject(name);
    ASSERT_EQ(dialogs.errors.size(), 1u) << name;
    EXPECT_NE(dialogs.errors[0].find("Недопустимое название проекта"), std::string::npos)
        << dialogs.errors[0];
    EXPECT_EQ(Text("laRegime"), "song. Запись аккордов");
  }
  EXPECT_EQ(Names(Base()), (std::vector<std::string>{"song", "x"}));

  // A directory that cannot be made: a file of that name is in the way.
  WriteText(Base() / "blocked", "");
  dialogs.errors.clear();
  OpenProject("blocked");
  EXPECT_EQ(dialogs.errors, std::vector<std::string>{"Cannot create " + (Base() / "blocked").string()});
  EXPECT_EQ(Text("laRegime"), "song. Запись аккордов");

  Click("bbMelod");
  Type("re2", "4c6, ");
  Click("bbSaveSingle");
  EXPECT_TRUE(fs::exists(Base() / "song" / "ch1v1m.mid"));
}

} // namespace
} // namespace arvento::test
