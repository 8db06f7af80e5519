#include "cli/Args.h"
#include "cli/Commands.h"
#include "cli/HelperCommandHelp.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "player/TMidiGen.h"
#include "player/UiWorkQueue.h"
#include "player/backends/SynthSoundSystem.h"
#include "player/backends/VirtualStreamOutput.h"

#include <cstdio>
#include <iostream>
#include <limits>
#include <thread>

namespace arvento::cli {

namespace {

constexpr int kMaxInt = std::numeric_limits<int>::max();

// An instrument by number (0..174) or by its name, such as mgAccordion.
int InstrumentOption(const Args& args) {
  const std::optional<std::string> text = args.Value("--instrument");
  for (std::size_t value = 0; text && value < player::kMidiGenInstrumentNames.size(); ++value) {
    if (*text == player::kMidiGenInstrumentNames[value])
      return static_cast<int>(value);
  }
  return args.Int("--instrument", 0, player::mgOpenTriangle, player::mgAcousticGrandPiano);
}

// The options are the player's properties, with the player's own defaults.
void ApplyOptions(const Args& args, player::TMidiGen& gen) {
  gen.SetVolume(args.Int("--volume", 0, 100, gen.Volume()));
  gen.SetPan(args.Int("--pan", -100, 100, gen.Pan()));
  gen.SetReverb(args.Int("--reverb", 0, 100, gen.Reverb()));
  gen.SetChorus(args.Int("--chorus", 0, 100, gen.Chorus()));
  gen.SetSustain(args.Has("--sustain"));
  gen.SetModulation(args.Int("--modulation", 0, 100, gen.Modulation()));
  gen.SetPitchBend(args.Int("--pitch-bend", -120, 120, gen.PitchBend()));
  gen.SetPBDelay(args.Int("--pb-delay", 0, 100, gen.PBDelay()));
  gen.SetPBDuration(args.Int("--pb-duration", 0, 100, gen.PBDuration()));
  gen.SetDuration(
      static_cast<std::uint32_t>(args.Int("--duration", 0, kMaxInt, static_cast<int>(gen.Duration()))));
  gen.SetOctave(args.Int("--octave", 0, 10, gen.Octave()));
  gen.SetInstrument(InstrumentOption(args));
  gen.SetChannel(args.Int("--channel", 0, 15, gen.Channel()));
  gen.SetLoops(static_cast<std::uint32_t>(args.Int("--loops", 0, kMaxInt, static_cast<int>(gen.Loops()))));
}

void PrintBuffer(const std::vector<player::StreamEvent>& buffer) {
  for (const player::StreamEvent& event : buffer) {
    char word[9];
    std::snprintf(word, sizeof word, "%08X", event.event);
    std::cout << event.deltaTime << ' ' << word << '\n';
  }
}

int RunPlay(const std::vector<std::string>& arguments) {
  const Args args(arguments,
                  {"--volume", "--pan", "--reverb", "--chorus", "--modulation", "--pitch-bend", "--pb-delay",
                   "--pb-duration", "--duration", "--octave", "--instrument", "--channel", "--loops",
                   "--note", "--text"},
                  {"--sustain", "--dry-run"});
  if (!args.Positional().empty())
    throw UsageError(Tr("unexpected argument %1", Quoted(args.Positional().front())));
  if (args.Has("--note") == args.Has("--text"))
    throw UsageError(Tr("give either --note N or --text TEXT"));
  const bool single = args.Has("--note");
  const int note = args.Int("--note", 0, 127, 0);
  const std::string text = args.Value("--text").value_or("");

  player::UiWorkQueue queue;
  if (args.Has("--dry-run")) {
    player::VirtualStreamOutput output(queue.Thread());
    player::TMidiGen gen(output, queue.Thread());
    ApplyOptions(args, gen);
    const std::optional<std::vector<player::StreamEvent>> buffer =
        single ? gen.NoteBuffer(note) : gen.StringBuffer(text);
    if (!buffer) {
      std::cerr << "arvento-cli play: " << Tr("the note text holds no note") << "\n";
      return kExitRefused;
    }
    PrintBuffer(*buffer);
    return kExitOk;
  }

  const std::unique_ptr<player::SoundSystem> sound = player::CreateSynthSoundSystem(queue.Thread());
  player::TMidiGen gen(sound->StreamOutput(), queue.Thread());
  ApplyOptions(args, gen);
  if (!gen.MidiAvailable()) {
    std::cerr << "arvento-cli play: " << Tr("no MIDI output: %1", sound->Description()) << "\n";
    return kExitRefused;
  }
  if (!(single ? gen.PlayNote(note) : gen.PlayString(text))) {
    std::cerr << "arvento-cli play: "
              << (single ? Tr("the player refused the request")
                         : Tr("the player refused the request: the note text holds no note"))
              << "\n";
    return kExitRefused;
  }
  while (gen.IsPlaying()) {
    queue.ProcessPending();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  // The end of the request releases the notes; their release is still heard.
  std::this_thread::sleep_for(std::chrono::seconds(1));
  return kExitOk;
}

} // namespace

const Command kPlayCommand = {"play", kPlaySummary, kPlayHelp, RunPlay};

} // namespace arvento::cli
