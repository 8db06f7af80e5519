// The assembly page: channel levels from the records, every part recompiled
// with its channel's level and joined in file-name order, the refusals, and
// the typical two-part project from an empty directory to the played file.

#include "FormFixture.h"

#include "player/OfflineRender.h"
#include "player/SoundFont.h"

#include <QListWidget>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

const std::string kNoParts =
    "В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку.";

// The notes of one guitar chord as midicsv prints them: every string struck
// at the start, all stopped a quarter later.
void AppendChord(Lines& notes, int track, int channel, int start, const std::vector<int>& keys,
                 int velocity) {
  for (const int key : keys)
    notes.push_back(std::to_string(track) + " " + std::to_string(start) + " Note_on_c " +
                    std::to_string(channel) + " " + std::to_string(key) + " " + std::to_string(velocity));
  for (const int key : keys)
    notes.push_back(std::to_string(track) + " " + std::to_string(start + 48) + " Note_off_c " +
                    std::to_string(channel) + " " + std::to_string(key) + " " + std::to_string(velocity));
}

Lines Matching(const Lines& notes, const std::string& prefix) {
  Lines found;
  std::copy_if(notes.begin(), notes.end(), std::back_inserter(found),
               [&](const std::string& note) { return note.starts_with(prefix); });
  return found;
}

class AssemblyTest : public FormTest {
protected:
  void SetUp() override { Start(); }

  void OpenProject(const QString& name) {
    Type("edProjectName", name);
    Click("bbOpenProject");
  }

  void SaveMelody(const QString& melody, const QString& channel) {
    Click("bbMelod");
    Type("re2", melody);
    Choose("cbChan", channel);
    Click("bbSaveSingle");
  }

  void SaveChords(const QString& chords, const QString& channel) {
    Click("bbAccords");
    Type("reAcc", chords);
    Choose("cbChan", channel);
    Click("bbSaveAccordCH");
  }

  // Moves the volume slider with the keyboard: Home for its least value.
  void SetVolume(int steps) {
    auto* volume = Control<QSlider>("sbGrom");
    volume->setFocus();
    QTest::keyClick(volume, Qt::Key_Home);
    for (int i = 0; i < steps; ++i)
      QTest::keyClick(volume, Qt::Key_Right);
  }

  QSlider* ChannelSlider(int channel) const {
    return Control<QSlider>(("sbc" + std::to_string(channel)).c_str());
  }

  // Presses Home (the top, the loudest level) or End (the bottom) on a channel slider.
  void MoveChannelSlider(int channel, Qt::Key key) {
    QSlider* slider = ChannelSlider(channel);
    slider->setFocus();
    QTest::keyClick(slider, key);
  }

  fs::path Song() const { return Base() / "song"; }
};

TEST_F(AssemblyTest, TypicalTwoPartProjectFromOpeningToThePlayedFile) {
  // 1. Open a project.
  OpenProject("song");
  // 2 to 4. A melody on channel 1, saved.
  SaveMelody("4c6, 8p, 8e6, ", "1");
  // 5. The chord sequence as a guitar part on channel 2.
  Click("bbAccords");
  Choose("cbFamily", "GUITAR");
  SaveChords("4(Am), 4(C), 4(G), 4(E)", "2");
  ASSERT_TRUE(fs::exists(Song() / "ch1v1m.mid"));
  ASSERT_TRUE(fs::exists(Song() / "ch2v1a.mid"));
  // The assembly reads the melody back from its record.
  Click("bbMelod");
  Type("re2", "");
  // 6. The assembly page shows the levels of the records, then assembles.
  Click("bbSbor");
  EXPECT_EQ(Text("laRegime"), "song. Сборка");
  EXPECT_EQ(ChannelSlider(1)->value(), 0);
  EXPECT_EQ(ChannelSlider(2)->value(), 0);
  EXPECT_EQ(ChannelSlider(3)->value(), 100);
  playerLog.clear();
  Click("bbSobr");
  EXPECT_TRUE(dialogs.errors.empty()) << dialogs.errors.front();

  const fs::path assembled = Song() / "song.mid";
  const std::string csv = MidiCsv(assembled);
  EXPECT_NE(csv.find("0, 0, Header, 1, 3, 50"), std::string::npos) << csv;
  EXPECT_NE(csv.find("2, 0, Program_c, 0, 0"), std::string::npos) << csv;
  EXPECT_NE(csv.find("3, 0, Program_c, 1, 24"), std::string::npos) << csv;
  Lines expected{"2 0 Note_on_c 0 60 100", "2 48 Note_off_c 0 60 100", "2 72 Note_on_c 0 64 100",
                 "2 96 Note_off_c 0 64 100"};
  AppendChord(expected, 3, 1, 0, {52, 57, 64, 69, 72, 76}, 100);
  AppendChord(expected, 3, 1, 48, {52, 60, 64, 67, 72, 79}, 100);
  AppendChord(expected, 3, 1, 96, {55, 59, 62, 71, 74, 79}, 100);
  AppendChord(expected, 3, 1, 144, {52, 59, 64, 71, 71, 80}, 100);
  EXPECT_EQ(MidiCsvNotes(assembled), expected);

  // The assembled file plays in the project player and shows in the lists.
  EXPECT_EQ(PlayerCalls("mpSum"), (Lines{"Close", "SetFileName ", "SetFileName " + assembled.string(),
                                         "Open " + assembled.string(), "Play " + assembled.string()}));
  EXPECT_EQ(Control<QListWidget>("flbSum")->count(), 3);
  EXPECT_EQ(Control<QListWidget>("flb1")->count(), 3);
  // The window is left as the last part processed set it; the melody pane
  // holds the melody part again.
  EXPECT_EQ(Text("cbChan"), "2");
  EXPECT_EQ(Text("cbFamily"), "GUITAR");
  EXPECT_EQ(Text("reAcc"), "4(Am), 4(C), 4(G), 4(E)");
  EXPECT_EQ(Text("reAcc2"), "4(Am), 4(C), 4(G), 4(E)");
  EXPECT_EQ(Text("re2"), "4c6, 8p, 8e6, ");

  // The stop button stops the project player.
  Click("BitBtn1");
  EXPECT_EQ(PlayerCalls("mpSum").back(), "Stop");
}

TEST_F(AssemblyTest, PartsOnOneChannelShareItsLevelAndTheSliderEndsGiveMaximumAndTen) {
  OpenProject("song");
  SetVolume(0);
  SaveChords("4(C)", "1");
  SetVolume(70);
  dialogs.Plan({true});
  SaveMelody("8g6, ", "1");
  ASSERT_EQ(Control<QSlider>("sbGrom")->value(), 80);
  EXPECT_TRUE(dialogs.AllAnswered());

  // The last part of the list on a channel sets its slider: ch1v1m.mid comes after ch1v1a.mid.
  Click("bbSbor");
  EXPECT_EQ(ChannelSlider(1)->value(), 20);
  Click("bbSobr");
  const fs::path assembled = Song() / "song.mid";
  Lines notes = MidiCsvNotes(assembled);
  // Both parts in file-name order, both at the shared level.
  EXPECT_EQ(Matching(notes, "2 0 Note_on_c 0"),
            (Lines{"2 0 Note_on_c 0 52 80", "2 0 Note_on_c 0 60 80", "2 0 Note_on_c 0 64 80",
                   "2 0 Note_on_c 0 67 80", "2 0 Note_on_c 0 72 80", "2 0 Note_on_c 0 79 80"}));
  EXPECT_EQ(Matching(notes, "3 "), (Lines{"3 0 Note_on_c 0 67 80", "3 24 Note_off_c 0 67 80"}));
  EXPECT_EQ(notes.size(), 14u);
  // The records now hold the level as their volume.
  EXPECT_EQ(ReadText(Song() / "ch1v1a.txt"), "accords\r\n0 0 1 1 50 80\r\n4(C)\r\n");

  // The top of the slider is the volume maximum.
  Type("edGrMax", "120");
  Click("SpeedButton2");
  Click("bbSbor");
  MoveChannelSlider(1, Qt::Key_Home);
  ASSERT_EQ(ChannelSlider(1)->value(), 0);
  Click("bbSobr");
  notes = MidiCsvNotes(assembled);
  EXPECT_EQ(Matching(notes, "3 "), (Lines{"3 0 Note_on_c 0 67 120", "3 24 Note_off_c 0 67 120"}));
  EXPECT_EQ(notes[0], "2 0 Note_on_c 0 52 120");

  // The bottom is level 0, which the volume range makes 10.
  MoveChannelSlider(1, Qt::Key_End);
  ASSERT_EQ(ChannelSlider(1)->value(), 120);
  Click("bbSobr");
  notes = MidiCsvNotes(assembled);
  EXPECT_EQ(Matching(notes, "3 "), (Lines{"3 0 Note_on_c 0 67 10", "3 24 Note_off_c 0 67 10"}));
  EXPECT_EQ(notes[11], "2 48 Note_off_c 0 79 10");
  EXPECT_EQ(Control<QSlider>("sbGrom")->value(), 10);
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(AssemblyTest, AssemblingTwiceGivesTheSameBytesAndLeavesOldAssembledFilesOut) {
  OpenProject("song");
  SaveMelody("4c6, 4e6, ", "1");
  SaveChords("2(Am), 2(E)", "2");
  Click("bbSbor");
  Click("bbSobr");
  const std::vector<std::uint8_t> first = ReadBytes(Song() / "song.mid");
  EXPECT_EQ(MidiCsvNotes(Song() / "song.mid").size(), 4u + 24);
  // The assembled file of the project under an earlier name is left out, and
  // the status bar says so.
  fs::copy_file(Song() / "song.mid", Song() / "old.mid");
  Click("bbSbor");
  Click("bbSobr");
  EXPECT_EQ(ReadBytes(Song() / "song.mid"), first);
  EXPECT_EQ(StatusText(), "Файл old.mid не вошел в сборку: в нем больше двух дорожек, это не партия.");
  EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(AssemblyTest, FaultsAreNamedBeforeAnythingIsRewritten) {
  // No project open, then a project without parts: a notice, not an error.
  Click("bbSbor");
  Click("bbSobr");
  OpenProject("song");
  Click("bbSbor");
  Click("bbSobr");
  EXPECT_EQ(dialogs.notices, (Lines{kNoParts, kNoParts}));
  EXPECT_TRUE(dialogs.errors.empty());
  EXPECT_FALSE(fs::exists(Song() / "song.mid"));

  SaveMelody("4c6, ", "1");
  SaveChords("4(C)", "2");
  Click("bbSbor");
  Click("bbSobr");
  const auto snapshot = [&] {
    std::vector<std::vector<std::uint8_t>> files;
    for (const char* name : {"song.mid", "ch1v1m.mid", "ch1v1m.txt", "ch2v1a.mid", "ch2v1a.txt"})
      files.push_back(ReadBytes(Song() / name));
    return files;
  };
  const auto before = snapshot();
  // Levels that would change every file if the assembly went on.
  MoveChannelSlider(1, Qt::Key_End);
  MoveChannelSlider(2, Qt::Key_End);

  auto refusal = [&] {
    dialogs.Clear();
    Click("bbSobr");
    EXPECT_EQ(snapshot(), before);
    return dialogs.errors.size() == 1 ? dialogs.errors[0] : std::string("no single error");
  };
  // A part file without its record; opening the page says so too.
  fs::copy_file(Song() / "ch2v1a.mid", Song() / "ch3v1a.mid");
  EXPECT_NE(refusal().find("ch3v1a.mid"), std::string::npos);
  dialogs.Clear();
  Click("bbSbor");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("ch3v1a.txt"), std::string::npos) << dialogs.errors[0];
  // A record that does not read, named with its line.
  WriteText(Song() / "ch3v1a.txt", "accords\r\n0 0 x 1 50 100\r\n4(C)\r\n");
  EXPECT_NE(refusal().find("ch3v1a.txt, строка 2"), std::string::npos);
  // Opening the page reads every record first: one that does not read leaves
  // the page, its label and the sliders as they were.
  MoveChannelSlider(1, Qt::Key_Home);
  Click("bbMelod");
  dialogs.Clear();
  Click("bbSbor");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("ch3v1a.txt, строка 2"), std::string::npos) << dialogs.errors[0];
  EXPECT_TRUE(Control<QWidget>("work")->isVisible());
  EXPECT_EQ(Text("laRegime"), "song. Правка одиночной партии");
  EXPECT_EQ(ChannelSlider(1)->value(), 0);
  EXPECT_TRUE(dialogs.notices.empty());

  // A volume maximum that is not a number keeps the page from opening.
  Click("bbMelod");
  Type("edGrMax", "много");
  dialogs.Clear();
  Click("bbSbor");
  ASSERT_EQ(dialogs.errors.size(), 1u);
  EXPECT_NE(dialogs.errors[0].find("много"), std::string::npos) << dialogs.errors[0];
  EXPECT_EQ(Text("laRegime"), "song. Правка одиночной партии");
}

TEST_F(AssemblyTest, BothChannelsOfTheAssembledFileSound) {
  OpenProject("song");
  // The melody sounds in the first half second, the chords from 0.96 s.
  SaveMelody("4c6, ", "1");
  Click("bbAccords");
  Choose("cbFamily", "GUITAR");
  SaveChords("4(P), 4(P), 4(Am)", "2");
  Click("bbSbor");
  Click("bbSobr");
  const fs::path assembled = Song() / "song.mid";
  ASSERT_EQ(MidiCsvNotes(assembled).size(), 2u + 12);

  const player::PcmAudio audio = player::RenderMidiFile(assembled.string(), player::FindSoundFont());
  const auto loudness = [&](double from, double to) {
    double sum = 0;
    const auto first = static_cast<std::size_t>(from * audio.sampleRate) * 2;
    const auto last = std::min(static_cast<std::size_t>(to * audio.sampleRate) * 2, audio.samples.size());
    for (std::size_t i = first; i < last; ++i)
      sum += std::pow(audio.samples[i] / 32768.0, 2);
    return std::sqrt(sum / static_cast<double>(std::max<std::size_t>(last - first, 1)));
  };
  const double melody = loudness(0.05, 0.40);
  const double gap = loudness(0.85, 0.95);
  const double chords = loudness(1.00, 1.40);
  // Silence between them, so each loudness is its own part's.
  EXPECT_GT(melody, 20 * gap);
  EXPECT_GT(chords, 20 * gap);
}

} // namespace
} // namespace arvento::test
