// The assembly page: channel levels from the records shown on the sliders,
// the sliders' levels and the settings passed to the assembly, the
// assembled file played, and the faults named before anything is rewritten.

#include "FormFixture.h"

#include <QListWidget>

#include <algorithm>

namespace arvento::test {
namespace {

const std::string kNoParts =
    "В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку.";

class AssemblyTest : public FormTest {
public:
  void SaveMelody(const QString& melody, const QString& channel) {
    Melody(melody);
    Choose("cbChan", channel);
    Click("bbSaveSingle");
  }
  void SaveChords(const QString& chords, const QString& channel) {
    Click("bbAccords");
    Type("reAcc", chords);
    Choose("cbChan", channel);
    Click("bbSaveAccordCH");
  }
  // The velocities of the assembled file's note-ons, track by track.
  Lines Velocities() const {
    Lines found;
    for (const std::string& note : MidiCsvNotes(Song() / "song.mid")) {
      const std::string velocity = note.substr(note.rfind(' ') + 1);
      const std::string track = note.substr(0, 1);
      if (note.find("Note_on") != std::string::npos &&
          std::find(found.begin(), found.end(), track + ":" + velocity) == found.end())
        found.push_back(track + ":" + velocity);
    }
    return found;
  }
};

TEST_F(AssemblyTest, TheAssembledFilePlaysAndTheWindowShowsTheLastPart) {
  OpenProject("song");
  SaveMelody("4c6, 8p, 8e6, ", "1");
  Click("bbAccords");
  Choose("cbFamily", "GUITAR");
  SaveChords("4(Am), 4(C)", "2");
  Melody("");
  Click("bbSbor");
  EXPECT_EQ(Text("laRegime"), "song. Сборка");
  EXPECT_EQ((std::vector<int>{Slider("sbc1")->value(), Slider("sbc2")->value(), Slider("sbc3")->value()}),
            (std::vector<int>{0, 0, 100}));
  playerLog.clear();
  Click("bbSobr");
  EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();
  const fs::path assembled = Song() / "song.mid";
  EXPECT_EQ(MidiCsvNotes(assembled).size(), 4u + 24);
  EXPECT_NE(MidiCsv(assembled).find("3, 0, Program_c, 1, 24"), std::string::npos);
  EXPECT_EQ(PlayerCalls("mpSum"), (Lines{"Close", "SetFileName ", "SetFileName " + assembled.string(),
                                         "Open " + assembled.string(), "Play " + assembled.string()}));
  EXPECT_EQ(Control<QListWidget>("flbSum")->count(), 3);
  // The settings of the last part, the texts of the last melody and chord part.
  EXPECT_EQ(Text("cbChan") + Text("cbFamily"), "2GUITAR");
  EXPECT_EQ(Text("reAcc") + Text("reAcc2"), "4(Am), 4(C)4(Am), 4(C)");
  EXPECT_EQ(Text("re2"), "4c6, 8p, 8e6, ");
  Click("BitBtn1");
  EXPECT_EQ(LastCall("mpSum"), "Stop");

  // An old assembled file is left out, and the status bar says so.
  fs::copy_file(assembled, Song() / "old.mid");
  Click("bbSobr");
  EXPECT_EQ(StatusText(), "Файл old.mid не вошел в сборку: в нем больше двух дорожек, это не партия.");
}

TEST_F(AssemblyTest, TheSlidersGiveTheLevelsBetweenTenAndTheVolumeMaximum) {
  OpenProject("song");
  SlideTo("sbGrom", Qt::Key_Home);
  SaveChords("4(C)", "1");
  Slider("sbGrom")->setValue(80);
  dialogs.Plan({true});
  SaveMelody("8g6, ", "1");
  SaveMelody("8g6, ", "2");
  Type("edGrMax", "120");
  Click("SpeedButton2");
  // The last part of the list on a channel sets its slider.
  Click("bbSbor");
  EXPECT_EQ(Slider("sbc1")->value(), 40);
  const struct {
    const char* slider;
    Qt::Key key;
    Lines velocities;
  } levels[] = {
      {nullptr, Qt::Key_unknown, {"2:80", "3:80", "4:80"}},
      {"sbc1", Qt::Key_Home, {"2:120", "3:120", "4:80"}},
      {"sbc2", Qt::Key_End, {"2:120", "3:120", "4:10"}},
  };
  for (const auto& level : levels) {
    SCOPED_TRACE(level.velocities.back());
    if (level.slider)
      SlideTo(level.slider, level.key);
    Click("bbSobr");
    EXPECT_EQ(Velocities(), level.velocities);
  }
  // The records hold the level as their volume.
  EXPECT_EQ(ReadText(Song() / "ch1v1a.txt"), "accords\r\n0 0 1 1 50 120\r\n4(C)\r\n");
  EXPECT_EQ(Slider("sbGrom")->value(), 10);
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(AssemblyTest, FaultsAreNamedBeforeAnythingIsRewritten) {
  Click("bbSbor");
  Click("bbSobr");
  OpenProject("song");
  Click("bbSbor");
  Click("bbSobr");
  EXPECT_EQ(dialogs.notices, (Lines{kNoParts, kNoParts}));
  EXPECT_FALSE(fs::exists(Song() / "song.mid"));

  SaveMelody("4c6, ", "1");
  const char* const bad = "accords\r\n0 0 x 1 50 100\r\n4(C)\r\n";
  const struct {
    const char* record; // of the part file ch3v1a.mid, if any
    const char* press;
    const char* error;
  } faults[] = {
      {nullptr, "bbSobr", "ch3v1a.mid"},
      {nullptr, "bbSbor", "ch3v1a.txt"},
      {bad, "bbSobr", "ch3v1a.txt, строка 2"},
      {bad, "bbSbor", "ch3v1a.txt, строка 2"},
  };
  for (const auto& fault : faults) {
    SCOPED_TRACE(fault.error);
    fs::remove(Song() / "ch3v1a.txt");
    fs::remove(Song() / "ch3v1a.mid");
    Click("bbMelod");
    Click("bbSbor");
    // A level that would change the record if the assembly went on.
    Slider("sbc1")->setValue(50);
    WriteText(Song() / "ch3v1a.mid", "");
    if (fault.record)
      WriteText(Song() / "ch3v1a.txt", fault.record);
    const bool opening = fault.press == std::string("bbSbor");
    if (opening)
      Click("bbMelod");
    const std::string record = ReadText(Song() / "ch1v1m.txt");
    dialogs.Clear();
    Click(fault.press);
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_NE(dialogs.errors[0].find(fault.error), std::string::npos) << dialogs.errors[0];
    EXPECT_EQ(ReadText(Song() / "ch1v1m.txt"), record);
    EXPECT_FALSE(fs::exists(Song() / "song.mid"));
    // Opening the page reads every record first and leaves the page, its
    // label and the sliders as they were.
    EXPECT_EQ(Shown("work"), opening);
    EXPECT_EQ(Text("laRegime"), opening ? "song. Правка одиночной партии" : "song. Сборка");
    EXPECT_EQ(Slider("sbc1")->value(), 50);
  }
  // A volume maximum that is not a number keeps the page from opening.
  Click("bbMelod");
  Type("edGrMax", "много");
  dialogs.Clear();
  Click("bbSbor");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("много"), std::string::npos) << dialogs.errors[0];
  EXPECT_TRUE(Shown("work"));
}

} // namespace
} // namespace arvento::test
