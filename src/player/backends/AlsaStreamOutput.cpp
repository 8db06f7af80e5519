#include "player/backends/AlsaStreamOutput.h"

#include "player/backends/AlsaQuiet.h"

#include <alsa/asoundlib.h>

#include <optional>
#include <vector>

namespace arvento::player {

// The sequencer handle is used by the timer thread and the UI thread; every
// call on it holds the mutex.
struct AlsaStreamOutput::Sequencer {
  std::mutex mutex;
  snd_seq_t* handle = nullptr;
  int port = -1;
  bool connected = false;
  snd_seq_addr_t destination{};

  std::vector<snd_seq_addr_t> OutputPorts() {
    std::vector<snd_seq_addr_t> ports;
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(handle, client) >= 0) {
      const int id = snd_seq_client_info_get_client(client);
      if (id == SND_SEQ_CLIENT_SYSTEM || id == snd_seq_client_id(handle))
        continue;
      snd_seq_port_info_set_client(port, id);
      snd_seq_port_info_set_port(port, -1);
      while (snd_seq_query_next_port(handle, port) >= 0) {
        constexpr unsigned kWritable = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
        const unsigned capability = snd_seq_port_info_get_capability(port);
        if ((capability & kWritable) == kWritable && (capability & SND_SEQ_PORT_CAP_NO_EXPORT) == 0)
          ports.push_back(*snd_seq_port_info_get_addr(port));
      }
    }
    return ports;
  }

  std::optional<snd_seq_addr_t> Find(std::uint32_t device) {
    if (handle == nullptr)
      return std::nullopt;
    const std::vector<snd_seq_addr_t> ports = OutputPorts();
    const std::size_t index = device == kMidiMapper ? 0 : device;
    if (index >= ports.size())
      return std::nullopt;
    return ports[index];
  }

  void Output(snd_seq_event_t& event) {
    snd_seq_ev_set_source(&event, port);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    snd_seq_event_output_direct(handle, &event);
  }
};

AlsaStreamOutput::AlsaStreamOutput(UiThread ui)
    : ClockedStreamOutput(std::move(ui)), sequencer_(std::make_unique<Sequencer>()) {
  QuietAlsaLibrary();
  Sequencer& sequencer = *sequencer_;
  if (snd_seq_open(&sequencer.handle, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) {
    sequencer.handle = nullptr;
    return;
  }
  snd_seq_set_client_name(sequencer.handle, "Arvento");
  sequencer.port = snd_seq_create_simple_port(sequencer.handle, "Arvento live notes",
                                              SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                              SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
  if (sequencer.port < 0) {
    snd_seq_close(sequencer.handle);
    sequencer.handle = nullptr;
    return;
  }
  timer_ = std::jthread([this](std::stop_token stop) { Run(stop); });
}

AlsaStreamOutput::~AlsaStreamOutput() {
  Close();
  if (timer_.joinable()) {
    timer_.request_stop();
    timerWake_.notify_all();
    timer_.join();
  }
  if (sequencer_->handle != nullptr)
    snd_seq_close(sequencer_->handle);
}

bool AlsaStreamOutput::Probe(std::uint32_t device) {
  const std::lock_guard lock(sequencer_->mutex);
  return sequencer_->Find(device).has_value();
}

std::uint32_t AlsaStreamOutput::DeviceCount() {
  const std::lock_guard lock(sequencer_->mutex);
  return sequencer_->handle == nullptr ? 0 : static_cast<std::uint32_t>(sequencer_->OutputPorts().size());
}

bool AlsaStreamOutput::OpenDevice(std::uint32_t device) {
  Sequencer& sequencer = *sequencer_;
  const std::lock_guard lock(sequencer.mutex);
  const std::optional<snd_seq_addr_t> destination = sequencer.Find(device);
  if (!destination ||
      snd_seq_connect_to(sequencer.handle, sequencer.port, destination->client, destination->port) < 0)
    return false;
  sequencer.destination = *destination;
  sequencer.connected = true;
  return true;
}

void AlsaStreamOutput::CloseDevice() {
  Sequencer& sequencer = *sequencer_;
  const std::lock_guard lock(sequencer.mutex);
  if (!sequencer.connected)
    return;
  snd_seq_disconnect_to(sequencer.handle, sequencer.port, sequencer.destination.client,
                        sequencer.destination.port);
  sequencer.connected = false;
}

void AlsaStreamOutput::Send(std::uint32_t shortMessage) {
  const int status = static_cast<int>(shortMessage & 0xF0);
  const int channel = static_cast<int>(shortMessage & 0x0F);
  const int data1 = static_cast<int>((shortMessage >> 8) & 0x7F);
  const int data2 = static_cast<int>((shortMessage >> 16) & 0x7F);
  snd_seq_event_t event;
  snd_seq_ev_clear(&event);
  switch (status) {
    case 0x80:
      snd_seq_ev_set_noteoff(&event, channel, data1, data2);
      break;
    case 0x90:
      snd_seq_ev_set_noteon(&event, channel, data1, data2);
      break;
    case 0xA0:
      snd_seq_ev_set_keypress(&event, channel, data1, data2);
      break;
    case 0xB0:
      snd_seq_ev_set_controller(&event, channel, data1, data2);
      break;
    case 0xC0:
      snd_seq_ev_set_pgmchange(&event, channel, data1);
      break;
    case 0xD0:
      snd_seq_ev_set_chanpress(&event, channel, data1);
      break;
    case 0xE0:
      snd_seq_ev_set_pitchbend(&event, channel, (data1 | data2 << 7) - 8192);
      break;
    default:
      return;
  }
  const std::lock_guard lock(sequencer_->mutex);
  if (sequencer_->connected)
    sequencer_->Output(event);
}

void AlsaStreamOutput::Silence() {
  constexpr std::uint32_t kSustain = 64 << 8;
  constexpr std::uint32_t kAllNotesOff = 123 << 8;
  for (std::uint32_t channel = 0; channel < 16; ++channel) {
    Send(0xB0 | channel | kSustain);
    Send(0xB0 | channel | kAllNotesOff);
  }
}

std::chrono::microseconds AlsaStreamOutput::Now() const {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - epoch_);
}

void AlsaStreamOutput::ScheduleChanged() {
  {
    const std::lock_guard lock(timerMutex_);
    scheduleChanged_ = true;
  }
  timerWake_.notify_all();
}

// Sleeps until the next event is due or the schedule changes, then plays what is due.
void AlsaStreamOutput::Run(std::stop_token stop) {
  while (!stop.stop_requested()) {
    const std::optional<std::chrono::microseconds> due = NextDue();
    {
      std::unique_lock lock(timerMutex_);
      const auto changed = [this] { return scheduleChanged_; };
      if (due)
        timerWake_.wait_until(lock, stop, epoch_ + *due, changed);
      else
        timerWake_.wait(lock, stop, changed);
      scheduleChanged_ = false;
    }
    PlayDue();
  }
}

} // namespace arvento::player
