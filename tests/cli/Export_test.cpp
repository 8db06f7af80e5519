// The export command as the shell sees it: every format written and read
// back by readers independent of the program, where the sound ends, cuts and
// their fades, the loudness and the true peak, the tags, the messages and
// exit statuses of its failures. Each case runs in a fresh directory holding
// the files it lays; every file but the one written must stay as it was.

#include "AudioReading.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

using namespace arvento::test;
namespace fs = std::filesystem;

namespace {

const std::string kCli = ARVENTO_CLI;
using Files = std::map<std::string, std::string>; // name: content

// A standard Midi file from midicsv's text, made by csvmidi: at 50 ticks a
// quarter and 120 beats a minute a tick is 10 ms.
std::string Midi(const std::string& notes) {
  const CommandResult made = RunCommand("csvmidi", "0, 0, Header, 1, 2, 50\n"
                                                   "1, 0, Start_track\n1, 0, Tempo, 500000\n1, 0, End_track\n"
                                                   "2, 0, Start_track\n" +
                                                       notes + "0, 0, End_of_file\n");
  EXPECT_EQ(made.status, 0) << made.err;
  return made.out;
}

// Notes struck together at tick 0 on one channel with one program, ending at a tick.
std::string Chord(int channel, int program, const std::vector<int>& keys, int endTick) {
  const std::string ch = std::to_string(channel);
  std::string notes = "2, 0, Program_c, " + ch + ", " + std::to_string(program) + "\n";
  for (const int key : keys)
    notes += "2, 0, Note_on_c, " + ch + ", " + std::to_string(key) + ", 100\n";
  for (const int key : keys)
    notes += "2, " + std::to_string(endTick) + ", Note_off_c, " + ch + ", " + std::to_string(key) + ", 0\n";
  return notes + "2, " + std::to_string(endTick) + ", End_track\n";
}

// A church organ chord whose last note-off is at 2.0 s: a steady sound whose
// peaks stay about 10 dB above its loudness.
const std::string kOrgan = Midi(Chord(0, 19, {60, 64, 67}, 200));
// The same chord held for 45 s.
const std::string kLongOrgan = Midi(Chord(0, 19, {60, 64, 67}, 4500));
// Two snare strokes: peaks far above the loudness.
const std::string kSnare =
    Midi("2, 0, Note_on_c, 9, 38, 127\n2, 10, Note_off_c, 9, 38, 0\n"
         "2, 100, Note_on_c, 9, 38, 127\n2, 110, Note_off_c, 9, 38, 0\n2, 110, End_track\n");

// A standard stream: its whole text, or fragments that appear in this order.
struct Text {
  std::vector<std::string> parts;
  bool whole = true;
};
Text Whole(const std::string& text) {
  return {{text}, true};
}
template <class... Parts> Text Part(const Parts&... parts) {
  return {{parts...}, false};
}

struct Seconds {
  double least;
  double most;
};
// A length as the cut asks for it, to within 50 ms.
Seconds About(double seconds) {
  return {seconds - 0.05, seconds + 0.05};
}

enum class Level {
  Target,      // the integrated loudness within 1 LU of the target, the true peak at most -1 dBTP
  PeakLimited, // the true peak on the ceiling, between -1.2 and -1 dBTP, the loudness below the target
  Synthesizer, // the loudness of the render command's file of the same input
};

enum class Ending {
  Quiet, // the last 50 ms below -60 dBFS
  Fade,  // the last 0.5 s fall to silence from a sound above -20 dBFS: no 50 ms of them louder than the
         // line from that sound's peak down to nothing, the last 10 ms 30 dB below it
  Cut,   // the sound goes on to the last 50 ms, above -20 dBFS
};

struct Written {
  std::string file;
  std::string format; // as its reader names it
  std::string codec;
  Seconds seconds;
  Ending ending;
  Level level = Level::Target;
  double target = -14;
  std::map<std::string, std::string> tags{}; // among others
  std::string renderOf{};                    // Level::Synthesizer: the input the render command plays
};

struct Case {
  std::string args;
  Files files{};
  int status = 0;
  Text out = Whole("");
  Text err = Whole("");
  std::optional<Written> written{};
};

const std::string kWav = "WAV (Microsoft)";
const std::string kFlac = "FLAC (Free Lossless Audio Codec)";
const std::string kOgg = "OGG (OGG Container format)";
const std::string kMpeg = "MPEG-1/2 Audio";
const std::string kPcm16 = "Signed 16 bit PCM";
const std::string kMp4 = "mov,mp4,m4a,3gp,3g2,mj2";
const Seconds kOrganEnd = {2.0, 5.0};
const Files kOrganFiles = {{"organ.mid", kOrgan}, {"out.ogg", "previous"}};

const Case kCases[] = {
    {.args = "--help", .out = Part("  render ", "  export ", "  assemble ")},
    {.args = "export --help",
     .out = Part("Usage: arvento-cli export IN.mid -o OUT [--format wav|flac|ogg|mp3|m4r] [--start SEC]",
                 "--loudness LUFS|off", "--loop", "--title TEXT", "--soundfont FILE")},
    // Every format, each brought to -14 LUFS by default and ended where the
    // organ's release has died away; the title is the file's name.
    {.args = "export organ.mid -o organ.wav",
     .files = {{"organ.mid", kOrgan}, {"organ.wav", "previous"}},
     .written = Written{.file = "organ.wav",
                        .format = kWav,
                        .codec = kPcm16,
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .tags = {{"title", "organ"}}}},
    {.args = "export organ.mid -o organ.flac --loudness -16 --title 'Орган'",
     .files = {{"organ.mid", kOrgan}},
     .written = Written{.file = "organ.flac",
                        .format = kFlac,
                        .codec = kPcm16,
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .level = Level::Target,
                        .target = -16,
                        .tags = {{"title", "Орган"}}}},
    {.args = "export organ.mid -o organ.ogg --loop",
     .files = {{"organ.mid", kOrgan}},
     .written = Written{.file = "organ.ogg",
                        .format = kOgg,
                        .codec = "Vorbis",
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .tags = {{"title", "organ"}, {"android_loop", "true"}}}},
    {.args = "export organ.mid -o organ.mp3",
     .files = {{"organ.mid", kOrgan}},
     .written = Written{.file = "organ.mp3",
                        .format = kMpeg,
                        .codec = "MPEG Layer III",
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .tags = {{"title", "organ"}}}},
    {.args = "export organ.mid -o organ.m4r",
     .files = {{"organ.mid", kOrgan}},
     .written = Written{.file = "organ.m4r",
                        .format = kMp4,
                        .codec = "aac",
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .tags = {{"title", "organ"}, {"major_brand", "M4A "}}}},
    // --format goes before the extension.
    {.args = "export organ.mid -o organ.snd --format flac",
     .files = {{"organ.mid", kOrgan}},
     .written = Written{.file = "organ.snd",
                        .format = kFlac,
                        .codec = kPcm16,
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .tags = {{"title", "organ"}}}},
    // A ringtone is at most 40 s long: cut there with the fade.
    {.args = "export long.mid -o long.m4r",
     .files = {{"long.mid", kLongOrgan}},
     .err = Whole("arvento-cli export: Рингтон .m4r длится не более 40 с: звук обрезан на 40-й секунде с "
                  "затуханием\n"),
     .written = Written{.file = "long.m4r",
                        .format = kMp4,
                        .codec = "aac",
                        .seconds = About(40),
                        .ending = Ending::Fade,
                        .tags = {{"title", "long"}}}},
    // Cuts: inside the sound they fade out, by default over 0.5 s.
    {.args = "export organ.mid -o cut.ogg --start 0.5 --length 1.25",
     .files = kOrganFiles,
     .written = Written{.file = "cut.ogg",
                        .format = kOgg,
                        .codec = "Vorbis",
                        .seconds = About(1.25),
                        .ending = Ending::Fade}},
    {.args = "export organ.mid -o cut.wav --start 0.25 --length 1 --fade 0",
     .files = kOrganFiles,
     .written =
         Written{
             .file = "cut.wav", .format = kWav, .codec = kPcm16, .seconds = About(1), .ending = Ending::Cut}},
    {.args = "export organ.mid -o cut.flac --length 9.5",
     .files = kOrganFiles,
     .written = Written{.file = "cut.flac",
                        .format = kFlac,
                        .codec = kPcm16,
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet}},
    // The true peak wins over the loudness; off keeps the synthesizer's level.
    {.args = "export snare.mid -o snare.wav",
     .files = {{"snare.mid", kSnare}},
     .written = Written{.file = "snare.wav",
                        .format = kWav,
                        .codec = kPcm16,
                        .seconds = {1.0, 4.0},
                        .ending = Ending::Quiet,
                        .level = Level::PeakLimited}},
    {.args = "export organ.mid -o organ.flac --loudness off",
     .files = {{"organ.mid", kOrgan}},
     .written = Written{.file = "organ.flac",
                        .format = kFlac,
                        .codec = kPcm16,
                        .seconds = kOrganEnd,
                        .ending = Ending::Quiet,
                        .level = Level::Synthesizer,
                        .renderOf = "organ.mid"}},

    // Failures leave an existing file as it was.
    {.args = "export organ.mid -o organ.aiff",
     .files = kOrganFiles,
     .status = 2,
     .err = Whole(
         "arvento-cli export: Неизвестный формат звукового файла organ.aiff: можно записать .wav, .flac, "
         ".ogg, .mp3, .m4r\n")},
    {.args = "export organ.mid -o out.ogg --soundfont none.sf2",
     .files = kOrganFiles,
     .status = 2,
     .err = Whole("arvento-cli export: cannot find the SoundFont none.sf2\n")},
    {.args = "export organ.mid -o out.ogg --soundfont broken.sf2",
     .files = {{"organ.mid", kOrgan}, {"out.ogg", "previous"}, {"broken.sf2", "not a SoundFont"}},
     .status = 2,
     .err = Part("arvento-cli export: ", "the SoundFont broken.sf2 could not be loaded")},
    {.args = "export tune.txt -o out.ogg",
     .files = {{"tune.txt", "4c6, \n"}, {"out.ogg", "previous"}},
     .status = 2,
     .err = Whole("arvento-cli export: tune.txt: Это не файл MIDI: нет заголовка MThd\n")},
    {.args = "export organ.mid -o nowhere/out.ogg",
     .files = kOrganFiles,
     .status = 2,
     .err =
         Whole("arvento-cli export: Не удалось записать файл nowhere/out.ogg: No such file or directory\n")},
    {.args = "export organ.mid -o out.ogg --start 9",
     .files = kOrganFiles,
     .status = 2,
     .err = Part("arvento-cli export: Начало 9.00 с лежит за концом звука (2.")},
    {.args = "export organ.mid -o out.ogg --length 0",
     .files = kOrganFiles,
     .status = 2,
     .err = Whole("arvento-cli export: Длина вырезки 0.00 с короче одного отсчёта звука\n")},
    {.args = "export organ.mid", .files = kOrganFiles, .status = 2, .err = Part("missing -o OUT")},
    {.args = "export -o out.ogg", .files = kOrganFiles, .status = 2, .err = Part("missing IN.mid")},
    {.args = "export organ.mid -o out.ogg --format aiff",
     .files = kOrganFiles,
     .status = 2,
     .err = Part("option --format must be one of wav|flac|ogg|mp3|m4r, not \"aiff\"")},
    {.args = "export organ.mid -o out.mp3 --loop",
     .files = kOrganFiles,
     .status = 2,
     .err = Part("--loop marks Ogg Vorbis files only")},
    {.args = "export organ.mid -o out.ogg --loudness loud",
     .files = kOrganFiles,
     .status = 2,
     .err = Part("option --loudness takes LUFS from -70 to 0 or off, not \"loud\"")},
    {.args = "export organ.mid -o out.ogg --start -1",
     .files = kOrganFiles,
     .status = 2,
     .err = Part("option --start takes seconds such as 1.5, not \"-1\"")},
    {.args = "export organ.mid -o out.ogg --fade 1,5",
     .files = kOrganFiles,
     .status = 2,
     .err = Part("option --fade takes seconds such as 1.5, not \"1,5\"")},
};

void Lay(const fs::path& root, const Files& files) {
  for (const auto& [name, content] : files)
    WriteText(root / name, content);
}

Files Snapshot(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    files[fs::relative(entry.path(), root).string()] = ReadText(entry.path());
  return files;
}

bool Matches(const std::string& text, const Text& expected) {
  if (expected.whole)
    return text == expected.parts.front();
  std::size_t at = 0;
  for (const std::string& part : expected.parts) {
    at = text.find(part, at);
    if (at == std::string::npos)
      return false;
    at += part.size();
  }
  return true;
}

// The loudness of the render command's file of the same input.
double RenderedLoudness(const fs::path& input) {
  const TempDir dir;
  const fs::path rendered = dir.path() / "rendered.wav";
  const CommandResult render =
      RunCommand(kCli + " render '" + input.string() + "' -o '" + rendered.string() + "'");
  EXPECT_EQ(render.status, 0) << render.err;
  return ReadAudio(rendered).loudness;
}

void CheckLevel(const AudioReading& audio, const Written& written, const fs::path& dir) {
  switch (written.level) {
    case Level::Target:
      EXPECT_NEAR(audio.loudness, written.target, 1);
      EXPECT_LE(audio.truePeak, -1);
      break;
    case Level::PeakLimited:
      EXPECT_LE(audio.truePeak, -1);
      EXPECT_GE(audio.truePeak, -1.2);
      EXPECT_LT(audio.loudness, written.target - 1);
      break;
    case Level::Synthesizer:
      EXPECT_NEAR(audio.loudness, RenderedLoudness(dir / written.renderOf), 0.5);
      break;
  }
}

void CheckEnding(const AudioReading& audio, Ending ending) {
  const double end = audio.seconds;
  switch (ending) {
    case Ending::Quiet:
      EXPECT_LT(PeakDb(audio, end - 0.05, end), -60);
      break;
    case Ending::Fade: {
      // The sound sways by a few dB from one 50 ms to the next: the fade is
      // held to the line with 1 dB to spare.
      const double before = PeakDb(audio, end - 1, end - 0.5);
      EXPECT_GT(before, -20);
      for (int block = 0; block < 10; ++block) {
        const double from = end - 0.5 + 0.05 * block;
        EXPECT_LT(PeakDb(audio, from, from + 0.05), before + 1 + 20 * std::log10(1 - 0.1 * block))
            << "no fade at " << from << " s";
      }
      EXPECT_LT(PeakDb(audio, end - 0.01, end), before - 30);
      break;
    }
    case Ending::Cut:
      EXPECT_GT(PeakDb(audio, end - 0.05, end), -20);
      break;
  }
}

TEST(Cli, Export) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args);
    TempDir dir;
    Lay(dir.path(), c.files);
    const Files before = Snapshot(dir.path());
    const CommandResult result = RunCommand("cd '" + dir.path().string() + "' && " + kCli + " " + c.args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_TRUE(Matches(result.out, c.out)) << result.out;
    EXPECT_TRUE(Matches(result.err, c.err)) << result.err;
    Files after = Snapshot(dir.path());
    if (c.written) {
      const Written& written = *c.written;
      const AudioReading audio = ReadAudio(dir.path() / written.file);
      EXPECT_EQ(audio.format, written.format);
      EXPECT_EQ(audio.codec, written.codec);
      EXPECT_EQ(audio.channels, 2);
      EXPECT_EQ(audio.sampleRate, 44100);
      EXPECT_GE(audio.seconds, written.seconds.least);
      EXPECT_LE(audio.seconds, written.seconds.most);
      EXPECT_NEAR(static_cast<double>(audio.samples.size() / 2) / 44100, audio.seconds, 0.05)
          << "the decoded sound is not as long as the file says";
      for (const auto& [name, value] : written.tags)
        EXPECT_EQ(audio.tags.count(name) ? audio.tags.at(name) : "(none)", value) << name;
      CheckLevel(audio, written, dir.path());
      CheckEnding(audio, written.ending);
      after.erase(written.file);
      if (before.count(written.file))
        after[written.file] = before.at(written.file);
    }
    EXPECT_EQ(after, before) << "files other than the written one changed";
  }
}

} // namespace
