// The assembly page: the channel levels of the records shown on the sliders,
// the sliders' levels passed to the assembly, the assembled file played, and
// the faults named before anything is rewritten.

#include "FormFixture.h"

namespace arvento::test {
namespace {

class AssemblyTest : public FormTest {
public:
  void SetUp() override {
    Start();
    OpenProject("song");
  }
  void Save(const char* mode, const char* pane, const QString& text, const QString& channel) {
    Click(mode);
    Type(pane, text);
    Choose("cbChan", channel);
    Click(mode == std::string("bbMelod") ? "bbSaveSingle" : "bbSaveAccordCH");
  }
};

TEST_F(AssemblyTest, TheAssembledFilePlaysAndTheWindowShowsTheLastPart) {
  Save("bbMelod", "re2", "4c6, 8p, 8e6, ", "1");
  Click("bbAccords");
  Choose("cbFamily", "GUITAR");
  SlideTo("sbGrom", Qt::Key_Home);
  Save("bbAccords", "reAcc", "4(Am), 4(C)", "2");
  Melody("");
  // The sliders show each channel's level down from their top.
  Click("bbSbor");
  EXPECT_EQ(Text("laRegime"), "song. Сборка");
  EXPECT_EQ((std::vector<int>{Slider("sbc1")->value(), Slider("sbc2")->value(), Slider("sbc3")->value()}),
            (std::vector<int>{0, 90, 100}));
  // Their ends give the least velocity and the volume maximum.
  SlideTo("sbc1", Qt::Key_End);
  SlideTo("sbc2", Qt::Key_Home);
  playerLog.clear();
  Click("bbSobr");
  EXPECT_TRUE(Reported());
  const std::string assembled = Song("song.mid").string();
  const Lines notes = MidiCsvNotes(assembled);
  EXPECT_EQ((Lines{notes.at(0), notes.at(4)}), (Lines{"2 0 Note_on_c 0 60 10", "3 0 Note_on_c 1 52 100"}));
  EXPECT_NE(MidiCsv(assembled).find("3, 0, Program_c, 1, 24"), std::string::npos);
  EXPECT_EQ(PlayerCalls("mpSum"), (Lines{"Close", "SetFileName ", "SetFileName " + assembled,
                                         "Open " + assembled, "Play " + assembled}));
  EXPECT_EQ(Control<QListWidget>("flbSum")->count(), 3);
  // The settings of the last part, the texts of the last melody and chord part.
  EXPECT_EQ(Text("cbChan") + Text("cbFamily") + Text("re2"), "2GUITAR4c6, 8p, 8e6, ");
  EXPECT_EQ(Text("reAcc") + Text("reAcc2"), "4(Am), 4(C)4(Am), 4(C)");
  Click("BitBtn1");
  EXPECT_EQ(LastCall("mpSum"), "Stop");
  // An old assembled file is left out, and the status bar says so.
  fs::copy_file(assembled, Song("old.mid"));
  Click("bbSobr");
  EXPECT_EQ(StatusText(), "Файл old.mid не вошел в сборку: в нем больше двух дорожек, это не партия.");
}

TEST_F(AssemblyTest, FaultsAreNamedBeforeAnythingIsRewritten) {
  Click("bbSbor");
  Click("bbSobr");
  EXPECT_EQ(dialogs.notices,
            Lines{"В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку."});
  Save("bbMelod", "re2", "4c6, ", "1");
  const char* const bad = "accords\r\n0 0 x 1 50 100\r\n4(C)\r\n";
  // The record of the part ch3v1a.mid, the button pressed, and the error.
  const std::tuple<const char*, const char*, const char*> faults[] = {
      {nullptr, "bbSobr", "ch3v1a.mid"},
      {nullptr, "bbSbor", "ch3v1a.txt"},
      {bad, "bbSobr", "ch3v1a.txt, строка 2"},
      {bad, "bbSbor", "ch3v1a.txt, строка 2"}};
  for (const auto& [record, press, error] : faults) {
    fs::remove(Song("ch3v1a.txt"));
    fs::remove(Song("ch3v1a.mid"));
    Click("bbMelod");
    Click("bbSbor");
    Slider("sbc1")->setValue(50); // a level that would change the record
    WriteText(Song("ch3v1a.mid"), "");
    if (record)
      WriteText(Song("ch3v1a.txt"), record);
    // Opening the page reads every record first and leaves the page, its
    // label and the sliders as they were.
    const bool opening = press == std::string("bbSbor");
    if (opening)
      Click("bbMelod");
    const std::string saved = ReadText(Song("ch1v1m.txt"));
    dialogs.Clear();
    Click(press);
    EXPECT_TRUE(Reported(error));
    EXPECT_EQ(ReadText(Song("ch1v1m.txt")), saved);
    EXPECT_FALSE(fs::exists(Song("song.mid")));
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
