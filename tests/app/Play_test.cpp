// The play command and the hand-off of written part files to the players.

#include "FormFixture.h"

#include <QTest>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;

class PlayTest : public FormTest {
protected:
  void SetUp() override { Start(); }

  // The calls on a player after the two page players were closed for the write.
  std::vector<std::string> AfterWrite(const std::string& player) const {
    std::vector<std::string> calls = PlayerCalls(player);
    const std::size_t closing = player == "mpSum" ? 0 : 2;
    return {calls.begin() + static_cast<std::ptrdiff_t>(std::min(closing, calls.size())), calls.end()};
  }
};

TEST_F(PlayTest, PlayWithNoProjectOpensTmpAndPlaysAtOnce) {
  Click("bbMelod");
  Type("re2", "4c6, 8p, 8e6, ");
  Click("buPlay");
  EXPECT_EQ(StatusText(), "Не задано название проекта, принято значение tmp");
  EXPECT_EQ(Text("edProjectName"), "tmp");
  EXPECT_EQ(Text("laRegime"), "tmp. Запись одиночной партии");
  const fs::path file = Base() / "tmp" / "ch1v1m.mid";
  EXPECT_EQ(MidiCsvNotes(file),
            (std::vector<std::string>{"2 0 Note_on_c 0 60 100", "2 48 Note_off_c 0 60 100",
                                      "2 72 Note_on_c 0 64 100", "2 96 Note_off_c 0 64 100"}));
  // The audition directory gets no records.
  EXPECT_FALSE(fs::exists(Base() / "tmp" / "ch1v1m.txt"));
  EXPECT_EQ(AfterWrite("mp1"), (std::vector<std::string>{"SetFileName " + file.string(),
                                                         "Open " + file.string(), "Play " + file.string()}));
  EXPECT_TRUE(PlayerCalls("mp2").size() == 2 && PlayerCalls("mp2")[0] == "Close");

  // The player's own buttons work on the loaded file.
  QTest::mouseClick(Control<QWidget>("mp1")->findChild<QAbstractButton*>("stopButton"), Qt::LeftButton);
  QTest::mouseClick(Control<QWidget>("mp1")->findChild<QAbstractButton*>("playButton"), Qt::LeftButton);
  EXPECT_EQ(PlayerCalls("mp1").back(), "Play " + file.string());
  EXPECT_EQ(PlayerCalls("mp1").end()[-2], "Stop");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PlayTest, PlayingCreatesAMissingAuditionDirectory) {
  Type("edProjectName", "song");
  Click("bbOpenProject");
  ASSERT_FALSE(fs::exists(Base() / "tmp"));
  Click("bbMelod");
  Type("re2", "8a6, ");
  Click("buPlay");
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_TRUE(fs::exists(Base() / "tmp" / "ch1v1m.mid"));
  EXPECT_TRUE(fs::is_empty(Base() / "song"));
  EXPECT_EQ(StatusText(), "");
}

TEST_F(PlayTest, EachPageHandsTheFileToItsOwnPlayer) {
  Click("bbMelod");
  Type("re2", "8a6, ");

  // The grid page writes an "a" file and plays it in the chord page's player.
  Click("bbPodb");
  playerLog.clear();
  Click("bbPlayResult");
  const std::string grid = (Base() / "tmp" / "ch1v1a.mid").string();
  EXPECT_TRUE(fs::exists(grid));
  EXPECT_EQ(AfterWrite("mp2"),
            (std::vector<std::string>{"SetFileName " + grid, "Open " + grid, "Play " + grid}));
  EXPECT_EQ(AfterWrite("mp1"), std::vector<std::string>{});

  // The parts page only writes the file.
  fs::remove(grid);
  Click("bbPerebor");
  playerLog.clear();
  Click("bbProigr");
  EXPECT_TRUE(fs::exists(grid));
  EXPECT_EQ(playerLog,
            (std::vector<std::string>{"mp1 Close", "mp1 SetFileName ", "mp2 Close", "mp2 SetFileName "}));
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(PlayTest, AMalformedMelodyEndsThePlayWithOneErrorAndNoFile) {
  Click("bbMelod");
  Type("re2", "Title\n4c6, 8e6, \n4c6, p8, ");
  Click("buPlay");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_TRUE(dialogs.errors[0].starts_with("Строка 3, элемент \"p8\"")) << dialogs.errors[0];
  EXPECT_FALSE(fs::exists(Base() / "tmp" / "ch1v1m.mid"));
  EXPECT_EQ(AfterWrite("mp1"), std::vector<std::string>{});
}

} // namespace
} // namespace arvento::test
