#pragma once

// The value types of the live note player: its enumerations, the records of a
// request and of a stream buffer, and its published properties.

#include <array>
#include <cstdint>
#include <string_view>

namespace arvento::player {

// The player counts 50 ticks to a quarter note. The tempo is never set, so
// the output's 500,000 us per quarter note applies and one tick is 10 ms.
constexpr std::uint32_t kTicksPerQuarter = 50;
constexpr std::uint32_t kMicrosecondsPerQuarter = 500000;

// A request's buffer never grows beyond this many bytes; further events are dropped.
constexpr std::size_t kMaxBufferBytes = 65535;

// Device number that selects the system's default output.
constexpr std::uint32_t kMidiMapper = 0xFFFFFFFF;

// The channel that General MIDI reserves for percussion (channel 10).
constexpr std::uint8_t kPercussionChannel = 9;

// clang-format off
enum TMGNote : std::uint8_t { mgC, mgCsharp, mgD, mgDsharp, mgE, mgF, mgFsharp, mgG, mgGsharp, mgA, mgAsharp, mgB };

enum TMGChannel : std::uint8_t {
  mgCh01, mgCh02, mgCh03, mgCh04, mgCh05, mgCh06, mgCh07, mgCh08,
  mgCh09, mgCh10, mgCh11, mgCh12, mgCh13, mgCh14, mgCh15, mgCh16,
};

// 0..127 the General MIDI programs, 128..174 the percussion keys 35..81. One
// list gives both the enumeration and its name table, so they cannot drift apart.
#define ARVENTO_MG_INSTRUMENTS(X)                                                                            \
  X(mgAcousticGrandPiano) X(mgBrightAcousticPiano) X(mgElectricGrandPiano) X(mgHonkyTonkPiano)               \
  X(mgElectricPiano1) X(mgElectricPiano2) X(mgHarpsichord) X(mgClavinet)                                     \
  X(mgCelesta) X(mgGlockenspiel) X(mgMusicBox) X(mgVibraphone)                                               \
  X(mgMarimba) X(mgXylophone) X(mgTubularBells) X(mgDulcimer)                                                \
  X(mgDrawbarOrgan) X(mgPercussiveOrgan) X(mgRockOrgan) X(mgChurchOrgan)                                     \
  X(mgReedOrgan) X(mgAccordion) X(mgHarmonica) X(mgTangoAccordion)                                           \
  X(mgAcousticNylonGuitar) X(mgAcousticSteelGuitar) X(mgJazzElectricGuitar) X(mgCleanElectricGuitar)         \
  X(mgMutedElectricGuitar) X(mgOverdrivenGuitar) X(mgDistortionGuitar) X(mgGuitarHarmonics)                  \
  X(mgAcousticBass) X(mgFingeredElectricBass) X(mgPickedElectricBass) X(mgFretlessBass)                      \
  X(mgSlapBass1) X(mgSlapBass2) X(mgSynthBass1) X(mgSynthBass2)                                              \
  X(mgViolin) X(mgViola) X(mgCello) X(mgContrabass)                                                          \
  X(mgTremoloStrings) X(mgPizzicatoStrings) X(mgOrchestralHarp) X(mgTimpani)                                 \
  X(mgStringEnsemble1) X(mgStringEnsemble2) X(mgSynthStrings1) X(mgSynthStrings2)                            \
  X(mgChoirAahs) X(mgVoiceOohs) X(mgSynthVoice) X(mgOrchestraHit)                                            \
  X(mgTrumpet) X(mgTrombone) X(mgTuba) X(mgMutedTrumpet)                                                     \
  X(mgFrenchHorn) X(mgBrassSection) X(mgSynthBrass1) X(mgSynthBrass2)                                        \
  X(mgSopranoSax) X(mgAltoSax) X(mgTenorSax) X(mgBaritoneSax)                                                \
  X(mgOboe) X(mgEnglishHorn) X(mgBassoon) X(mgClarinet)                                                      \
  X(mgPiccolo) X(mgFlute) X(mgRecorder) X(mgPanFlute)                                                        \
  X(mgBlownBottle) X(mgShakuhachi) X(mgWhistle) X(mgOcarina)                                                 \
  X(mgSquareLead) X(mgSawtoothLead) X(mgCalliopeLead) X(mgChiffLead)                                         \
  X(mgCharangLead) X(mgVoiceLead) X(mgFifthsLead) X(mgBassandLead)                                           \
  X(mgNewAgePad) X(mgWarmPad) X(mgPolySynthPad) X(mgChoirPad)                                                \
  X(mgBowedPad) X(mgMetallicPad) X(mgHaloPad) X(mgSweepPad)                                                  \
  X(mgSynthFXRain) X(mgSynthFXSoundtrack) X(mgSynthFXCrystal) X(mgSynthFXAtmosphere)                         \
  X(mgSynthFXBrightness) X(mgSynthFXGoblins) X(mgSynthFXEchoes) X(mgSynthFXSciFi)                            \
  X(mgSitar) X(mgBanjo) X(mgShamisen) X(mgKoto)                                                              \
  X(mgKalimba) X(mgBagpipe) X(mgFiddle) X(mgShanai)                                                          \
  X(mgTinkleBell) X(mgAgogo) X(mgSteelDrums) X(mgWoodblock)                                                  \
  X(mgTaikoDrum) X(mgMelodicTom) X(mgSynthDrum) X(mgReverseCymbal)                                           \
  X(mgGuitarFretNoise) X(mgBreathNoise) X(mgSeashore) X(mgBirdTweet)                                         \
  X(mgTelephoneRing) X(mgHelicopter) X(mgApplause) X(mgGunshot)                                              \
  X(mgAcousticBassDrum) X(mgBassDrum1) X(mgSideStick) X(mgAcousticSnare)                                     \
  X(mgHandClap) X(mgElectricSnare) X(mgLowFloorTom) X(mgClosedHiHat)                                         \
  X(mgHighFloorTom) X(mgPedalHiHat) X(mgLowTom) X(mgOpenHiHat)                                               \
  X(mgLowMidTom) X(mgHiMidTom) X(mgCrashCymbal1) X(mgHighTom)                                                \
  X(mgRideCymbal1) X(mgChineseCymbal) X(mgRideBell) X(mgTambourine)                                          \
  X(mgSplashCymbal) X(mgCowbell) X(mgCrashCymbal2) X(mgVibraslap)                                            \
  X(mgRideCymbal2) X(mgHiBongo) X(mgLowBongo) X(mgMuteHiConga)                                               \
  X(mgOpenHiConga) X(mgLowConga) X(mgHighTimbale) X(mgLowTimbale)                                            \
  X(mgHighAgogo) X(mgLowAgogo) X(mgCabasa) X(mgMaracas)                                                      \
  X(mgShortWhistle) X(mgLongWhistle) X(mgShortGuiro) X(mgLongGuiro)                                          \
  X(mgClaves) X(mgHiWoodBlock) X(mgLowWoodBlock) X(mgMuteCuica)                                              \
  X(mgOpenCuica) X(mgMuteTriangle) X(mgOpenTriangle)

#define ARVENTO_MG_ENUMERATOR(name) name,
enum TMGInstrument : std::uint8_t { ARVENTO_MG_INSTRUMENTS(ARVENTO_MG_ENUMERATOR) };
#undef ARVENTO_MG_ENUMERATOR

#define ARVENTO_MG_NAME(name) #name,
inline constexpr std::array<std::string_view, 175> kMidiGenInstrumentNames = {ARVENTO_MG_INSTRUMENTS(ARVENTO_MG_NAME)};
#undef ARVENTO_MG_NAME
#undef ARVENTO_MG_INSTRUMENTS
// clang-format on

static_assert(mgOpenTriangle == 174 && kMidiGenInstrumentNames[mgOpenTriangle] == "mgOpenTriangle");

// The first instrument value that stands for a percussion key rather than a program.
constexpr int kFirstPercussionInstrument = 128;
// An instrument value v of the percussion range sounds key v - 93.
constexpr std::uint32_t kPercussionKeyOffset = 93;

// One item of a request's note list.
enum NoteRecordKind : std::uint8_t { kProgramChange = 6, kNoteOn = 8, kNoteOff = 9 };

struct NoteRecord {
  std::uint32_t time = 0; // ticks from the start of the request
  std::uint8_t kind = kNoteOn;
  std::uint32_t data = 0; // program or instrument value; note number or percussion instrument value
  std::uint8_t channel = 0;

  bool operator==(const NoteRecord&) const = default;
};

// One record of a stream buffer, laid out as the output reads it.
struct StreamEvent {
  std::uint32_t deltaTime = 0; // ticks after the previous event
  std::uint32_t streamId = 0;  // always 0
  std::uint32_t event = 0;     // status | data1 << 8 | data2 << 16 | type << 24

  bool operator==(const StreamEvent&) const = default;
};
static_assert(sizeof(StreamEvent) == 12);

// Set on an event word when the output is to send a position notification as it plays.
constexpr std::uint32_t kPositionFlag = 0x40000000;

// A value inside lo..hi is kept; one outside becomes the nearer bound.
constexpr int ClampValue(int value, int lo, int hi) {
  return value < lo ? lo : value > hi ? hi : value;
}

// The published properties of a player, already within their ranges.
struct MidiGenSettings {
  int volume = 100; // 0..100 percent
  int pan = 0;      // -100..100
  int reverb = 0;   // 0..100
  int chorus = 0;   // 0..100
  bool sustain = false;
  int modulation = 0;          // 0..100
  int pitchBend = 0;           // -120..120 tenths of a semitone
  int pbDelay = 0;             // 0..100 percent of the note before the bend starts
  int pbDuration = 100;        // 0..100 percent of the rest over which it moves
  std::uint32_t duration = 50; // ticks of a single note
  TMGNote note = mgC;
  int octave = 4; // 0..10
  TMGInstrument instrument = mgAcousticGrandPiano;
  TMGChannel channel = mgCh01;
  std::uint32_t loops = 1; // passes per request; 0 repeats until stopped
};

} // namespace arvento::player
