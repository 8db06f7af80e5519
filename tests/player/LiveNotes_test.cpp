// The live note player: its note text, its stream buffers and its requests on an output whose clock the
// test turns.

#include "TestSupport.h"
#include "core/Error.h"
#include "player/NoteString.h"
#include "player/StreamBuffer.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"
#include "player/backends/VirtualStreamOutput.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <thread>

namespace arvento::player {
namespace {

using namespace std::chrono_literals;

// What the parser makes of the text: its records as "time kind data[/channel]", kind I a program change,
// + a note-on, - a note-off, sorted as the order among records of equal time is the parser's own; "chord"
// when every start was 0 and every given length the same; "refused" for times past the last tick.
std::string Parsed(std::string_view text, const NoteStringContext& context = {}) {
  std::optional<ParsedNotes> parsed;
  try {
    parsed = ParseNoteString(text, context);
  } catch (const Error&) {
    return "refused";
  }
  std::vector<NoteRecord> records = parsed->records;
  // The parser's own order: by time, program changes first at equal times.
  EXPECT_TRUE(std::is_sorted(records.begin(), records.end(), [](const NoteRecord& a, const NoteRecord& b) {
    return std::pair(a.time, a.kind != kProgramChange) < std::pair(b.time, b.kind != kProgramChange);
  })) << text;
  std::sort(records.begin(), records.end(), [](const NoteRecord& a, const NoteRecord& b) {
    return std::tie(a.time, a.kind, a.data, a.channel) < std::tie(b.time, b.kind, b.data, b.channel);
  });
  std::string shown;
  for (const NoteRecord& r : records) {
    const char* kind = r.kind == kProgramChange ? "I"
                       : r.kind == kNoteOn      ? "+"
                       : r.kind == kNoteOff     ? "-"
                                                : "?";
    char item[48];
    std::snprintf(item, sizeof item, "%u%s%u", r.time, kind, r.data);
    shown += item + (r.channel == 0 ? std::string() : '/' + std::to_string(r.channel)) + ' ';
  }
  return shown + (parsed->chord ? "chord" : "");
}

TEST(NoteString, Texts) {
  // Note names and their numbers, "-" for a name that does not read and sounds nothing.
  std::istringstream names(
      "c5 60 C#5 61 C+5 61 D-5 61 D5 62 D+5 63 D#5 63 E5 64 E-5 63 F5 65 F+5 66 F#5 66 "
      "G5 67 G-5 66 G+5 68 G#5 68 A5 69 A-5 68 A+5 70 A#5 70 B5 71 B-5 70 C0 0 B-0 10 "
      "G10 127 N0 0 N127 127 H5 - A10 - E+5 - C-5 - C11 - I - N - N128 - I175 - N-1 - IX - C5X -");
  for (std::string name, note; names >> name >> note;)
    EXPECT_EQ(Parsed("0;" + name + ";1"), note == "-" ? "chord" : "0+" + note + " 1-" + note + " chord")
        << name;
  const struct {
    const char* text;
    const char* records;
    NoteStringContext context = {};
  } texts[] = {
      // Missing fields come from the items before: start step and length, else the duration; length 0
      // leaves the current length.
      {"C5;50,0;E5,0;G5", "0+60 0+64 0+67 50-60 50-64 50-67 chord"},
      {"10;C5;30,D5", "10+60 20+62 40-60 50-62 "},
      {"0;C5;0,0;D5;30,0;E5;0", "0+60 0+62 0+64 30-62 30-64 50-60 chord"},
      {"0;I24;0,0;N40;10,10;I5;0", "0I24 0+40 10I5 10-40 "},
      {" 0 ; c 5 ; 1 0 ", "0+60 10-60 chord"},
      // An item without an octave takes the current one; a name with one makes it current.
      {"0;C;10,0;E6;10,0;G;10", "0+48 0+76 0+79 10-48 10-76 10-79 chord"},
      // Items that do not read sound nothing; the others still sound. A given length that changes breaks
      // the chord, the duration taken for a missing one is given too, and a start that does not read as a
      // number is not 0 either.
      {"0;C5;-5,0;C5;X,0;;10,0;D5;10,X", "0+62 10-62 chord"},
      {"5", ""},
      {"0;C5;10,0;C5;20", "0+60 0+60 10-60 20-60 "},
      {"0;C5,0;E5;20", "0+60 0+64 20-64 50-60 "},
      {"0;C5,0;E5;50", "0+60 0+64 50-60 50-64 chord"},
      {"0.5;C5;10,0;E5;10", "0+64 10-64 "},
      // Empty items are skipped; an item of control characters ends the text.
      {"", "chord"},
      {" , , ", "chord"},
      {"0;C5;10,,0;D5;10,\t,0;E5;10", "0+60 0+62 10-60 10-62 chord"},
      // Times run up to the last tick, and past it are refused rather than wrapped round.
      {"2147483647;C5;2147483647,2147483647;D5;1",
       "2147483647+60 4294967294+62 4294967294-60 4294967295-62 "},
      {"2147483647;I5;0,2147483647;I6;0,1;I7;0", "2147483647I5 4294967294I6 4294967295I7 "},
      {"2147483647;C5;2147483647,2147483647;D5;2", "refused"},
      {"2147483647;C5;1,2147483647;D5;1,2;E5;1", "refused"},
      // The player's duration and octave stand in; a percussion instrument from a melodic channel sounds
      // on channel 9 as the instrument, an instrument change of the percussion range moves there and a
      // melodic one comes back; on the percussion channel no program change, and notes keep their numbers.
      {"0;C5,5;D5,E5", "0+60 5+62 10+64 20-60 25-62 30-64 ", {.duration = 20}},
      {"0;C#;10", "0+85 10-85 chord", {.octave = 7}},
      {"0;C5;10", "0+130/9 10-130/9 chord", {.instrument = 130}},
      {"0;I140;0,0;C5;10,10;I5;0,0;D5;10",
       "0I140/9 0+140/9 10I5/2 10+62/2 10-140/9 20-62/2 ",
       {.playChannel = 2}},
      {"0;I130;0,0;C5;10", "0+60/9 10-60/9 chord", {.playChannel = 9}},
      {"0;I5;0,0;C5;10", "0+60/9 10-60/9 chord", {.playChannel = 9, .instrument = 140}},
  };
  for (const auto& [text, records, context] : texts)
    EXPECT_EQ(Parsed(text, context), records) << text;
}

// The default prologue: reset all controllers on channel 0 (with the position flag) and 9, bend range 12
// semitones through parameter 0 and the parameter closed again, pan 64 on 0 and 9, modulation 0, volume
// 127 on 0 and 9, sustain, reverb and chorus 0.
const std::string kPrologue =
    "400079B0 79B9 64B0 65B0 C06B0 7F64B0 7F65B0 400AB0 400AB9 1B0 7F07B0 7F07B9 40B0 5BB0 5DB0";

// Stream events as "[delta+]word" in hex, "#" for a stream number that is not 0; the default prologue as
// "prologue".
std::string Show(const std::vector<StreamEvent>& events) {
  std::string text;
  for (const StreamEvent& e : events) {
    const std::string delta = e.deltaTime > 0 ? std::to_string(e.deltaTime) + '+' : "";
    char word[40];
    std::snprintf(word, sizeof word, " %s%X%s", delta.c_str(), e.event, e.streamId == 0 ? "" : "#");
    text += word;
  }
  text.erase(0, 1);
  return text.rfind(kPrologue, 0) == 0 ? "prologue" + text.substr(kPrologue.size()) : text;
}

TEST(StreamBuffer, SingleNotes) {
  // The settings: volume, pan, reverb, chorus, sustain, modulation, pitch bend, bend delay and duration,
  // duration, note, octave, instrument, channel.
  const struct {
    MidiGenSettings settings;
    int note;
    const char* buffer;
  } cases[] = {
      {{}, 60, "prologue C0 7F3C90 50+3C90"},
      {{60, -50, 100, 1, true, 50, 0, 0, 100, 7, mgC, 4, mgAccordion, mgCh04},
       60,
       "400079B3 79B9 64B3 65B3 C06B3 7F64B3 7F65B3 210AB3 210AB9 3F01B3 4C07B3 4C07B9 7F40B3 7F5BB3 15DB3 "
       "15C3 7F3C93 7+3C93"},
      // On channel 10 the prologue too, the program change held to 127 and the note number as key.
      {{0, 100, 0, 100, false, 100, 0, 0, 100, 50, mgC, 4, TMGInstrument{130}, mgCh10},
       40,
       "400079B9 79B9 64B9 65B9 C06B9 7F64B9 7F65B9 7F0AB9 7F0AB9 7F01B9 7B9 7B9 40B9 5BB9 7F5DB9 7FC9 "
       "7F2899 50+2899"},
      // A percussion instrument from a melodic channel: program 127 and its key on channel 9, 81 for the
      // triangle and 35 for the first percussion value.
      {{.instrument = mgOpenTriangle}, 60, "prologue 7FC9 7F5199 50+5199"},
      {{.instrument = mgAcousticBassDrum}, 60, "prologue 7FC9 7F2399 50+2399"},
      // Note numbers are held to the MIDI range.
      {{}, 131, "prologue C0 7F7F90 50+7F90"},
      {{}, -5, "prologue C0 7F0090 50+90"},
  };
  for (const auto& [settings, note, buffer] : cases)
    EXPECT_EQ(Show(BuildStreamBuffer(settings, SingleNoteRecords(settings, note), true)), buffer);
  // A percussion record below the percussion values wraps round to key 81.
  const NoteRecord low[] = {{0, kNoteOn, 40, 9}, {10, kNoteOff, 40, 9}};
  EXPECT_EQ(Show(BuildStreamBuffer(MidiGenSettings{}, low, false)), "prologue C0 7F5199 10+5199");
  // The output reads 12 little-endian bytes per event.
  EXPECT_EQ(StreamBytes(std::vector<StreamEvent>{{0, 0, 0x400079B0}, {50, 1, 0x3C90}}),
            test::Bytes("00 00 00 00 00 00 00 00 B0 79 00 40 32 00 00 00 01 00 00 00 90 3C 00 00"));
}

TEST(StreamBuffer, BendRampLeadsIntoTheFirstNoteOff) {
  MidiGenSettings settings{.pitchBend = 120, .pbDelay = 50, .duration = 100};
  // After half the note, 50 steps of 163 from the centre 8192 a tick apart, 8355 to 16342; the note-off
  // keeps its delta after them.
  const std::vector<StreamEvent> buffer = BuildStreamBuffer(settings, SingleNoteRecords(settings, 60), true);
  ASSERT_EQ(buffer.size(), 18u + 50u);
  for (std::uint32_t step = 0; step < 50; ++step) {
    const std::uint32_t value = 8355 + 163 * step;
    EXPECT_EQ(buffer[17 + step],
              (StreamEvent{step == 0 ? 51u : 1u, 0, ShortMessage(0xE0, value & 0x7F, value >> 7)}));
  }
  EXPECT_EQ(buffer.back(), (StreamEvent{100, 0, 0x3C90}));
  // Downwards the same ramp mirrored; none for a request that does not allow bending.
  settings.pitchBend = -120;
  EXPECT_EQ(BendRamp(settings, 100, 3)[0],
            (StreamEvent{51, 0, ShortMessage(0xE3, (8192 - 163) & 0x7F, (8192 - 163) >> 7)}));
  EXPECT_EQ(BuildStreamBuffer(settings, SingleNoteRecords(settings, 60), false).size(), 18u);
  // No ramp without a bend, a note-off delta or a duration, with the whole note as delay, or with more
  // steps than the bend has values.
  const int ramps[][5] = {{60, 0, 100, 0, 0},       {60, 100, 100, 100, 0}, {60, 0, 0, 100, 0},
                          {60, 0, 100, 8191, 8191}, {60, 0, 100, 8192, 0},  {0, 0, 100, 100, 0}};
  for (const auto& [pitchBend, pbDelay, pbDuration, noteOffDelta, steps] : ramps) {
    std::tie(settings.pitchBend, settings.pbDelay, settings.pbDuration) =
        std::tie(pitchBend, pbDelay, pbDuration);
    EXPECT_EQ(BendRamp(settings, noteOffDelta, 0).size(), static_cast<std::size_t>(steps)) << noteOffDelta;
  }
}

TEST(StreamBuffer, BufferStopsGrowingAt65535Bytes) {
  std::vector<NoteRecord> records;
  for (std::uint32_t time = 0; time < 6000; ++time)
    records.insert(records.end(), {{time, kNoteOn, 60, 0}, {time + 1, kNoteOff, 60, 0}});
  const std::vector<StreamEvent> buffer = BuildStreamBuffer(MidiGenSettings{}, records, false);
  EXPECT_EQ(buffer.size(), 65535u / 12u);
  EXPECT_EQ(buffer[16], (StreamEvent{0, 0, 0x007F3C90})); // the first notes are kept
}

// Short waits, so that an output that never answers costs the tests little.
constexpr std::chrono::milliseconds kTestWaitLimit{50};
const std::string kOperations[] = {"Probe", "Open",  "SetTimeDivision", "Submit", "Restart",
                                   "Stop",  "Reset", "Release",         "Close"};

// Plays a script of blank-separated steps, "verb" or "verb=value", on a player and an output with the
// given number of devices, the output's clock and the UI thread running side by side, then lets the
// player go. Tells what came of it: what the steps answered (y or n, E for an error), "|" the
// notifications the output sent (Open, Position, Done, Close), "|" the keys of the note-ons that sounded,
// "@" their time in milliseconds, and "p" and the program of program changes but to 0, "|"
// whether the player was playing at the end and whether the output is still open after it.
std::string Play(const std::string& script, std::uint32_t devices = 1) {
  UiWorkQueue queue;
  VirtualStreamOutput output(queue.Thread(), devices);
  std::optional<TMidiGen> player(std::in_place, output, queue.Thread(), kTestWaitLimit);
  TMidiGen& gen = *player;
  std::string log;
  std::size_t operationsShown = 0;
  const auto answer = [&log](bool yes) { log += yes ? " y" : " n"; };
  const auto operation = [](const std::string& name) {
    return VirtualStreamOutput::Operation(std::find(std::begin(kOperations), std::end(kOperations), name) -
                                          std::begin(kOperations));
  };
  const std::map<std::string, std::function<void(const std::string&)>> verbs = {
      {"play", [&](auto&) { answer(gen.Play()); }}, // the note Note in octave Octave
      {"note", [&](auto& v) { answer(gen.PlayNote(std::stoi(v))); }},
      {"text", [&](auto& v) { answer(gen.PlayString(v)); }},
      {"stop", [&](auto&) { gen.Stop(); }},
      {"loops", [&](auto& v) { gen.SetLoops(std::stoul(v)); }},
      {"instrument", [&](auto& v) { gen.SetInstrument(std::stoi(v)); }},
      {"device", [&](auto& v) { answer(gen.SetDevice(std::stoi(v))); }},
      {"available", [&](auto&) { answer(gen.MidiAvailable()); }},
      // A key press handled while a request waits, and a request of another player of the output.
      {"nested", [&](auto& v) { queue.Post([&, note = std::stoi(v)] { answer(gen.PlayNote(note)); }); }},
      {"other",
       [&](auto& v) { answer(TMidiGen(output, queue.Thread(), kTestWaitLimit).PlayNote(std::stoi(v))); }},
      // The output swallows its notifications (1) or not (0), like a device that never answers.
      {"silent", [&](auto& v) { output.SetSilent(v == "1"); }},
      {"fail", [&](auto& v) { output.Fail(operation(v)); }},
      {"mend", [&](auto& v) { output.Fail(operation(v), false); }},
      {"outwait", [&](auto&) { std::this_thread::sleep_for(kTestWaitLimit + 10ms); }},
      {"run", // milliseconds
       [&](auto& v) {
         for (int elapsed = 0; elapsed < std::stoi(v); elapsed += 10) {
           output.Advance(10ms);
           queue.ProcessPending();
         }
       }},
      {"operations", // the output's operations since the last look
       [&](auto&) {
         for (; operationsShown < output.Operations().size(); ++operationsShown)
           log += " " + kOperations[static_cast<int>(output.Operations()[operationsShown])];
       }},
  };
  std::istringstream steps(script);
  for (std::string step; steps >> step;) {
    const std::size_t equals = std::min(step.find('='), step.size());
    try {
      verbs.at(step.substr(0, equals))(step.substr(std::min(equals + 1, step.size())));
    } catch (const Error&) {
      log += " E";
    }
  }
  const bool playing = gen.IsPlaying();
  player.reset();

  log = log.substr(std::min<std::size_t>(1, log.size())) + " |";
  for (StreamNotification notification : output.Notifications())
    log += std::string{' ', "OPDC"[static_cast<int>(notification)]};
  log += " |";
  for (const auto& [time, message] : output.Messages()) {
    const std::uint32_t kind = message & 0xFF0000F0, key = message >> 8 & 0xFF;
    char event[32] = "";
    if (kind == 0xC0 && key != 0)
      std::snprintf(event, sizeof event, " p%u", key);
    else if (kind == 0x90 && message >> 16 != 0)
      std::snprintf(event, sizeof event, " %u@%lld", key, static_cast<long long>(time.count() / 1000));
    else if (kind >> 24 != 0) // not a short message
      std::snprintf(event, sizeof event, " ?");
    log += event;
  }
  return log + (playing ? " | playing" : " | idle") + (output.IsOpen() ? " open" : "");
}

TEST(MidiGen, Requests) {
  const struct {
    const char* script;
    const char* log;
    std::uint32_t devices = 1;
  } cases[] = {
      // One pass of 50 ticks of 10 ms: the open notification is handled while the request waits for it,
      // and the done notification releases the buffer and closes the stream.
      {"play operations run=1000 operations",
       "y Probe Open Reset SetTimeDivision Submit Restart Release Stop Reset Close | O P D C | 48@0 | idle"},
      {"loops=3 note=60 run=3000", "y | O P D P D P D C | 60@0 60@500 60@1000 | idle"},
      // Stopped before its first event has sounded, a request still plays its current pass.
      {"loops=3 note=60 stop run=2000", "y | O P D C | 60@0 | idle"},
      // Loops 0 repeats until stopped; then the buffer comes back and the stream closes.
      {"loops=0 text=0;C5;20 run=1000 stop run=1000",
       "y | O P D P D P D P D P D D C | 60@0 60@200 60@400 60@600 60@800 | idle"},
      // Requests while one waits for its first event are refused; after it, a request stops the stream
      // and opens its own. Only the player that opened the output first plays on it.
      {"nested=62 note=60 note=64 run=10 note=64 run=1000 other=60",
       "n y n y n | O P D C O P D C | 60@0 64@10 | idle"},
      // Properties change the next request, not the passes of this one.
      {"loops=2 note=60 run=10 instrument=21 run=1500 loops=1 note=60 run=1000",
       "y y | O P D P D C O P D C | 60@0 60@500 p21 60@1510 | idle"},
      // Device numbers without an output are kept, and nothing plays on them. A player going away before
      // its first event waits the wait limit for the stream to close, then closes it.
      {"device=1 available device=2 available note=60 device=-1 device=0 note=60",
       "y y n n n E y y | O D C | | playing", 2},
      {"available device=0 play", "n n n | | | idle", 0},
      // A request that starts nothing, or whose set-up fails, leaves the player ready for the next one.
      {"text= text=,,, text=0;H5;10 text=0;C5;10 run=1000", "n n n y | O P D C | 60@0 | idle"},
      {"fail=Open note=60 mend=Open note=60 run=1000", "n y | O P D C | 60@0 | idle"},
      {"fail=SetTimeDivision note=60 mend=SetTimeDivision note=60 run=1000",
       "n y | O C O P D C | 60@0 | idle"},
      {"fail=Submit note=60 mend=Submit note=60 run=1000", "n y | O C O P D C | 60@0 | idle"},
      {"fail=Restart note=60 mend=Restart note=60 run=1000", "n y | O D C O P D C | 60@0 | idle"},
      // An output that never answers costs a request one short wait, and after the wait limit without
      // the first event's notification the player takes requests again. A player going away while its
      // output is silent does not wait for ever.
      {"silent=1 note=60 silent=0 note=60 silent=1 run=10 silent=0 note=62 outwait note=62 run=1000 note=64 "
       "run=10 silent=1",
       "n y n y y | O C O P D C O P D C O P D C | 60@0 62@10 64@1010 | playing"},
  };
  for (const auto& [script, log, devices] : cases)
    EXPECT_EQ(Play(script, devices), log) << script;
}

TEST(MidiGen, SettersHoldValuesToTheirRanges) {
  UiWorkQueue queue;
  VirtualStreamOutput output(queue.Thread());
  TMidiGen gen(output, queue.Thread());
  using G = TMidiGen;
  const struct {
    void (G::*set)(int);
    int (G::*get)() const;
    int lo, hi;
  } properties[] = {{&G::SetVolume, &G::Volume, 0, 100},         {&G::SetPan, &G::Pan, -100, 100},
                    {&G::SetReverb, &G::Reverb, 0, 100},         {&G::SetChorus, &G::Chorus, 0, 100},
                    {&G::SetModulation, &G::Modulation, 0, 100}, {&G::SetPitchBend, &G::PitchBend, -120, 120},
                    {&G::SetPBDelay, &G::PBDelay, 0, 100},       {&G::SetPBDuration, &G::PBDuration, 0, 100},
                    {&G::SetOctave, &G::Octave, 0, 10}};
  for (const auto& [set, get, lo, hi] : properties) {
    (gen.*set)(-1000);
    EXPECT_EQ((gen.*get)(), lo);
    (gen.*set)(1000);
    EXPECT_EQ((gen.*get)(), hi);
  }
  // The enumerated properties take the low 8 bits first, then their range.
  gen.SetNote(256 + 3);
  gen.SetInstrument(300);
  gen.SetChannel(256 + 9);
  EXPECT_EQ(std::tuple(gen.Note(), gen.Instrument(), gen.Channel()),
            std::tuple(mgDsharp, TMGInstrument{44}, mgCh10));
  gen.SetNote(12);
  gen.SetInstrument(-1);
  gen.SetChannel(16);
  EXPECT_EQ(std::tuple(gen.Note(), gen.Instrument(), gen.Channel()), std::tuple(mgB, mgOpenTriangle, mgCh16));
  // A note text plays as the buffer it would submit for its notes; one without a note starts nothing.
  gen.SetChannel(0);
  gen.SetInstrument(mgAccordion);
  gen.SetDuration(1000000);
  EXPECT_EQ(std::tuple(gen.Duration(), gen.Loops(), gen.Sustain()), std::tuple(1000000u, 1u, false));
  EXPECT_EQ(gen.StringBuffer("0;C5"), gen.NoteBuffer(60));
  EXPECT_FALSE(gen.StringBuffer(",,,"));
}

} // namespace
} // namespace arvento::player
