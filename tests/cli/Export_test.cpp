// The export command as the shell sees it: the format, codec and tags each
// option chooses, the length and level of the file as independent readers
// measure them, and the messages and exit statuses of its failures. Where the
// sound ends, the cut and its fade and the gain are the export folder's rules,
// tested there; here each is seen once to reach the file. Each case runs in a
// fresh directory, where every file but the one written must stay as it was.
// The program speaks its own language, Russian, unless a case's variables
// choose English.

#include "AudioReading.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

using namespace arvento::test;
namespace fs = std::filesystem;

namespace {

const std::string kCli = ARVENTO_CLI;
using Files = std::map<std::string, std::string>; // name: content

// A Standard MIDI File made by csvmidi from the events of its part track: at
// 50 ticks a quarter and 120 beats a minute a tick is 10 ms.
std::string Midi(const std::string& events, int endTick) {
  const CommandResult made = RunCommand(
      "csvmidi", "0, 0, Header, 1, 2, 50\n1, 0, Start_track\n"
                 "1, 0, Tempo, 500000\n1, 0, End_track\n2, 0, Start_track\n" +
                     events + "2, " + std::to_string(endTick) + ", End_track\n0, 0, End_of_file\n");
  EXPECT_EQ(made.status, 0) << made.err;
  return made.out;
}

// A church organ's C major chord held to a tick: a steady sound whose peaks
// stay about 10 dB above its loudness.
std::string Organ(int endTick) {
  std::string ons = "2, 0, Program_c, 0, 19\n", offs;
  for (const std::string key : {"60", "64", "67"}) {
    ons += "2, 0, Note_on_c, 0, " + key + ", 100\n";
    offs += "2, " + std::to_string(endTick) + ", Note_off_c, 0, " + key + ", 0\n";
  }
  return Midi(ons + offs, endTick);
}

const std::string kOrgan = Organ(200);      // ends at 2.0 s
const std::string kLongOrgan = Organ(4500); // 45 s
// Two snare strokes: peaks far above the loudness.
const std::string kSnare = Midi("2, 0, Note_on_c, 9, 38, 127\n2, 10, Note_off_c, 9, 38, 0\n"
                                "2, 100, Note_on_c, 9, 38, 127\n2, 110, Note_off_c, 9, 38, 0\n",
                                110);
const Files kOrganFiles = {{"organ.mid", kOrgan}, {"out.ogg", "previous"}};

enum class Level {
  Target,      // the integrated loudness within 1 LU of the target, the true peak at most -1 dBTP
  PeakLimited, // the true peak between -1.2 and -1 dBTP, the loudness below the target
  Synthesizer, // the loudness of the render command's file of the same input
};

enum class Ending {
  Quiet, // the last 50 ms below -60 dBFS
  Fade,  // the last 10 ms 30 dB below the half second before the fade
  Cut,   // the last 50 ms above -20 dBFS
};

struct Written {
  std::string file;
  std::string format; // as its reader names it
  std::string codec;
  double least, most;                        // seconds
  std::map<std::string, std::string> tags{}; // among others
  Ending ending = Ending::Quiet;
  Level level = Level::Target;
  double target = -14;
};

// Standard output and error: the whole text when it ends a line, else a part of it.
struct Case {
  std::string args;
  Files files = kOrganFiles;
  int status = 0;
  std::string out{};
  std::string err{};
  std::optional<Written> written{};
  std::string env{}; // variables for the run, set over an environment without language variables
};

const std::string kWav = "WAV (Microsoft)", kFlac = "FLAC (Free Lossless Audio Codec)";
const std::string kOgg = "OGG (OGG Container format)", kPcm16 = "Signed 16 bit PCM";
const std::string kMp4 = "mov,mp4,m4a,3gp,3g2,mj2";
const std::string kUsage = "Использование: arvento-cli export IN.mid -o OUT [--format wav|flac|ogg|mp3|m4r]";

const Case kCases[] = {
    {.args = "--help", .out = "  export "},
    {.args = "export --help", .out = kUsage},
    // Every format at -14 LUFS, ended where the organ's release has died away,
    // its title the file's name; an earlier file is replaced.
    {.args = "export organ.mid -o out.ogg --loop",
     .written = Written{"out.ogg", kOgg, "Vorbis", 2, 5, {{"title", "out"}, {"android_loop", "true"}}}},
    {.args = "export organ.mid -o organ.wav",
     .written = Written{"organ.wav", kWav, kPcm16, 2, 5, {{"title", "organ"}}}},
    {.args = "export organ.mid -o organ.mp3",
     .written = Written{"organ.mp3", "MPEG-1/2 Audio", "MPEG Layer III", 2, 5, {{"title", "organ"}}}},
    {.args = "export organ.mid -o organ.m4r",
     .written = Written{"organ.m4r", kMp4, "aac", 2, 5, {{"title", "organ"}, {"major_brand", "M4A "}}}},
    // --format goes before the extension.
    {.args = "export organ.mid -o organ.snd --format flac --loudness -16 --title 'Орган'",
     .written =
         Written{"organ.snd", kFlac, kPcm16, 2, 5, {{"title", "Орган"}}, Ending::Quiet, Level::Target, -16}},
    // A ringtone lasts 40 s at most: cut there, with the fade, and told.
    {.args = "export long.mid -o long.m4r",
     .files = {{"long.mid", kLongOrgan}},
     .err =
         "arvento-cli export: Рингтон .m4r длится не более 40 с: звук обрезан на 40-й секунде с затуханием\n",
     .written = Written{"long.m4r", kMp4, "aac", 39.95, 40.05, {}, Ending::Fade}},
    // A cut inside the sound fades out over 0.5 s unless told otherwise.
    {.args = "export organ.mid -o cut.ogg --start 0.5 --length 1.25",
     .written = Written{"cut.ogg", kOgg, "Vorbis", 1.2, 1.3, {}, Ending::Fade}},
    {.args = "export organ.mid -o cut.wav --start 0.25 --length 1 --fade 0",
     .written = Written{"cut.wav", kWav, kPcm16, 0.95, 1.05, {}, Ending::Cut}},
    // The true peak wins over the loudness; off keeps the synthesizer's level.
    {.args = "export snare.mid -o snare.wav",
     .files = {{"snare.mid", kSnare}},
     .written = Written{"snare.wav", kWav, kPcm16, 1, 4, {}, Ending::Quiet, Level::PeakLimited}},
    {.args = "export organ.mid -o organ.flac --loudness off",
     .written = Written{"organ.flac", kFlac, kPcm16, 2, 5, {}, Ending::Quiet, Level::Synthesizer}},

    // Failures leave an existing file as it was.
    {.args = "export organ.mid -o organ.aiff",
     .status = 2,
     .err = "arvento-cli export: Неизвестный формат звукового файла organ.aiff: можно записать .wav, .flac, "
            ".ogg, .mp3, .m4r\n"},
    {.args = "export organ.mid -o out.ogg --soundfont none.sf2",
     .status = 2,
     .err = "arvento-cli export: не найден SoundFont none.sf2\n"},
    {.args = "export organ.mid -o out.ogg --soundfont broken.sf2",
     .files = {{"organ.mid", kOrgan}, {"out.ogg", "previous"}, {"broken.sf2", "not a SoundFont"}},
     .status = 2,
     .err = "the SoundFont broken.sf2 could not be loaded"},
    {.args = "export tune.txt -o out.ogg",
     .files = {{"tune.txt", "4c6, \n"}, {"out.ogg", "previous"}},
     .status = 2,
     .err = "arvento-cli export: tune.txt: Это не файл MIDI: нет заголовка MThd\n"},
    // In English the system's reason is the C library's own text on every machine.
    {.args = "export organ.mid -o nowhere/out.ogg",
     .status = 2,
     .err = "nowhere/out.ogg: No such file or directory",
     .env = "ARVENTO_LANG=en"},
    {.args = "export organ.mid -o out.ogg --start 9",
     .status = 2,
     .err = "arvento-cli export: Начало 9.00 с лежит за концом звука (2."},
    {.args = "export organ.mid -o out.ogg --length 0",
     .status = 2,
     .err = "arvento-cli export: Длина вырезки 0.00 с короче одного отсчёта звука\n"},
    {.args = "export organ.mid", .status = 2, .err = "не указан -o OUT"},
    {.args = "export -o out.ogg", .status = 2, .err = "не указан IN.mid"},
    {.args = "export organ.mid -o out.ogg --format aiff",
     .status = 2,
     .err = "параметр --format должен быть одним из wav|flac|ogg|mp3|m4r, а не \"aiff\""},
    {.args = "export organ.mid -o out.mp3 --loop",
     .status = 2,
     .err = "--loop помечает только файлы Ogg Vorbis"},
    {.args = "export organ.mid -o out.ogg --loudness loud",
     .status = 2,
     .err = "параметр --loudness принимает LUFS от -70 до 0 или off, а не \"loud\""},
    {.args = "export organ.mid -o out.ogg --start -1",
     .status = 2,
     .err = "параметр --start принимает секунды, например 1.5, а не \"-1\""},
    {.args = "export organ.mid -o out.ogg --fade 1,5",
     .status = 2,
     .err = "параметр --fade принимает секунды, например 1.5, а не \"1,5\""},
};

Files Snapshot(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    files[fs::relative(entry.path(), root).string()] = ReadText(entry.path());
  return files;
}

bool Matches(const std::string& text, const std::string& expected) {
  return expected.empty() || expected.back() == '\n' ? text == expected
                                                     : text.find(expected) != std::string::npos;
}

void CheckWritten(const fs::path& dir, const Written& written) {
  const AudioReading audio = ReadAudio(dir / written.file);
  EXPECT_EQ(audio.format, written.format);
  EXPECT_EQ(audio.codec, written.codec);
  EXPECT_EQ(audio.channels, 2);
  EXPECT_EQ(audio.sampleRate, 44100);
  const double end = audio.seconds;
  EXPECT_GE(end, written.least);
  EXPECT_LE(end, written.most);
  EXPECT_NEAR(static_cast<double>(audio.samples.size() / 2) / 44100, end, 0.05)
      << "the decoded sound is not as long as the file says";
  for (const auto& [name, value] : written.tags)
    EXPECT_EQ(audio.tags.count(name) ? audio.tags.at(name) : "(none)", value) << name;
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
    case Level::Synthesizer: {
      const CommandResult render =
          RunCommand("cd '" + dir.string() + "' && " + kCli + " render organ.mid -o r.wav");
      EXPECT_EQ(render.status, 0) << render.err;
      EXPECT_NEAR(audio.loudness, ReadAudio(dir / "r.wav").loudness, 0.5);
      fs::remove(dir / "r.wav");
      break;
    }
  }
  switch (written.ending) {
    case Ending::Quiet:
      EXPECT_LT(PeakDb(audio, end - 0.05, end), -60);
      break;
    case Ending::Fade:
      EXPECT_LT(PeakDb(audio, end - 0.01, end), PeakDb(audio, end - 1, end - 0.5) - 30);
      break;
    case Ending::Cut:
      EXPECT_GT(PeakDb(audio, end - 0.05, end), -20);
      break;
  }
}

TEST(Cli, Export) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args);
    TempDir dir;
    for (const auto& [name, content] : c.files)
      WriteText(dir.path() / name, content);
    const Files before = Snapshot(dir.path());
    const CommandResult result = RunCommand("cd '" + dir.path().string() + "' && " + kNoLanguage + " " +
                                            c.env + " " + kCli + " " + c.args);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_TRUE(Matches(result.out, c.out)) << result.out;
    EXPECT_TRUE(Matches(result.err, c.err)) << result.err;
    Files after = Snapshot(dir.path());
    if (c.written) {
      CheckWritten(dir.path(), *c.written);
      after.erase(c.written->file);
      if (before.count(c.written->file))
        after[c.written->file] = before.at(c.written->file);
    }
    EXPECT_EQ(after, before) << "files other than the written one changed";
  }
}

} // namespace
