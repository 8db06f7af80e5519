// Every command of arvento-cli as the shell sees it: options and their ranges,
// defaults that reach the written file, exit statuses, messages on standard
// error, standard input "-" and the help texts. Each case runs in a fresh
// directory holding the files it lays; the files it names as written are read
// by an independent reader, and every other file must be exactly as before.

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <map>

using namespace arvento::test;
namespace fs = std::filesystem;

namespace {

const std::string kCli = ARVENTO_CLI;
const std::string kPart = ReadText(fs::path(ARVENTO_TEST_DATA_DIR) / "worked_example.mid");
const std::string kDirectory = "<directory>";
using Files = std::map<std::string, std::string>; // name: content, or kDirectory

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

struct Case {
  std::string args{}; // after arvento-cli, as the shell reads them, in the case's directory
  std::string in{};   // standard input
  Files files{};      // laid before the run
  int status = 0;
  Text out = Whole("");
  Text err = Whole("");
  // The files the run writes, each with lines its reader shows in this order;
  // every other file must stay as it was.
  std::map<std::string, std::vector<std::string>> written{};
  std::string env{}; // variables for the run
};

std::string Repeat(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i)
    result += text;
  return result;
}

const std::string kRhythm = "2*8 1*8 29p*8 \n" + Repeat("32p*8 \n", 7);
const std::string kRhythmCrLf = "2*8 1*8 29p*8\r\n" + Repeat("32p*8\r\n", 7);
const std::string kRunList = [] {
  std::string runs = "101,2 103,1 104,29p 104,29p%\n";
  for (int row = 2; row <= 8; ++row)
    runs += std::to_string(row) + "01,32p\n" + std::to_string(row) + "01,32p%\n";
  return runs;
}();
const std::string kConverted = "2*8c7, 8d7, 29*8p, " + Repeat("32*8p, ", 7) + "\n";
const std::string kPatternLines = "1*8c5, 1*8e5, \n1*8e5, 1*8g5, \n1*8a5, 1*8c6, 1*8e6, 1*8c6, \n";
const std::string kRestruck = "2*8(Am), 1*8(p), 1*8(Am), 4*8(p), \n2*8(C), 1*8(p), 1*8(C), \n";
// The player's opening controllers and program with its defaults.
const std::string kPlayerPrologue = "0 400079B0\n0 000079B9\n0 000064B0\n0 000065B0\n0 000C06B0\n0 007F64B0\n"
                                    "0 007F65B0\n0 00400AB0\n0 00400AB9\n0 000001B0\n0 007F07B0\n0 007F07B9\n"
                                    "0 000040B0\n0 00005BB0\n0 00005DB0\n0 000000C0\n";
const Files kTune = {{"a.txt", "4c6, 8p, 8e6, \n"}, {"out.mid", "previous"}};
const Files kChords = {{"c.txt", "4(Am)\n"}};
const Files kProject = {{"song/ch1v1m.mid", kPart},
                        {"song/ch1v1m.txt", "melody\r\n0 0 1 1 50 100\r\n0\r\n1\r\n4c6, 8p, 8e6, \r\n"}};
const std::string kSameFile = "совпадает с входным";
const std::string kIsDirectory = ": Не удалось прочитать файл D: это папка, а не файл\n";

const Case kCases[] = {
    // The program and its help.
    {.args = "--help",
     .out = Part("Usage: arvento-cli COMMAND", "  melody ", "  dump ", "  pattern ", "  rhythm ", "  chords ",
                 "  tones ", "  voice ", "  convert ", "  octave ", "  play ", "  render ", "  assemble ")},
    {.args = "", .status = 2, .out = Part("Usage: arvento-cli COMMAND")},
    {.args = "nonsense",
     .status = 2,
     .out = Part("Usage: arvento-cli COMMAND"),
     .err = Whole("arvento-cli: unknown command \"nonsense\"\n")},
    {.args = "melody --help", .out = Part("Usage: arvento-cli melody", "--modulation N")},
    {.args = "chords -h", .out = Part("Usage: arvento-cli chords", "--arpeggio N", "--family N")},
    {.args = "convert --help", .out = Part("Usage: arvento-cli convert", "--notes P,...")},
    {.args = "octave --help", .out = Part("Usage: arvento-cli octave up|down FILE")},
    {.args = "pattern --help", .out = Part("Usage: arvento-cli pattern", "--drums")},
    {.args = "play --help", .out = Part("Usage: arvento-cli play", "--pb-duration N")},
    {.args = "assemble --help", .out = Part("Usage: arvento-cli assemble", "--level CH=N", "--style S")},

    // melody: the window's start values unless an option says otherwise.
    {.args = "melody a.txt -o out.mid",
     .files = {{"a.txt", "Title\r\n4c6, 8p, 8e6, \r\n"}, {"out.mid", "previous"}},
     .written = {{"out.mid",
                  {"0, 0, Header, 1, 2, 50", "2, 0, Control_c, 0, 1, 50", "2, 0, Program_c, 0, 0",
                   "2, 0, Note_on_c, 0, 60, 100", "2, 72, Note_on_c, 0, 64, 100"}}}},
    {.args = "melody - -o out.mid",
     .in = "4c6, 8p, 8e6, \n",
     .written = {{"out.mid", {"2, 0, Note_on_c, 0, 60, 100", "2, 72, Note_on_c, 0, 64, 100"}}}},
    {.args = "melody --family 4 --instrument 3 --channel 3 --tempo 100 --volume 10 --modulation 0 a.txt -o "
             "out.mid",
     .files = kTune,
     .written = {{"out.mid",
                  {"0, 0, Header, 1, 2, 100", "2, 0, Control_c, 2, 1, 0", "2, 0, Program_c, 2, 35",
                   "2, 0, Note_on_c, 2, 60, 10"}}}},
    {.args = "melody --family 16 --instrument 45 a.txt -o out.mid",
     .files = kTune,
     .written = {{"out.mid", {"2, 0, Program_c, 9, 0", "2, 0, Note_on_c, 9, 60, 100"}}}},
    {.args = "melody --family 16 --channel 3 a.txt -o out.mid",
     .files = kTune,
     .err = Whole("arvento-cli melody: --family 16 is drums, but General MIDI players sound drums only on "
                  "channel 10, not on channel 3\n"),
     .written = {{"out.mid", {"2, 0, Note_on_c, 2, 60, 100"}}}},
    {.args = "melody a.txt -o - >out.mid",
     .files = kTune,
     .written = {{"out.mid", {"2, 0, Note_on_c, 0, 60, 100"}}}},
    {.args = "melody bad.txt -o out.mid",
     .files = {{"bad.txt", "8c6, \n8c6, 8x6, \n"}, {"out.mid", "previous"}},
     .status = 2,
     .err = Whole("arvento-cli melody: Строка 2, элемент \"8x6\": неизвестная нота X\n")},
    {.args = "melody long.txt -o out.mid",
     .files = {{"long.txt", "4" + std::string(100'000, 'x') + ", "}},
     .status = 2,
     .err = Whole("arvento-cli melody: Строка 1, элемент \"4" + std::string(59, 'x') +
                  "…\": неизвестная нота X\n")},
    {.args = "melody bad.txt -o out.mid",
     .files = {{"bad.txt", "8\x1b[2Jc6, \r\n"}},
     .status = 2,
     .err = Whole("arvento-cli melody: Строка 1, элемент \"8\\x1b[2Jc6\": неизвестная нота \\x1b\n")},
    {.args = "melody --tempo 101 a.txt -o out.mid",
     .files = kTune,
     .status = 2,
     .err = Whole("arvento-cli melody: option --tempo must be an integer from 10 to 100, not \"101\"\n"
                  "Run \"arvento-cli melody --help\" for usage.\n")},
    {.args = "melody --channel 0 a.txt -o out.mid",
     .files = kTune,
     .status = 2,
     .err = Part("option --channel must be an integer from 1 to 16, not \"0\"")},
    {.args = "melody --instrument 8 a.txt -o out.mid",
     .files = kTune,
     .status = 2,
     .err = Part("option --instrument must be an integer from 0 to 7, not \"8\"")},
    {.args = "melody --bogus 1 a.txt -o out.mid",
     .files = kTune,
     .status = 2,
     .err = Part("unknown option --bogus")},
    {.args = "melody a.txt", .files = kTune, .status = 2, .err = Part("missing -o OUT.mid")},
    {.args = "melody a.txt b.txt -o out.mid", .files = kTune, .status = 2, .err = Part("more than one FILE")},
    {.args = "melody none.txt -o out.mid",
     .files = kTune,
     .status = 2,
     .err = Whole("arvento-cli melody: Не удалось прочитать файл none.txt\n")},
    {.args = "melody D -o out.mid",
     .files = {{"D", kDirectory}, {"out.mid", "previous"}},
     .status = 2,
     .err = Whole("arvento-cli melody" + kIsDirectory)},
    {.args = "melody a.txt -o a.txt", .files = kTune, .status = 2, .err = Part(kSameFile)},

    // dump
    {.args = "dump a.mid",
     .files = {{"a.mid", kPart}},
     .out = Part("header format 1 tracks 2 division 50\n", "  0 ch 1 program 0\n",
                 "  72 ch 1 note-on 64 100\n", "  96 ch 1 note-off 64 100\n")},
    {.args = "dump a.mid", .files = {{"a.mid", "not midi"}}, .status = 2, .err = Part("MThd")},
    {.args = "dump D",
     .files = {{"D", kDirectory}},
     .status = 2,
     .err = Whole("arvento-cli dump" + kIsDirectory)},

    // convert: rhythm text or a run list, from a file or standard input.
    {.args = "convert --notes 72,74,76 -", .in = kRhythm, .out = Whole(kConverted)},
    {.args = "convert --notes 72,74,76 r.txt", .files = {{"r.txt", kRhythmCrLf}}, .out = Whole(kConverted)},
    {.args = "convert --notes 72,74,76 -", .in = kRunList, .out = Whole(kConverted)},
    {.args = "convert --notes 72 --length 16 -",
     .in = "101,3 104,29p 104,29p%\n",
     .out = Whole("3*16c7, 29*16p, \n")},
    {.args = "convert --notes 72 --length 5 -",
     .in = "101,3 104,21p 104,21p%\n",
     .status = 1,
     .err = Whole("Недопустимая длина ноты\n")},
    {.args = "convert -", .in = kRhythm, .status = 1, .err = Whole("Не записана ни одна нота!\n")},
    {.args = "convert --notes 0 -",
     .in = kRhythm,
     .status = 2,
     .err = Part("--notes must be pitches 1..127")},
    {.args = "convert --notes 128 -", .in = kRhythm, .status = 2, .err = Part("not \"128\"")},
    {.args = "convert --notes 72,,74 -", .in = kRhythm, .status = 2, .err = Part("not \"\"")},
    {.args = "convert --notes 7x -", .in = kRhythm, .status = 2, .err = Part("not \"7x\"")},
    {.args = "convert --notes " + Repeat("60,", 1000) + "60 -",
     .in = kRhythm,
     .status = 2,
     .err = Whole("arvento-cli convert: Запись длиннее 1000 нот\n")},
    {.args = "convert --notes 72 --length 8 -",
     .in = kRhythm,
     .status = 2,
     .err = Part("--length applies to a run list")},
    {.args = "convert --notes 72", .status = 2, .err = Part("missing FILE")},
    {.args = "convert --notes 72,74 -",
     .in = "101,2 x\n",
     .status = 2,
     .err = Whole("arvento-cli convert: Строка 1: \"x\" не ключ отрезка (например 101,2 или 104,29p%)\n")},
    {.args = "convert --notes 72 -",
     .in = "101,2 103,30p\n",
     .status = 2,
     .err = Part("не кончается отметкой конца строки")},

    // octave
    {.args = "octave up -",
     .in = "Тема\n2*8c7, 8d7, 29*8p, \n8c9, 4a#.5, \n",
     .out = Whole("Тема\n2*8c8, 8d8, 29*8p, \n8c10, 4a#.6, \n")},
    {.args = "octave down m.txt", .files = {{"m.txt", "8c10, 8p, \r\n"}}, .out = Whole("8c9, 8p, \n")},
    {.args = "octave up -", .in = "8c6, \n8g11, \n", .status = 1, .err = Part("Октава не изменена")},
    {.args = "octave sideways -", .status = 2, .err = Part("expected up or down, then FILE")},
    {.args = "octave up - extra", .status = 2, .err = Part("expected up or down, then FILE")},
    {.args = "octave up m.txt >/dev/full",
     .files = {{"m.txt", "4c6, \r\n"}},
     .status = 2,
     .err = Whole("arvento-cli: не удалось записать стандартный вывод: No space left on device\n")},
    {.args = "octave up m.txt >&-",
     .files = {{"m.txt", "4c6, \r\n"}},
     .status = 2,
     .err = Whole("arvento-cli: не удалось записать стандартный вывод: Bad file descriptor\n")},

    // chords: guitar, struck, two octaves up by default.
    {.args = "chords c.txt -o out.mid",
     .files = {{"c.txt", "4(Am), 4(C)\r\n\r\n4(G), 4(E)\r\n"}},
     .written = {{"out.mid",
                  {"0, 0, Header, 1, 2, 50", "2, 0, Control_c, 0, 1, 50", "2, 0, Program_c, 0, 0",
                   "2, 0, Note_on_c, 0, 52, 100", "2, 0, Note_on_c, 0, 57, 100",
                   "2, 0, Note_on_c, 0, 64, 100", "2, 0, Note_on_c, 0, 69, 100",
                   "2, 0, Note_on_c, 0, 72, 100", "2, 0, Note_on_c, 0, 76, 100"}}}},
    {.args = "chords --style piano --arpeggio 5 --octave-shift 3 --channel 3 --volume 90 --family 3 "
             "--instrument 1 c.txt -o out.mid",
     .files = {{"c.txt", "4(C)\n"}},
     .written = {{"out.mid",
                  {"2, 0, Program_c, 2, 25", "2, 0, Note_on_c, 2, 72, 90", "2, 5, Note_on_c, 2, 76, 90",
                   "2, 10, Note_on_c, 2, 79, 90", "2, 48, Note_off_c, 2, 72, 90"}}}},
    {.args = "chords --style piano - -o out.mid",
     .in = "4(Am)\n",
     .written = {{"out.mid", {"2, 0, Note_on_c, 0, 57, 100"}}}},
    // Skipped lines come first; a flat is told even in the part of a line that was skipped.
    {.args = "chords c.txt -o out.mid",
     .files = {{"c.txt", "4(Eb)\n4(A#), 4(Ab)\n"}, {"out.mid", "previous"}},
     .err =
         Whole("arvento-cli chords: Строка 2, аккорд \"4(A#)\": неизвестный основной тон \"A#\"; пропущено "
               "до конца строки: \"4(A#),4(Ab),\"\n"
               "arvento-cli chords: Eb читается как E: бемолей нет, пишите D#\n"
               "arvento-cli chords: Ab читается как A: бемолей нет, пишите G#\n"),
     .written = {{"out.mid", {"2, 0, Note_on_c, 0, 52, 100"}}}},
    {.args = "chords c.txt -o out.mid",
     .files = {{"c.txt", "a:4(C)\n"}, {"out.mid", "previous"}},
     .status = 2,
     .err = Part("шаг арпеджио")},
    {.args = "chords c.txt -o out.mid",
     .files = {{"c.txt", "4(A#)\n(C)\n"}},
     .status = 2,
     .err = Part("arvento-cli chords: Строка 1, аккорд \"4(A#)\"", "arvento-cli chords: Аккорд 1")},
    {.args = "chords --style banjo c.txt -o out.mid",
     .files = kChords,
     .status = 2,
     .err = Part("option --style must be one of guitar|piano, not \"banjo\"")},
    {.args = "chords --arpeggio 21 c.txt -o out.mid",
     .files = kChords,
     .status = 2,
     .err = Part("option --arpeggio must be an integer from 0 to 20")},
    {.args = "chords --octave-shift x c.txt -o out.mid",
     .files = kChords,
     .status = 2,
     .err = Part("option --octave-shift must be an integer from -20 to 20")},
    {.args = "chords c.txt -o d/../c.txt",
     .files = {{"c.txt", "4(Am)\n"}, {"d", kDirectory}},
     .status = 2,
     .err = Part(kSameFile)},

    // tones and voice
    {.args = "tones Am7", .out = Whole("A-C-E-G\n")},
    {.args = "tones am", .out = Whole("A-C-E\n")},
    {.args = "tones 'A#'", .status = 2, .err = Whole("arvento-cli tones: неизвестный основной тон \"A#\"\n")},
    {.args = "tones", .status = 2, .err = Part("missing SYMBOL")},
    {.args = "tones C Am", .status = 2, .err = Part("more than one SYMBOL")},
    {.args = "voice --style piano '4(C)'", .out = Whole("4C4, 0E4, 0G4, \n")},
    {.args = "voice '4(C)'", .out = Whole("4E3, 0C4, 0E4, 0G4, 0C5, 0G5, \n")},
    {.args = "voice --style piano ' A3:2*4 (am) ,'", .out = Whole("4A3, 0C4, 0E4, \n")},
    {.args = "voice '4(A#)'",
     .status = 2,
     .err = Whole("arvento-cli voice: неизвестный основной тон \"A#\"\n")},
    {.args = "voice --style 'пиано\x07'",
     .status = 2,
     .err = Whole("arvento-cli voice: option --style must be one of guitar|piano, not \"пиано\\x07\"\n"
                  "Run \"arvento-cli voice --help\" for usage.\n")},

    // pattern
    {.args = "pattern --chords c.txt '8a5, 8c6, 8e6, 8c6, '",
     .files = {{"c.txt", "4(C), 4(Em), \r\n\r\n2(Am)\r\n"}},
     .out = Whole(kPatternLines)},
    {.args = "pattern --chords - '8a5, 8c6, 8e6, 8c6, '",
     .in = "4(C), 4(Em), \n2(Am)\n",
     .out = Whole(kPatternLines)},
    {.args = "pattern --drums --chords - '8c4, 8f#4, '",
     .in = "1(C), 4(P)\n",
     .out = Whole("1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, 1*8c4, 1*8f#4, \n1*8c4, 1*8f#4, \n")},
    {.args = "pattern --metre 3/4 --chords - '8a5, 8c6, 8e6, 8c6, 8p, '",
     .in = "3*4(Am)\n",
     .out = Whole("1*8a5, 1*8c6, 1*8e6, 1*8c6, 2*8p, \n")},
    {.args = "pattern --length 16 --chords - '16a5, 16c6, 16e6, 16c6, 16a5, 16p, '",
     .in = "3*4(Am)\n",
     .out = Whole("1*16a5, 1*16c6, 1*16e6, 1*16c6, 1*16a5, 3*16p, 1*16a5, 1*16c6, 1*16e6, 1*16c6, \n")},
    {.args = "pattern --chords - '8a5, '", .status = 1, .err = Whole("Не вижу аккорды, нечего ваять!\n")},
    {.args = "pattern '8a5, '", .status = 2, .err = Part("missing --chords FILE")},
    {.args = "pattern --chords c.txt", .files = kChords, .status = 2, .err = Part("missing PATTERN LINE")},
    {.args = "pattern --metre 5/4 --chords c.txt '8a5, '",
     .files = kChords,
     .status = 2,
     .err = Part("option --metre must be one of 4/4|3/4")},
    {.args = "pattern --length 32 --chords c.txt '8a5, '",
     .files = kChords,
     .status = 2,
     .err = Part("option --length must be one of 4|8|16")},

    // rhythm: the end-of-row mark is added when missing; keys may be one argument or several, in any
    // order.
    {.args = "rhythm --chords c.txt '101,2 103,1p 104,1 105,28p'",
     .files = {{"c.txt", "1(Am), 2(C),\n"}},
     .out = Whole(kRestruck)},
    {.args = "rhythm --chords - '101,2 103,1p 104,1 105,28p 105,28p%'",
     .in = "1(Am), 2(C),\n",
     .out = Whole(kRestruck)},
    {.args = "rhythm --chords - 101,2 103,1p 104,1 105,28p", .in = "1(Am), 2(C),\n", .out = Whole(kRestruck)},
    {.args = "rhythm --chords - '104,1 101,2 105,28p 103,1p'",
     .in = "1(Am), 2(C),\n",
     .out = Whole(kRestruck)},
    {.args = "rhythm --metre 3/4 --length 16 --chords - '101,2 103,22p'",
     .in = "2.(Am)\n",
     .out = Whole("2*16(Am), 4*16(p), 2*16(Am), 4*16(p), \n")},
    {.args = "rhythm --chords - '101,2 103,30p'",
     .in = "\n",
     .status = 1,
     .err = Whole("Не вижу аккордов, нечего ваять!\n")},
    {.args = "rhythm --chords c.txt '101,2 103,x'", .files = kChords, .status = 2, .err = Part("\"103,x\"")},
    {.args = "rhythm --chords c.txt", .files = kChords, .status = 2, .err = Part("missing RUN KEYS")},

    // play: the player's own defaults; --dry-run needs no sound output.
    {.args = "play --dry-run --note 60", .out = Whole(kPlayerPrologue + "0 007F3C90\n50 00003C90\n")},
    {.args = "play --dry-run --note 64 --channel 2 --volume 60 --pan -100 --sustain --instrument "
             "mgAccordion "
             "--duration 120",
     .out = Part("0 400079B2\n", "0 00010AB2\n", "0 004C07B2\n", "0 007F40B2\n",
                 "0 000015C2\n0 007F4092\n"
                 "120 00004092\n")},
    {.args = "play --dry-run --note 64 --instrument 21", .out = Part("0 000015C0\n0 007F4090\n")},
    {.args = "play --dry-run --text 'C5;50,0;E5,0;G5' --pitch-bend 120",
     .out = Part("0 007F3C90\n0 007F4090\n0 007F4390\n1 004123E0\n")},
    // A chord text bends; notes one after another do not.
    {.args = "play --dry-run --text '0;C5;25,25;D5' --pitch-bend 120",
     .out = Whole(kPlayerPrologue + "0 007F3C90\n25 00003C90\n0 007F3E90\n25 00003E90\n")},
    {.args = "play --dry-run --text ''",
     .status = 1,
     .err = Whole("arvento-cli play: the note text holds no note\n")},
    {.args = "play --note 60",
     .files = {{"broken.sf2", "not a SoundFont"}},
     .status = 1,
     .err = Part("arvento-cli play: no MIDI output"),
     .env = "ARVENTO_SOUNDFONT=broken.sf2"},
    {.args = "play --dry-run", .status = 2, .err = Part("give either --note N or --text TEXT")},
    {.args = "play --dry-run --note 60 --text C5",
     .status = 2,
     .err = Part("give either --note N or --text TEXT")},
    {.args = "play --dry-run --note 128",
     .status = 2,
     .err = Part("option --note must be an integer from 0 to 127")},
    {.args = "play --dry-run --volume 101 --note 60",
     .status = 2,
     .err = Part("option --volume must be an integer from 0 to 100")},
    {.args = "play --dry-run --instrument 175 --note 1",
     .status = 2,
     .err = Part("option --instrument must be an integer from 0 to 174")},
    {.args = "play --dry-run --instrument mgNothing --note 1", .status = 2, .err = Part("not \"mgNothing\"")},
    {.args = "play --dry-run --note 60 extra", .status = 2, .err = Part("unexpected argument \"extra\"")},

    // render
    {.args = "render a.mid -o out.wav",
     .files = {{"a.mid", kPart}, {"out.wav", "previous"}},
     .written = {{"out.wav", {"Sample Rate : 44100", "Channels    : 2"}}}},
    {.args = "render a.mid -o - >out.wav",
     .files = {{"a.mid", kPart}},
     .written = {{"out.wav", {"Sample Rate : 44100", "Channels    : 2"}}}},
    {.args = "render a.txt -o out.wav",
     .files = {{"a.txt", "4c6, \n"}, {"out.wav", "previous"}},
     .status = 2,
     .err = Whole("arvento-cli render: a.txt: Это не файл MIDI: нет заголовка MThd\n")},
    {.args = "render a.mid -o out.wav --soundfont nowhere.sf2",
     .files = {{"a.mid", kPart}},
     .status = 2,
     .err = Whole("arvento-cli render: cannot find the SoundFont nowhere.sf2\n")},
    {.args = "render a.mid", .files = {{"a.mid", kPart}}, .status = 2, .err = Part("missing -o OUT.wav")},
    {.args = "render -o out.wav", .status = 2, .err = Part("missing FILE.mid")},
    {.args = "render D -o out.wav",
     .files = {{"D", kDirectory}},
     .status = 2,
     .err = Whole("arvento-cli render" + kIsDirectory)},
    {.args = "render a.mid -o a.mid", .files = {{"a.mid", kPart}}, .status = 2, .err = Part(kSameFile)},

    // assemble
    {.args = "assemble song --level 1=5 --tempo 60",
     .files = kProject,
     .out = Part("/song/song.mid\n"),
     .written = {{"song/song.mid", {"0, 0, Header, 1, 2, 60", "2, 0, Note_on_c, 0, 60, 10"}},
                 {"song/ch1v1m.mid", {"0, 0, Header, 1, 2, 60", "2, 0, Note_on_c, 0, 60, 10"}},
                 {"song/ch1v1m.txt", {"melody\r\n0 0 1 1 50 10\r\n"}}}},
    {.args = "assemble song --level 1",
     .files = kProject,
     .status = 2,
     .err = Whole("arvento-cli assemble: option --level takes CH=N with CH 1..16 and N 0..127, not \"1\"\n"
                  "Run \"arvento-cli assemble --help\" for usage.\n")},
    {.args = "assemble song --level 17=5", .files = kProject, .status = 2, .err = Part("not \"17=5\"")},
    {.args = "assemble song",
     .files = {{"song", kDirectory}},
     .status = 1,
     .err = Whole("В проекте нет ни одной партии. Сохраните хотя бы одну партию и повторите сборку.\n")},
    {.args = "assemble nowhere", .status = 2, .err = Part("arvento-cli assemble: Нет папки проекта ")},
    {.args = "assemble ''",
     .status = 2,
     .err =
         Whole("arvento-cli assemble: missing PROJECTDIR\nRun \"arvento-cli assemble --help\" for usage.\n")},
    {.args = "assemble p",
     .files = {{"p/ch1v1m.mid", kPart}, {"p/ch1v1m.txt", "melody\r\n0 0 1 1 50 100\r\n0\r\n2147483647\r\n"}},
     .status = 2,
     .err =
         Whole("arvento-cli assemble: Файл ch1v1m.txt, строка 4: число строк 2147483647 больше, чем строк во "
               "всём файле (4)\n")},
    {.args = "assemble p",
     .files = {{"p/ch1v1m.mid", kPart}, {"p/ch1v1m.txt", kDirectory}},
     .status = 2,
     .err =
         Part("arvento-cli assemble: Не удалось прочитать файл ", "/p/ch1v1m.txt: это папка, а не файл\n")},
};

void Lay(const fs::path& root, const Files& files) {
  for (const auto& [name, content] : files) {
    fs::create_directories((root / name).parent_path());
    if (content == kDirectory)
      fs::create_directories(root / name);
    else
      WriteText(root / name, content);
  }
}

Files Snapshot(const fs::path& root) {
  Files files;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
    files[fs::relative(entry.path(), root).string()] =
        entry.is_directory() ? kDirectory : ReadText(entry.path());
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
  if (file.extension() != ".wav")
    return ReadText(file);
  const CommandResult info = RunCommand("sndfile-info '" + file.string() + "'");
  EXPECT_EQ(info.status, 0) << info.err;
  return info.out;
}

TEST(Cli, EveryCommandLine) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.args.substr(0, 200));
    TempDir dir;
    Lay(dir.path(), c.files);
    const Files before = Snapshot(dir.path());
    const CommandResult result = RunCommand(
        "cd '" + dir.path().string() + "' && { " + c.env + " " + kCli + " " + c.args + "; }", c.in);
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_TRUE(Matches(result.out, c.out)) << result.out;
    EXPECT_TRUE(Matches(result.err, c.err)) << result.err;

    Files after = Snapshot(dir.path());
    for (const auto& [name, holds] : c.written) {
      EXPECT_TRUE(Matches(Reading(dir.path() / name), Text{holds, false})) << name;
      after.erase(name);
      if (before.count(name))
        after[name] = before.at(name);
    }
    EXPECT_EQ(after, before) << "files other than the written ones changed";
  }
}

} // namespace
