#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace arvento::test {
namespace {

const std::string kCli = ARVENTO_CLI;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    lines.push_back(line);
  return lines;
}

TEST(PlayCommand, DryRunPrintsTheStreamBuffer) {
  const CommandResult note = RunCommand(kCli + " play --dry-run --note 60");
  ASSERT_EQ(note.status, 0) << note.err;
  EXPECT_EQ(Lines(note.out),
            (std::vector<std::string>{"0 400079B0", "0 000079B9", "0 000064B0", "0 000065B0", "0 000C06B0",
                                      "0 007F64B0", "0 007F65B0", "0 00400AB0", "0 00400AB9", "0 000001B0",
                                      "0 007F07B0", "0 007F07B9", "0 000040B0", "0 00005BB0", "0 00005DB0",
                                      "0 000000C0", "0 007F3C90", "50 00003C90"}));

  // The options are the player's properties.
  const CommandResult options =
      RunCommand(kCli + " play --dry-run --note 64 --channel 2 --volume 60 --pan -100"
                        " --sustain --instrument mgAccordion --duration 120");
  ASSERT_EQ(options.status, 0) << options.err;
  const std::vector<std::string> lines = Lines(options.out);
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0], "0 400079B2");
  EXPECT_EQ(lines[7], "0 00010AB2");
  EXPECT_EQ(lines[10], "0 004C07B2");
  EXPECT_EQ(lines[12], "0 007F40B2");
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"0 000015C2", "0 007F4092", "120 00004092"}));
  EXPECT_EQ(Lines(RunCommand(kCli + " play --dry-run --note 64 --instrument 21").out)[15], "0 000015C0");

  // A chord text bends; notes one after another do not.
  const CommandResult chord = RunCommand(kCli + " play --dry-run --text 'C5;50,0;E5,0;G5' --pitch-bend 120");
  ASSERT_EQ(chord.status, 0) << chord.err;
  EXPECT_EQ(Lines(chord.out).size(), 15u + 1u + 3u + 50u + 3u);
  const CommandResult run = RunCommand(kCli + " play --dry-run --text '0;C5;25,25;D5' --pitch-bend 120");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out).size(), 15u + 1u + 4u);
}

TEST(PlayCommand, RefusalsAndBadUsage) {
  for (const char* text : {"''", "',,,'", "'0;H5;10'"}) {
    const CommandResult refused = RunCommand(kCli + " play --dry-run --text " + text);
    EXPECT_EQ(refused.status, 1) << text;
    EXPECT_TRUE(refused.out.empty());
    EXPECT_NE(refused.err.find("no note"), std::string::npos) << refused.err;
  }
  for (const char* arguments :
       {"", "--note 60 --text C5", "--note 128", "--volume 101 --note 60", "--instrument 175 --note 1",
        "--instrument mgNothing --note 1", "--note 60 extra", "--bogus --note 60"})
    EXPECT_EQ(RunCommand(kCli + " play --dry-run " + arguments).status, 2) << arguments;
  const CommandResult help = RunCommand(kCli + " play --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--pb-duration"), std::string::npos);
}

TEST(PlayCommand, WithoutSoundTheRequestIsRefused) {
  // A SoundFont that does not load leaves no output, sound card or not.
  const TempDir dir;
  WriteText(dir.path() / "broken.sf2", "not a SoundFont");
  const CommandResult result = RunCommand("ARVENTO_SOUNDFONT=" + (dir.path() / "broken.sf2").string() + " " +
                                          kCli + " play --note 60");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("no MIDI output"), std::string::npos) << result.err;
}

TEST(RenderCommand, WritesTheSoundOfAMidiFile) {
  const TempDir dir;
  const std::filesystem::path song = dir.path() / "song.txt", mid = dir.path() / "song.mid",
                              wav = dir.path() / "song.wav";
  WriteText(song, "4c6, 4p, 4e6, \n");
  const CommandResult compiled = RunCommand(kCli + " melody " + song.string() + " -o " + mid.string());
  ASSERT_EQ(compiled.status, 0) << compiled.err;
  EXPECT_EQ(MidiCsvNotes(mid).size(), 4u);

  const CommandResult rendered = RunCommand(kCli + " render " + mid.string() + " -o " + wav.string());
  ASSERT_EQ(rendered.status, 0) << rendered.err;
  const std::vector<std::uint8_t> bytes = ReadBytes(wav);
  ASSERT_GT(bytes.size(), 44u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "WAVE");
  // 48 ticks to a quarter at division 50: C sounds for 0.48 s, then a rest, then E.
  const auto rms = [&](double from, double to) {
    double sum = 0;
    std::size_t count = 0;
    for (std::size_t i = 44 + static_cast<std::size_t>(from * 44100) * 4;
         i + 1 < bytes.size() && i < 44 + static_cast<std::size_t>(to * 44100) * 4; i += 2, ++count) {
      const double sample = static_cast<std::int16_t>(bytes[i] | bytes[i + 1] << 8);
      sum += sample * sample;
    }
    return count == 0 ? 0.0 : std::sqrt(sum / static_cast<double>(count)) / 32768;
  };
  EXPECT_GT(rms(0.05, 0.45), 0.002);
  EXPECT_LT(rms(0.85, 0.95), rms(0.05, 0.45) / 20);
  EXPECT_GT(rms(1.0, 1.4), 0.002);
  EXPECT_LT(bytes.size(), 44u + 3 * 44100 * 4);

  // Bad input writes nothing and leaves an earlier file as it was.
  const std::vector<std::uint8_t> before = ReadBytes(wav);
  EXPECT_EQ(RunCommand(kCli + " render " + song.string() + " -o " + wav.string()).status, 2);
  EXPECT_EQ(RunCommand(kCli + " render " + mid.string() + " -o " + wav.string() + " --soundfont /nowhere.sf2")
                .status,
            2);
  EXPECT_EQ(ReadBytes(wav), before);
  EXPECT_EQ(RunCommand(kCli + " render " + mid.string()).status, 2);
  EXPECT_EQ(RunCommand(kCli + " render -o " + wav.string()).status, 2);
}

} // namespace
} // namespace arvento::test
