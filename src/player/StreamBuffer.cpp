#include "player/StreamBuffer.h"

namespace arvento::player {

namespace {

constexpr std::uint8_t kControlChange = 0xB0;
constexpr std::uint8_t kProgramStatus = 0xC0;
constexpr std::uint8_t kNoteOnStatus = 0x90;
constexpr std::uint8_t kPitchBendStatus = 0xE0;

constexpr std::uint8_t kResetAllControllers = 121;
constexpr std::uint8_t kRpnLow = 100;
constexpr std::uint8_t kRpnHigh = 101;
constexpr std::uint8_t kDataEntry = 6;
constexpr std::uint8_t kPanController = 10;
constexpr std::uint8_t kModulationController = 1;
constexpr std::uint8_t kVolumeController = 7;
constexpr std::uint8_t kSustainController = 64;
constexpr std::uint8_t kReverbController = 91;
constexpr std::uint8_t kChorusController = 93;

// The pitch-bend range the prologue selects, in semitones.
constexpr std::uint8_t kBendRangeSemitones = 12;
constexpr int kBendCentre = 8192;
constexpr int kBendSpan = 8191;
constexpr int kMaxBendTenths = 120;

constexpr std::uint8_t kLowestPercussionKey = 35;
constexpr std::uint8_t kHighestPercussionKey = 81;
constexpr std::uint8_t kFullVelocity = 127;

constexpr std::size_t kMaxEvents = kMaxBufferBytes / sizeof(StreamEvent);

std::uint8_t Percent(int percent) {
  return static_cast<std::uint8_t>(percent * 127 / 100);
}

class BufferBuilder {
public:
  void Append(std::uint32_t delta, std::uint32_t event) {
    if (events_.size() < kMaxEvents)
      events_.push_back({delta, 0, event});
  }
  void Controller(std::uint8_t channel, std::uint8_t controller, std::uint8_t value,
                  std::uint32_t flags = 0) {
    Append(0, ShortMessage(kControlChange | channel, controller, value) | flags);
  }
  void Append(std::span<const StreamEvent> events) {
    for (const StreamEvent& event : events)
      Append(event.deltaTime, event.event);
  }
  std::vector<StreamEvent> Take() { return std::move(events_); }

private:
  std::vector<StreamEvent> events_;
};

std::uint8_t ProgramByte(std::uint32_t data) {
  return static_cast<std::uint8_t>(data >= 128 ? 127 : data);
}

// A percussion instrument value sounds key value - 93; anything outside the
// General MIDI percussion keys (a value below 93 wraps round) is held to them.
std::uint8_t PercussionKey(std::uint32_t data) {
  const std::uint32_t key = data - kPercussionKeyOffset;
  return static_cast<std::uint8_t>(key < kLowestPercussionKey    ? kLowestPercussionKey
                                   : key > kHighestPercussionKey ? kHighestPercussionKey
                                                                 : key);
}

} // namespace

std::vector<NoteRecord> SingleNoteRecords(const MidiGenSettings& settings, int note) {
  std::vector<NoteRecord> records;
  const std::uint8_t playChannel = settings.channel;
  std::uint8_t noteChannel = kPercussionChannel;
  if (playChannel != kPercussionChannel) {
    if (settings.instrument < kFirstPercussionInstrument)
      noteChannel = playChannel;
    records.push_back({0, kProgramChange, settings.instrument, noteChannel});
  }
  const bool percussionFromMelodic = noteChannel == kPercussionChannel && playChannel != kPercussionChannel;
  const std::uint32_t data = percussionFromMelodic ? std::uint32_t{settings.instrument}
                                                   : static_cast<std::uint32_t>(ClampValue(note, 0, 127));
  records.push_back({0, kNoteOn, data, noteChannel});
  records.push_back({settings.duration, kNoteOff, data, noteChannel});
  return records;
}

std::vector<StreamEvent> BendRamp(const MidiGenSettings& settings, std::uint32_t noteOffDelta,
                                  std::uint8_t channel) {
  std::vector<StreamEvent> ramp;
  if (noteOffDelta == 0 || settings.pbDuration == 0 || settings.pbDelay == 100 || settings.pitchBend == 0)
    return ramp;
  const std::int64_t lead = std::int64_t{noteOffDelta} * settings.pbDelay / 100;
  const std::int64_t steps = (noteOffDelta - lead) * settings.pbDuration / 100;
  if (steps == 0 || steps > kBendSpan)
    return ramp;
  const int increment = static_cast<int>(settings.pitchBend * kBendSpan / kMaxBendTenths / steps);
  int value = kBendCentre + increment;
  for (std::int64_t step = 0; step < steps; ++step) {
    const std::uint32_t delta = step == 0 ? static_cast<std::uint32_t>(lead + 1) : 1;
    ramp.push_back({delta, 0,
                    ShortMessage(kPitchBendStatus | channel, static_cast<std::uint8_t>(value & 0x7F),
                                 static_cast<std::uint8_t>((value >> 7) & 0x7F))});
    value += increment;
  }
  return ramp;
}

std::vector<StreamEvent> BuildStreamBuffer(const MidiGenSettings& settings,
                                           std::span<const NoteRecord> records, bool bendAllowed) {
  const std::uint8_t channel = settings.channel;
  const bool bend = settings.pitchBend != 0 && bendAllowed;
  const auto pan = static_cast<std::uint8_t>(settings.pan * 63 / 100 + 64);
  BufferBuilder buffer;

  buffer.Controller(channel, kResetAllControllers, 0, kPositionFlag);
  buffer.Controller(kPercussionChannel, kResetAllControllers, 0);
  buffer.Controller(channel, kRpnLow, 0);
  buffer.Controller(channel, kRpnHigh, 0);
  buffer.Controller(channel, kDataEntry, kBendRangeSemitones);
  buffer.Controller(channel, kRpnLow, 127);
  buffer.Controller(channel, kRpnHigh, 127);
  buffer.Controller(channel, kPanController, pan);
  buffer.Controller(kPercussionChannel, kPanController, pan);
  buffer.Controller(channel, kModulationController, Percent(settings.modulation));
  buffer.Controller(channel, kVolumeController, Percent(settings.volume));
  buffer.Controller(kPercussionChannel, kVolumeController, Percent(settings.volume));
  buffer.Controller(channel, kSustainController, settings.sustain ? 127 : 0);
  buffer.Controller(channel, kReverbController, Percent(settings.reverb));
  buffer.Controller(channel, kChorusController, Percent(settings.chorus));

  if (!records.empty() && records.front().kind != kProgramChange)
    buffer.Append(0, ShortMessage(kProgramStatus | channel, ProgramByte(settings.instrument), 0));

  std::uint32_t previousTime = 0;
  bool firstNoteOff = true;
  for (const NoteRecord& record : records) {
    const std::uint32_t delta = record.time - previousTime;
    previousTime = record.time;
    const bool percussionFromMelodic = record.channel == kPercussionChannel && channel != kPercussionChannel;
    const std::uint8_t status =
        percussionFromMelodic ? kNoteOnStatus | kPercussionChannel : kNoteOnStatus | record.channel;
    const std::uint8_t key = percussionFromMelodic
                                 ? PercussionKey(record.data)
                                 : static_cast<std::uint8_t>(record.data > 127 ? 127 : record.data);
    switch (record.kind) {
      case kProgramChange:
        buffer.Append(delta, ShortMessage(kProgramStatus | record.channel, ProgramByte(record.data), 0));
        break;
      case kNoteOn:
        buffer.Append(delta, ShortMessage(status, key, kFullVelocity));
        break;
      case kNoteOff:
        // A bent note sounds for its length plus the ramp's ticks: the note-off
        // keeps its full delta after the ramp.
        if (firstNoteOff && bend)
          buffer.Append(BendRamp(settings, delta, record.channel));
        firstNoteOff = false;
        buffer.Append(delta, ShortMessage(status, key, 0));
        break;
      default:
        break;
    }
  }
  return buffer.Take();
}

std::vector<std::uint8_t> StreamBytes(std::span<const StreamEvent> events) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(events.size() * sizeof(StreamEvent));
  for (const StreamEvent& event : events) {
    for (std::uint32_t word : {event.deltaTime, event.streamId, event.event}) {
      for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(word >> shift));
    }
  }
  return bytes;
}

} // namespace arvento::player
