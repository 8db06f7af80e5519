#include "player/TMidiGen.h"

#include "core/Error.h"
#include "player/NoteString.h"
#include "player/StreamBuffer.h"

#include <thread>

namespace arvento::player {

namespace {
// Process-wide: every player takes the next number at construction.
int nextPlayerId = 1;

// Between two looks at a waited-for condition the UI thread may have nothing
// to do; the pause keeps the wait from spinning without delaying a note.
constexpr std::chrono::microseconds kWaitPause{200};
} // namespace

TMidiGen::TMidiGen(MidiStreamOutput& output, UiThread ui, std::chrono::milliseconds waitLimit)
    : output_(output), ui_(std::move(ui)), waitLimit_(waitLimit), playerId_(nextPlayerId++),
      self_(std::make_shared<TMidiGen*>(this)) {}

TMidiGen::~TMidiGen() {
  Stop();
  if (streamOpen_ && !WaitUntil([this] { return !streamOpen_; })) {
    output_.Close();
    AbandonStream();
  }
}

bool TMidiGen::MidiAvailable() {
  return streamOpen_ || output_.Probe(deviceId_);
}

bool TMidiGen::SetDevice(int device) {
  if (device < 0)
    throw Error("MIDI output number " + std::to_string(device) + " is out of range: it must not be negative");
  deviceId_ = static_cast<std::uint32_t>(device);
  const std::uint32_t count = output_.DeviceCount();
  return count > 0 && deviceId_ < count;
}

bool TMidiGen::Play() {
  return PlayNote(settings_.note + 12 * settings_.octave);
}

bool TMidiGen::PlayNote(int note) {
  if (!BeginPlay())
    return false;
  return SendEvents(SingleNoteRecords(settings_, note), true);
}

bool TMidiGen::PlayString(std::string_view text) {
  // Read before the request begins, so that a text refused with an error
  // leaves the player ready. The request plays on the channel set now.
  const ParsedNotes parsed =
      ParseNoteString(text, {settings_.channel, settings_.instrument, settings_.octave, settings_.duration});
  if (!BeginPlay())
    return false;
  if (parsed.records.empty())
    return Refuse();
  return SendEvents(parsed.records, parsed.chord);
}

void TMidiGen::Stop() {
  keepLooping_ = false;
  if (opened_ && ready_)
    output_.Stop();
}

std::vector<StreamEvent> TMidiGen::NoteBuffer(int note) const {
  return BuildStreamBuffer(settings_, SingleNoteRecords(settings_, note), true);
}

std::optional<std::vector<StreamEvent>> TMidiGen::StringBuffer(std::string_view text) const {
  const ParsedNotes parsed =
      ParseNoteString(text, {settings_.channel, settings_.instrument, settings_.octave, settings_.duration});
  if (parsed.records.empty())
    return std::nullopt;
  return BuildStreamBuffer(settings_, parsed.records, parsed.chord);
}

bool TMidiGen::BeginPlay() {
  // An output that never reported the first event of the last request must
  // not lock the player for good.
  if (!ready_ && std::chrono::steady_clock::now() - startedAt_ > waitLimit_)
    ready_ = true;
  if (!ready_ || !MidiAvailable())
    return false;
  ready_ = false;
  keepLooping_ = false;
  startedAt_ = std::chrono::steady_clock::now();
  if (streamOpen_) {
    output_.Stop();
    if (!WaitUntil([this] { return !streamOpen_; })) {
      output_.Close();
      AbandonStream();
      return Refuse();
    }
  }
  loopsLeft_ = settings_.loops;
  playChannel_ = settings_.channel;
  return true;
}

bool TMidiGen::SendEvents(const std::vector<NoteRecord>& records, bool bendAllowed) {
  if (output_.OutputOwner() != 0 && output_.OutputOwner() != playerId_)
    return Refuse();
  playChannel_ = settings_.channel;
  eventBuffer_ = BuildStreamBuffer(settings_, records, bendAllowed);

  if (!WaitUntil([this] { return !streamOpen_; })) {
    output_.Close();
    AbandonStream();
    return Refuse();
  }
  const unsigned stream = ++stream_;
  const std::weak_ptr<TMidiGen*> self = self_;
  const NotificationSink sink = [self, stream](StreamNotification notification) {
    if (const std::shared_ptr<TMidiGen*> player = self.lock(); player && (*player)->stream_ == stream)
      (*player)->OnNotification(notification);
  };
  if (!output_.Open(deviceId_, sink))
    return Refuse();
  streamOpen_ = true;
  if (!WaitUntil([this] { return opened_; })) {
    output_.Close();
    AbandonStream();
    return Refuse();
  }

  output_.SetOutputOwner(playerId_);
  output_.Reset();
  if (!output_.SetTimeDivision(kTicksPerQuarter) || !output_.Submit(eventBuffer_) || !output_.Restart())
    return CloseAfterFailure();
  startedAt_ = std::chrono::steady_clock::now();
  return true;
}

bool TMidiGen::Refuse() {
  if (!streamOpen_)
    eventBuffer_.clear();
  ready_ = true;
  return false;
}

bool TMidiGen::CloseAfterFailure() {
  keepLooping_ = false;
  output_.Release();
  output_.Close();
  if (!WaitUntil([this] { return !streamOpen_; }))
    AbandonStream();
  return Refuse();
}

void TMidiGen::AbandonStream() {
  ++stream_;
  streamOpen_ = false;
  opened_ = false;
  isPlaying_ = false;
  keepLooping_ = false;
  eventBuffer_.clear();
}

template <class Condition> bool TMidiGen::WaitUntil(Condition condition) {
  const auto deadline = std::chrono::steady_clock::now() + waitLimit_;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline)
      return false;
    ui_.processPending();
    if (!condition())
      std::this_thread::sleep_for(kWaitPause);
  }
  return true;
}

void TMidiGen::OnNotification(StreamNotification notification) {
  switch (notification) {
    case StreamNotification::Open:
      opened_ = true;
      isPlaying_ = true;
      keepLooping_ = true;
      loopsLeft_ = settings_.loops;
      break;
    case StreamNotification::Position:
      ready_ = true;
      break;
    case StreamNotification::Done:
      if (keepLooping_ && (loopsLeft_ == 0 || loopsLeft_ > 1)) {
        if (output_.Submit(eventBuffer_) && output_.Restart()) {
          if (loopsLeft_ > 1)
            --loopsLeft_;
          break;
        }
        // A pass that cannot be queued again ends the request like its last pass.
        keepLooping_ = false;
      }
      output_.Release();
      output_.Stop();
      output_.Reset();
      eventBuffer_.clear();
      output_.Close();
      break;
    case StreamNotification::Close:
      opened_ = false;
      streamOpen_ = false;
      isPlaying_ = false;
      keepLooping_ = false;
      break;
  }
}

} // namespace arvento::player
