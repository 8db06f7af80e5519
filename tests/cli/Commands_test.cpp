// Every command of arvento-cli as the shell sees it: options and their ranges,
// defaults that reach the written file, exit statuses, messages on standard
// error, standard input "-", and where written files go (through links, into
// devices and pipes, past stale temporaries). Each case runs in a fresh
// directory holding the entries it lays; the files it names as written are
// read by an independent reader, and every other entry must be as before.
// The program speaks its own language, Russian, unless a case's variables
// choose English. An exported sound file is also measured: its format, codec
// and tags, its length, level and ending. Where the sound ends, the cut and
// its fade and the gain are the export folder's rules, tested there; here each
// is seen once to reach the file.

#include "AudioReading.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace arvento::test;
namespace fs = std::filesystem;

namespace {

const std::string kCli = ARVENTO_CLI;
const fs::path kData = ARVENTO_TEST_DATA_DIR;
const std::string kPart = ReadText(kData / "worked_example.mid");

// Entries that are not regular files; any other content is a file's bytes.
const std::string kDirectory = "<directory>", kFifo = "<fifo>", kNullDevice = "<null device>";
const std::string kLinkTo = "<link>"; // followed by the link's target
using Files = std::map<std::string, std::string>;

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

struct Sound {
  std::string file;
  std::string format; // as its reader names it
  std::string codec;
  double least, most;                        // seconds
  std::map<std::string, std::string> tags{}; // among others
  Ending ending = Ending::Quiet;
  Level level = Level::Target;
  double target = -14;
};
const std::string kWav = "WAV (Microsoft)", kFlac = "FLAC (Free Lossless Audio Codec)";
const std::string kOgg = "OGG (OGG Container format)", kPcm16 = "Signed 16 bit PCM";
const std::string kMp4 = "mov,mp4,m4a,3gp,3g2,mj2";

struct Case {
  std::string args{}; // after arvento-cli, as the shell reads them, in the case's directory
  std::string in{};   // standard input
  Files files{};      // laid before the run; "{dead}" and "{live}" in a name stand for process ids
  int status = 0;
  Text out = Whole("");
  Text err = Whole("");
  // The files the run writes, each with lines its reader shows in this order,
  // and the entries it removes; every other entry must stay as it was.
  std::map<std::string, std::vector<std::string>> written{};
  std::vector<std::string> gone{};
  // A written file and the file in tests/data that it equals byte for byte.
  std::pair<std::string, std::string> golden{};
  std::optional<Sound> sound{}; // a written sound file, measured
  std::string env{};            // variables for the run, set over an environment without language variables
};

Files With(Files files, const Files& changes) {
  for (const auto& [name, content] : changes)
    files[name] = content;
  return files;
}

// A melody longer than the reader's buffer, whose first line alone is
// longer: 44,000 eighth notes of 24 ticks, the last ending at tick 1,056,000.
const std::string kLongMelody = Repeat("8c6, ", 14000) + "\n" + Repeat("8d6, \n", 30000);

const std::string kConverted = "2*8c7, 8d7, 29*8p, \n";
const std::string kRestruck = "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), \n2*8(C), 1*8(p), 1*8(C), \n";
// The player's opening controllers and program with its defaults.
const std::string kPlayerPrologue = "0 400079B0\n0 000079B9\n0 000064B0\n0 000065B0\n0 000C06B0\n0 007F64B0\n"
                                    "0 007F65B0\n0 00400AB0\n0 00400AB9\n0 000001B0\n0 007F07B0\n0 007F07B9\n"
                                    "0 000040B0\n0 00005BB0\n0 00005DB0\n0 000000C0\n";
// Every case's directory holds a melody, a rhythm, a chord line, a part, the
// organ's chord and earlier outputs; a case's own entries are laid over them.
const Files kEveryCase = {
    {"a.txt", "4c6, 8p, 8e6, \n"}, {"r.txt", "2*8 1*8 29p*8 \n"}, {"c.txt", "4(Am)\n"},   {"w.mid", kPart},
    {"organ.mid", kOrgan},         {"out.mid", "previous"},       {"out.ogg", "previous"}};
// A melody part and a chord part with their records, and the audition
// directory beside the project. A damaged part file is rebuilt from its record.
const Files kSong = {{"song/ch1v1m.mid", kPart},
                     {"song/ch1v1m.txt", ReadText(kData / "assembly/ch1v1m.txt")},
                     {"song/ch2v1a.mid", "MThd damaged"},
                     {"song/ch2v1a.txt", ReadText(kData / "assembly/ch2v1a.txt")},
                     {"tmp", kDirectory}};
// The worked example with its melody track twice: a file of three tracks.
const std::string kThreeTracks = [] {
  std::string file = kPart;
  file[11] = 3;
  return file + kPart.substr(41);
}();

const Case kCases[] = {
    // The program and its help.
    {.args = "--help",
     .out = Part("Использование: arvento-cli COMMAND", "  melody ", "скомпилировать текст мелодии RTTTL-E",
                 "  dump ", "  pattern ", "  rhythm ", "  chords ", "  tones ", "  voice ", "  convert ",
                 "  octave ", "  rtttl-import ", "  rtttl-export ", "  play ", "  render ", "  export ",
                 "  assemble ", "  roll ",
                 "\nПараметры одной команды покажет \"arvento-cli COMMAND --help\",\n")},
    {.args = "", .status = 2, .out = Part("Использование: arvento-cli COMMAND")},
    {.args = "--version", .out = Whole("arvento-cli " ARVENTO_VERSION "\n")},
    {.args = "xyz", .status = 2, .out = Part("Использование:"), .err = Part("неизвестная команда \"xyz\"\n")},
    // A help that holds the shared option lines.
    {.args = "melody --help",
     .out = Part("Использование: arvento-cli melody", "  --modulation N  модуляция 0..100 [50]\n",
                 "  -o OUT.mid      файл партии")},
    {.args = "chords -h", .out = Part("Использование: arvento-cli chords", "--arpeggio N", "--family N")},

    // melody: the window's start values unless an option says otherwise.
    {.args = "melody t.txt -o out.mid",
     .files = {{"t.txt", "Title\r\n4c6, 8p, 8e6, \r\n"}},
     .written = {{"out.mid",
                  {"Header, 1, 2, 50", "Control_c, 0, 1, 50", "Program_c, 0, 0", "72, Note_on_c, 0, 64"}}}},
    {.args = "melody - -o out.mid", .in = "8d6, ", .written = {{"out.mid", {"2, 0, Note_on_c, 0, 62, 100"}}}},
    {.args = "melody --family 4 --instrument 3 --channel 3 --tempo 100 --volume 10 --modulation 0 a.txt -o "
             "out.mid",
     .written = {{"out.mid", {"Header, 1, 2, 100", "Control_c, 2, 1, 0", "Program_c, 2, 35", "2, 60, 10"}}}},
    // The drum family selects channel 10 unless told otherwise, and warns then.
    {.args = "melody --family 16 --instrument 45 a.txt -o o.mid", .written = {{"o.mid", {"Note_on_c, 9"}}}},
    {.args = "melody --family 16 --channel 3 a.txt -o out.mid",
     .err =
         Part("arvento-cli melody: --family 16 — ударные, но проигрыватели General MIDI", "не на канале 3\n"),
     .written = {{"out.mid", {"Note_on_c, 2, 60, 100"}}}},
    {.args = "melody a.txt -o - >out.mid", .written = {{"out.mid", {"Note_on_c, 0, 60, 100"}}}},
    {.args = "melody --channel 0 a.txt -o out.mid", .status = 2, .err = Part("от 1 до 16, а не \"0\"")},
    {.args = "melody --bogus 1 a.txt -o out.mid", .status = 2, .err = Part("неизвестный параметр --bogus")},
    {.args = "melody a.txt", .status = 2, .err = Part("не указан -o OUT.mid")},
    {.args = "melody a.txt b.txt -o out.mid", .status = 2, .err = Part("указано больше одного FILE")},
    {.args = "melody no.txt -o out.mid", .status = 2, .err = Part("прочитать файл no.txt\n")},
    {.args = "melody D -o out.mid", .files = {{"D", kDirectory}}, .status = 2, .err = Part("D: это папка")},
    // An input that is a device, of no size known beforehand: an empty melody.
    {.args = "melody /dev/null -o out.mid", .written = {{"out.mid", {"Program_c, 0, 0"}}}},
    // A long melody: no note lost or doubled where the reading's pieces meet,
    // and the lines counted across them.
    {.args = "melody - -o out.mid",
     .in = kLongMelody,
     .written = {{"out.mid", {"2, 1056000, Note_off_c, 0, 62"}}}},
    {.args = "melody - -o out.mid",
     .in = kLongMelody + "8d6, 8x6, \n",
     .status = 2,
     .err = Whole("arvento-cli melody: Строка 30002, элемент \"8x6\": неизвестная нота X\n")},
    {.args = "melody a.txt -o l", .files = {{"l", kLinkTo + "a.txt"}}, .status = 2, .err = Part("входным")},
    // Through a link, into a device or a pipe, past a dead run's temporary but not a running one's.
    {.args = "melody a.txt -o out.mid",
     .files = {{"real/target.mid", "old"}, {"out.mid", kLinkTo + "real/target.mid"}},
     .written = {{"real/target.mid", {"Note_on_c"}}}},
    {.args = "melody a.txt -o null", .files = {{"null", kNullDevice}}},
    {.args = "melody a.txt -o p.mid", .files = {{"p.mid", kFifo}}, .written = {{"p.mid", {"Note_on_c"}}}},
    {.args = "melody a.txt -o out.mid",
     .files = {{".out.mid.tmp{dead}", "killed"}, {".out.mid.tmp{live}", "running"}},
     .written = {{"out.mid", {"Note_on_c"}}},
     .gone = {".out.mid.tmp{dead}"}},

    // dump
    {.args = "dump w.mid", .out = Part("tracks 2 division 50\n", "  72 ch 1 note-on 64 100\n")},
    {.args = "dump a.txt", .status = 2, .err = Part("MThd")},

    // convert: rhythm text or a run list, from a file or standard input.
    {.args = "convert --notes 72,74,76 r.txt", .out = Whole(kConverted)},
    {.args = "convert --notes 72,74,76 -", .in = "101,2 103,1 104,29p 104,29p%\n", .out = Whole(kConverted)},
    {.args = "convert --notes 72 --length 16 -", .in = "101,3 101,3%", .out = Whole("3*16c7, \n")},
    {.args = "convert r.txt", .status = 1, .err = Whole("Не записана ни одна нота!\n")},
    {.args = "convert --notes 0 r.txt", .status = 2, .err = Part("--notes — это высоты 1..127")},
    {.args = "convert --notes 128 r.txt", .status = 2, .err = Part("а не \"128\"")},
    {.args = "convert --notes 72,,74 r.txt", .status = 2, .err = Part("а не \"\"")},
    {.args = "convert --notes 7x r.txt", .status = 2, .err = Part("а не \"7x\"")},
    {.args = "convert --notes 72 --length 8 r.txt", .status = 2, .err = Part("только к списку отрезков")},
    {.args = "convert --notes 72", .status = 2, .err = Part("не указан FILE")},
    {.args = "convert --notes 72 -", .in = "101,2 x", .status = 2, .err = Part("\"x\" не ключ отрезка")},
    {.args = "convert --notes 72 -", .in = "101,2", .status = 2, .err = Part("не кончается отметкой")},

    // octave
    {.args = "octave down m.txt", .files = {{"m.txt", "8c10, 8p, \r\n"}}, .out = Whole("8c9, 8p, \n")},
    {.args = "octave up -", .in = "8c6, \n8g11, \n", .status = 1, .err = Part("Октава не изменена")},
    {.args = "octave sideways -", .status = 2, .err = Part("ожидается up или down, затем FILE")},
    {.args = "octave up - extra", .status = 2, .err = Part("ожидается up или down, затем FILE")},
    // In English the system's reason is the C library's own text on every machine.
    {.args = "octave up a.txt >/dev/full",
     .status = 2,
     .err = Part("output: No space left on device\n"),
     .env = "ARVENTO_LANG=en"},
    {.args = "octave up a.txt >&-",
     .status = 2,
     .err = Whole("arvento-cli: could not write standard output: Bad file descriptor\n"),
     .env = "ARVENTO_LANG=en"},

    // rtttl-import: a part file with the ringtone's tempo, or the RTTTL-E text; one of several picked.
    {.args = "rtttl-import n.txt -o out.mid",
     .files = {{"n.txt", "Nokia:d=4,o=5,b=120:8e6,8d6,f#,g#\r\n"}},
     .written = {{"out.mid",
                  {"Header, 1, 2, 48", "2, 0, Note_on_c, 0, 88, 100", "2, 24, Note_off_c, 0, 88"}}}},
    {.args = "rtttl-import - --list", .in = "One::c\n\n Two :d=8:d\n", .out = Whole("1 One\n2 Two\n")},
    {.args = "rtttl-import - --pick Two --text",
     .in = "One::c\nTwo:d=8,o=4,b=63:c,p\n",
     .out = Whole("// Two, b=63\n8c6, 8p, \n")},
    {.args = "rtttl-import - --pick 2 --channel 3 --tempo 30 -o out.mid",
     .in = "One::c\nTwo:b=200:d\n",
     .written = {{"out.mid", {"Header, 1, 2, 30", "Note_on_c, 2, 86, 100"}}}},
    {.args = "rtttl-import - -o out.mid",
     .in = "fast:b=300:c\n",
     .err = Whole(
         "arvento-cli rtttl-import: Мелодия \"fast\": b=300 дает темп 120 вне 10..100, взят темп 100\n"),
     .written = {{"out.mid", {"Header, 1, 2, 100", "Note_on_c, 0, 84, 100"}}}},
    {.args = "rtttl-import - --text",
     .in = "a::c\nb::d\n",
     .status = 2,
     .err = Part("мелодий в файле: 2; выберите одну")},
    {.args = "rtttl-import - --text --pick 3",
     .in = "a::c\nb::d\n",
     .status = 2,
     .err = Part("нет мелодии \"3\"")},
    {.args = "rtttl-import - --text", .in = " \n", .status = 2, .err = Part("нет ни одной мелодии")},
    {.args = "rtttl-import - --list -o x", .status = 2, .err = Part("--list печатает и не записывает файл")},

    // rtttl-export: the name of the file, or --name without ":" and ","; a factor that makes no classic value
    // is told.
    {.args = "rtttl-export a.txt", .out = Whole("a:d=8,o=4,b=125:4c,p,e\n")},
    {.args = "rtttl-export - --name 'My:tune' --tempo 25",
     .in = "5*8c6, \n",
     .out = Whole("Mytune:d=8,o=4,b=63:2c,c\n"),
     .err =
         Whole("arvento-cli rtttl-export: Строка 1, элемент \"5*8c6\": в классическом формате нет лиг, нота "
               "записана 2 нотами одной высоты\n")},
    {.args = "rtttl-export -",
     .in = "8c3, 8b2, \n",
     .status = 2,
     .err = Whole("arvento-cli rtttl-export: Строка 1, элемент \"8b2\": нота ниже c3, октавы 1 классического "
                  "формата\n")},
    {.args = "rtttl-export a.txt --tempo 101", .status = 2, .err = Part("от 10 до 100, а не \"101\"")},

    // chords: guitar, struck, two octaves up by default.
    {.args = "chords --arpeggio 4 p.txt -o out.mid",
     .files = {{"p.txt", ReadText(kData / "chord_part.txt")}},
     .golden = {"out.mid", "chord_part.mid"}},
    // The language changes no byte of a written file.
    {.args = "chords --arpeggio 4 p.txt -o out.mid",
     .files = {{"p.txt", ReadText(kData / "chord_part.txt")}},
     .golden = {"out.mid", "chord_part.mid"},
     .env = "ARVENTO_LANG=en"},
    {.args =
         "chords --style piano --arpeggio 5 --octave-shift 3 --channel 3 --volume 90 --family 3 --instrument "
         "1 c.txt -o out.mid",
     .written = {{"out.mid", {"Program_c, 2, 25", "0, Note_on_c, 2, 69, 90", "10, Note_on_c, 2, 76, 90"}}}},
    // Skipped lines come first, even when the compile then fails; a flat is told wherever it stands.
    {.args = "chords f.txt -o out.mid",
     .files = {{"f.txt", "4(Eb)\n4(A#), 4(Ab)\n"}},
     .err =
         Whole("arvento-cli chords: Строка 2, аккорд \"4(A#)\": неизвестный основной тон \"A#\"; пропущено "
               "до конца строки: \"4(A#),4(Ab),\"\n"
               "arvento-cli chords: Eb читается как E: бемолей нет, пишите D#\n"
               "arvento-cli chords: Ab читается как A: бемолей нет, пишите G#\n"),
     .written = {{"out.mid", {"Note_on_c, 0, 52, 100"}}}},
    {.args = "chords f.txt -o out.mid",
     .files = {{"f.txt", "4(A#)\na:4(C)\n"}},
     .status = 2,
     .err = Part("chords: Строка 1, аккорд \"4(A#)\"", "chords: Аккорд 1 (", "шаг арпеджио")},
    {.args = "chords --style banjo c.txt -o out.mid", .status = 2, .err = Part("а не \"banjo\"")},
    {.args = "chords --arpeggio 21 c.txt -o out.mid", .status = 2, .err = Part("от 0 до 20")},
    {.args = "chords --octave-shift x c.txt -o out.mid", .status = 2, .err = Part("от -20 до 20")},

    // tones and voice: a symbol read from a capital letter, an item as a chord line reads it.
    {.args = "tones am7", .out = Whole("A-C-E-G\n")},
    {.args = "tones 'A#'", .status = 2, .err = Whole("arvento-cli tones: неизвестный основной тон \"A#\"\n")},
    {.args = "tones", .status = 2, .err = Part("не указан SYMBOL")},
    {.args = "voice --style piano '4(C)'", .out = Whole("4C4, 0E4, 0G4, \n")},
    {.args = "voice ' A3:2*4 (am) ,'", .out = Whole("4E3, 0A3, 0E4, 0A4, 0C5, 0E5, \n")},
    {.args = "voice '4(A#)'", .status = 2, .err = Part("voice: неизвестный основной тон \"A#\"\n")},

    // pattern
    {.args = "pattern --chords p.txt '8a5, 8c6, 8e6, 8c6, '",
     .files = {{"p.txt", "4(C), 4(Em), \r\n\r\n2(Am)\r\n"}},
     .out = Whole("1*8c5, 1*8e5, \n1*8e5, 1*8g5, \n1*8a5, 1*8c6, 1*8e6, 1*8c6, \n")},
    {.args = "pattern --drums --chords - '8c4, 8f#4, '",
     .in = "1(C), 4(P)\n",
     .out = Whole("1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, \n")},
    // The final rest fills the three-four bar with the note length.
    {.args = "pattern --metre 3/4 --length 16 --chords - '16a5, 16c6, 16e6, 16c6, 16a5, 16p, '",
     .in = "3*4(Am)\n",
     .out = Whole("1*16a5, 1*16c6, 1*16e6, 1*16c6, 1*16a5, 1*16p, 1*16a5, 1*16c6, 1*16e6, 1*16c6, 1*16a5, "
                  "1*16p, \n")},
    {.args = "pattern --chords - '8a5, '", .status = 1, .err = Whole("Не вижу аккорды, нечего ваять!\n")},
    {.args = "pattern '8a5, '", .status = 2, .err = Part("не указан --chords FILE")},
    {.args = "pattern --chords c.txt", .status = 2, .err = Part("не указан PATTERN LINE")},
    {.args = "pattern --metre 5/4 --chords c.txt '8a5, '", .status = 2, .err = Part("одним из 4/4|3/4")},

    // rhythm: keys in one argument or several, in any order; the end-of-row mark is added when missing.
    {.args = "rhythm --chords k.txt 104,1 '101,2 105,28p' 103,1p",
     .files = {{"k.txt", "1(Am), 2(C),"}},
     .out = Whole(kRestruck)},
    {.args = "rhythm --chords - '101,2 103,1p 104,1 105,28p 105,28p%'",
     .in = "1(Am), 2(C),",
     .out = Whole(kRestruck)},
    {.args = "rhythm --metre 3/4 --length 16 --chords - '101,2 103,22p'",
     .in = "2.(Am)\n",
     .out = Whole("2*16(Am), 4*16(p), 2*16(Am), 4*16(p), \n")},
    {.args = "rhythm --chords - '101,2 103,30p'", .in = "\n", .status = 1, .err = Part("Не вижу аккордов")},
    {.args = "rhythm --chords c.txt '101,2 103,x'", .status = 2, .err = Part("\"103,x\"")},
    {.args = "rhythm --chords c.txt", .status = 2, .err = Part("не указан RUN KEYS")},

    // play: the player's own defaults; --dry-run needs no sound output.
    {.args = "play --dry-run --note 60", .out = Whole(kPlayerPrologue + "0 007F3C90\n50 00003C90\n")},
    {.args = "play --dry-run --note 64 --channel 2 --volume 60 --pan -100 --sustain --instrument mgAccordion "
             "--duration 120",
     .out = Part("0 400079B2\n", "0 00010AB2\n", "0 004C07B2\n", "0 007F40B2\n",
                 "0 000015C2\n0 007F4092\n120 00004092\n")},
    {.args = "play --dry-run --note 64 --instrument 21", .out = Part("0 000015C0\n0 007F4090\n")},
    {.args = "play --dry-run --text 'C5;50,0;E5,0;G5' --pitch-bend 120", .out = Part("1 004123E0\n")},
    {.args = "play --dry-run --text ''",
     .status = 1,
     .err = Part("play: в нотном тексте нет ни одной ноты\n")},
    {.args = "play --note 60", .status = 1, .err = Part("нет выхода MIDI"), .env = "ARVENTO_SOUNDFONT=a.txt"},
    {.args = "play --dry-run", .status = 2, .err = Part("укажите либо --note N, либо --text TEXT")},
    {.args = "play --dry-run --instrument mgNo --note 1", .status = 2, .err = Part("а не \"mgNo\"")},
    {.args = "play --dry-run --note 60 extra", .status = 2, .err = Part("лишний аргумент \"extra\"")},

    // render
    // A SoundFont named by ARVENTO_SOUNDFONT that is not there gives way to the installed one.
    {.args = "render w.mid -o out.wav",
     .written = {{"out.wav", {"Sample Rate : 44100", "Channels    : 2"}}},
     .env = "ARVENTO_SOUNDFONT=gone.sf2"},
    {.args = "render a.txt -o out.wav", .status = 2, .err = Part("render: a.txt: Это не файл MIDI")},
    {.args = "render w.mid -o o.wav --soundfont n.sf2",
     .status = 2,
     .err = Part("не найден SoundFont n.sf2")},
    {.args = "render w.mid", .status = 2, .err = Part("не указан -o OUT.wav")},

    // export: every format at -14 LUFS, ended where the organ's release has
    // died away, its title the file's name; an earlier file is replaced.
    {.args = "export --help",
     .out = Part("Использование: arvento-cli export IN.mid -o OUT [--format wav|flac|ogg|mp3|m4r]")},
    {.args = "export organ.mid -o out.ogg --loop",
     .sound = Sound{"out.ogg", kOgg, "Vorbis", 2, 5, {{"title", "out"}, {"android_loop", "true"}}}},
    {.args = "export organ.mid -o organ.mp3",
     .sound = Sound{"organ.mp3", "MPEG-1/2 Audio", "MPEG Layer III", 2, 5, {{"title", "organ"}}}},
    {.args = "export organ.mid -o organ.m4r",
     .sound = Sound{"organ.m4r", kMp4, "aac", 2, 5, {{"title", "organ"}, {"major_brand", "M4A "}}}},
    // --format goes before the extension.
    {.args = "export organ.mid -o organ.snd --format flac --loudness -16 --title 'Орган'",
     .sound =
         Sound{"organ.snd", kFlac, kPcm16, 2, 5, {{"title", "Орган"}}, Ending::Quiet, Level::Target, -16}},
    // A ringtone lasts 40 s at most: cut there, with the fade, and told.
    {.args = "export long.mid -o long.m4r",
     .files = {{"long.mid", kLongOrgan}},
     .err = Whole("arvento-cli export: Рингтон .m4r длится не более 40 с: звук обрезан на 40-й секунде с "
                  "затуханием\n"),
     .sound = Sound{"long.m4r", kMp4, "aac", 39.95, 40.05, {}, Ending::Fade}},
    // A cut inside the sound fades out over 0.5 s unless told otherwise.
    {.args = "export organ.mid -o cut.ogg --start 0.5 --length 1.25",
     .sound = Sound{"cut.ogg", kOgg, "Vorbis", 1.2, 1.3, {}, Ending::Fade}},
    {.args = "export organ.mid -o cut.wav --start 0.25 --length 1 --fade 0",
     .sound = Sound{"cut.wav", kWav, kPcm16, 0.95, 1.05, {{"title", "cut"}}, Ending::Cut}},
    // The true peak wins over the loudness; off keeps the synthesizer's level.
    {.args = "export snare.mid -o snare.wav",
     .files = {{"snare.mid", kSnare}},
     .sound = Sound{"snare.wav", kWav, kPcm16, 1, 4, {}, Ending::Quiet, Level::PeakLimited}},
    {.args = "export organ.mid -o organ.flac --loudness off",
     .sound = Sound{"organ.flac", kFlac, kPcm16, 2, 5, {}, Ending::Quiet, Level::Synthesizer}},
    // Failures leave an existing file as it was. The start is seen to reach
    // the cut only by its refusal.
    {.args = "export organ.mid -o out.ogg --soundfont broken.sf2",
     .files = {{"broken.sf2", "not a SoundFont"}},
     .status = 2,
     .err = Part("the SoundFont broken.sf2 could not be loaded")},
    {.args = "export a.txt -o out.ogg",
     .status = 2,
     .err = Whole("arvento-cli export: a.txt: Это не файл MIDI: нет заголовка MThd\n")},
    {.args = "export organ.mid -o nowhere/out.ogg",
     .status = 2,
     .err = Part("nowhere/out.ogg: No such file or directory"),
     .env = "ARVENTO_LANG=en"},
    {.args = "export organ.mid -o out.ogg --start 9",
     .status = 2,
     .err = Part("arvento-cli export: Начало 9.00 с лежит за концом звука (2.")},
    {.args = "export organ.mid", .status = 2, .err = Part("не указан -o OUT")},
    {.args = "export -o out.ogg", .status = 2, .err = Part("не указан IN.mid")},
    {.args = "export organ.mid -o out.ogg --format aiff",
     .status = 2,
     .err = Part("параметр --format должен быть одним из wav|flac|ogg|mp3|m4r, а не \"aiff\"")},
    {.args = "export organ.mid -o out.mp3 --loop",
     .status = 2,
     .err = Part("--loop помечает только файлы Ogg Vorbis")},
    {.args = "export organ.mid -o out.ogg --loudness loud",
     .status = 2,
     .err = Part("параметр --loudness принимает LUFS от -70 до 0 или off, а не \"loud\"")},
    {.args = "export organ.mid -o out.ogg --start -1",
     .status = 2,
     .err = Part("параметр --start принимает секунды, например 1.5, а не \"-1\"")},
    {.args = "export organ.mid -o out.ogg --fade 1,5",
     .status = 2,
     .err = Part("параметр --fade принимает секунды, например 1.5, а не \"1,5\"")},

    // assemble: every part rebuilt from its record with its channel's level ("song/" is "song").
    {.args = "assemble song/ --tempo 60 --level 2=80",
     .files = kSong,
     .out = Part("/song/song.mid\n"),
     .written = {{"song/ch1v1m.mid", {"Header, 1, 2, 60", "Note_on_c, 0, 64, 100"}},
                 {"song/ch2v1a.mid", {"Header, 1, 2, 60", "Note_on_c, 1, 52, 80"}},
                 {"song/ch2v1a.txt", {"accords\r\n3 1 2 1 40 80\r\n"}},
                 {"tmp/ch2v1a.mid", {"Program_c, 1, 25"}}},
     .golden = {"song/song.mid", "assembly.mid"}},
    // A file of more than two tracks is no part: it is told, kept and left out.
    {.args = "assemble song",
     .files = With(kSong, {{"song/old.mid", kThreeTracks}}),
     .out = Part("/song/song.mid\n"),
     .err = Part("assemble: Файл old.mid не вошел в сборку: в нем больше двух дорожек, это не партия.\n"),
     .written = {{"song/song.mid", {"Header, 1, 3, 50"}},
                 {"song/ch1v1m.mid", {}},
                 {"song/ch2v1a.mid", {}},
                 {"tmp/ch2v1a.mid", {}}}},
    // A file that cannot be written leaves the project as it was.
    {.args = "assemble song",
     .files = With(kSong, {{"song/song.mid", kDirectory}}),
     .status = 2,
     .err = Part("song.mid")},
    {.args = "assemble song", .files = With(kSong, {{"tmp", "a file"}}), .status = 2, .err = Part("создать")},
    {.args = "assemble song --level 1",
     .files = kSong,
     .status = 2,
     .err =
         Whole("arvento-cli assemble: параметр --level принимает CH=N, где CH 1..16 и N 0..127, а не \"1\"\n"
               "Справку покажет \"arvento-cli assemble --help\".\n")},
    {.args = "assemble song --level 17=5", .files = kSong, .status = 2, .err = Part("а не \"17=5\"")},
    {.args = "assemble e", .files = {{"e", kDirectory}}, .status = 1, .err = Part("нет ни одной партии")},
    {.args = "assemble nowhere", .status = 2, .err = Part("arvento-cli assemble: Нет папки проекта ")},
    {.args = "assemble ''", .status = 2, .err = Part("arvento-cli assemble: не указан PROJECTDIR\n")},

    // roll: a picture of 1200 x 600 unless told otherwise; no picture of a file without notes.
    {.args = "roll w.mid -o out.png", .written = {{"out.png", {"PNG image data, 1200 x 600"}}}},
    {.args = "roll w.mid --width 300 --height 16 -o - >out.png", .written = {{"out.png", {"300 x 16"}}}},
    {.args = "roll a.txt -o out.png",
     .status = 2,
     .err = Whole("arvento-cli roll: a.txt: Это не файл MIDI: нет заголовка MThd\n")},
    {.args = "roll e.mid -o out.png",
     .files = {{"e.mid", Midi("2, 0, Program_c, 0, 5\n", 96)}}, // a program change and no note
     .status = 2,
     .err = Whole("arvento-cli roll: e.mid: в файле нет ни одной ноты\n")},
    {.args = "roll w.mid -o out.png --width 15",
     .status = 2,
     .err = Part("--width должен быть целым числом от 16 до 10000")},
    {.args = "roll w.mid -o w.mid", .status = 2, .err = Part("входным")},
    {.args = "roll w.mid", .status = 2, .err = Part("не указан -o OUT.png")},
};

// "{dead}" in a name stands for the id of a process that has ended, "{live}" for the test's own.
std::string Expand(std::string name) {
  static const std::string dead = RunCommand("sh -c 'printf $$'").out;
  if (const std::size_t at = name.find("{dead}"); at != std::string::npos)
    name.replace(at, 6, dead);
  if (const std::size_t at = name.find("{live}"); at != std::string::npos)
    name.replace(at, 6, std::to_string(getpid()));
  return name;
}

// A null device node of the test's own where the system lets it make one
// that works (as root), so that a fault can never replace the system's
// /dev/null; otherwise a link to /dev/null, which the test cannot replace.
void LayNullDevice(const fs::path& node) {
  if (mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
    const int device = open(node.c_str(), O_WRONLY);
    if (device >= 0) {
      close(device);
      return;
    }
    fs::remove(node);
  }
  fs::create_symlink("/dev/null", node);
}

void Lay(const fs::path& root, const Files& files) {
  for (const auto& [name, content] : files) {
    const fs::path path = root / Expand(name);
    fs::create_directories(path.parent_path());
    if (content == kDirectory)
      fs::create_directories(path);
    else if (content == kFifo)
      mkfifo(path.c_str(), 0600);
    else if (content == kNullDevice)
      LayNullDevice(path);
    else if (content.rfind(kLinkTo, 0) == 0)
      fs::create_symlink(content.substr(kLinkTo.size()), path);
    else
      WriteText(path, content);
  }
}

// Every entry under root, as Lay would lay it.
Files Snapshot(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    const fs::file_type type = entry.symlink_status().type();
    files[fs::relative(entry.path(), root).string()] = type == fs::file_type::directory   ? kDirectory
                                                       : type == fs::file_type::fifo      ? kFifo
                                                       : type == fs::file_type::character ? kNullDevice
                                                       : type == fs::file_type::symlink
                                                           ? kLinkTo + fs::read_symlink(entry.path()).string()
                                                           : ReadText(entry.path());
  }
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

// What an independent reader makes of a written file; a text is read as it is.
std::string Reading(const fs::path& file) {
  if (file.extension() == ".mid")
    return MidiCsv(file);
  if (file.extension() != ".png" && file.extension() != ".wav")
    return ReadText(file);
  const CommandResult info =
      RunCommand((file.extension() == ".png" ? "file -b '" : "sndfile-info '") + file.string() + "'");
  EXPECT_EQ(info.status, 0) << info.err;
  return info.out;
}

void CheckSound(const fs::path& dir, const Sound& written) {
  const AudioReading audio = ReadAudio(dir / written.file);
  EXPECT_EQ(std::tuple(audio.format, audio.codec, audio.channels, audio.sampleRate),
            std::tuple(written.format, written.codec, 2, 44100));
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

TEST(Cli, EveryCommandLine) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args.substr(0, 200));
    TempDir dir, streams;
    Lay(dir.path(), With(kEveryCase, c.files));
    Files expected = Snapshot(dir.path());
    // A pipe is opened for reading before the run, so that the writer never
    // blocks; afterwards what waits in it is the written file.
    std::map<std::string, int> pipes;
    for (const auto& [name, content] : expected) {
      if (content == kFifo)
        pipes[name] = open((dir.path() / name).c_str(), O_RDONLY | O_NONBLOCK);
    }
    const CommandResult result = RunCommand("cd '" + dir.path().string() + "' && { " + kNoLanguage + " " +
                                                c.env + " " + kCli + " " + c.args + "; }",
                                            c.in);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_TRUE(Matches(result.out, c.out)) << result.out;
    EXPECT_TRUE(Matches(result.err, c.err)) << result.err;

    for (const auto& [name, pipe] : pipes) {
      std::string bytes;
      char buffer[4096];
      for (ssize_t got; (got = read(pipe, buffer, sizeof buffer)) > 0;)
        bytes.append(buffer, static_cast<std::size_t>(got));
      close(pipe);
      WriteText(streams.path() / name, bytes);
    }
    Files after = Snapshot(dir.path());
    std::map<std::string, std::vector<std::string>> written = c.written;
    if (!c.golden.first.empty()) {
      written.emplace(c.golden.first, std::vector<std::string>{});
      EXPECT_EQ(ReadText(dir.path() / c.golden.first), ReadText(kData / c.golden.second)) << c.golden.second;
    }
    if (c.sound) {
      written.emplace(c.sound->file, std::vector<std::string>{});
      CheckSound(dir.path(), *c.sound);
    }
    // A pipe stays a pipe; what came through it is read.
    for (const auto& [name, holds] : written) {
      const bool piped = pipes.count(name) != 0;
      EXPECT_TRUE(Matches(Reading((piped ? streams.path() : dir.path()) / name), Text{holds, false})) << name;
      if (!piped) {
        after.erase(name);
        expected.erase(name);
      }
    }
    for (const std::string& name : c.gone)
      expected.erase(Expand(name));
    EXPECT_EQ(after, expected) << "entries other than the written ones changed";
  }
}

} // namespace

// arvento-cli links neither a sound library nor Qt: play and render run in
// arvento-cli-sound beside it, roll in arvento-cli-roll. Without those
// programs the commands say what is missing (here in English, whose reasons
// are the C library's own texts on every machine); their help stays.
TEST(HelperPrograms, WithoutThemTheirCommandsNameWhatIsMissing) {
  const TempDir dir;
  const fs::path cli = dir.path() / "bin" / "arvento-cli";
  fs::create_directory(cli.parent_path());
  fs::copy_file(kCli, cli);
  struct Case {
    std::string command, missing, program;
  };
  const Case cases[] = {{"play --note 60 --dry-run", "the sound commands are", "arvento-cli-sound"},
                        {"render w.mid -o w.wav", "the sound commands are", "arvento-cli-sound"},
                        {"roll w.mid -o w.png", "the roll command is", "arvento-cli-roll"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    const CommandResult result =
        RunCommand(kNoLanguage + " ARVENTO_LANG=en " + cli.string() + " " + c.command);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "arvento-cli " + c.command.substr(0, c.command.find(' ')) + ": " + c.missing +
                              " not installed: cannot start " +
                              (dir.path() / "lib/arvento" / c.program).string() +
                              ": No such file or directory\n");
  }
  EXPECT_EQ(RunCommand(cli.string() + " play --help").status, 0);
  EXPECT_EQ(RunCommand(cli.string() + " roll --help").status, 0);
}
