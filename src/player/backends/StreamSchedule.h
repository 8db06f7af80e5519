#pragma once

#include "player/MidiGenTypes.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace arvento::player {

// The timing of one MIDI stream against a clock that its owner reads: which
// events of the queued buffer are due, when the flagged event plays and when
// the buffer is through. Holds no thread and no clock of its own.
class StreamSchedule {
public:
  using Time = std::chrono::microseconds;

  void SetDivision(std::uint32_t ticksPerQuarter) { division_ = ticksPerQuarter; }
  // Copies the buffer; false while one is queued. A running stream plays it from now.
  bool Submit(std::span<const StreamEvent> events, Time now);
  // Starts a paused stream; its queued buffer plays from now.
  void Restart(Time now);
  // Pauses; true when a queued buffer came back unfinished or unplayed.
  bool Stop();
  // Frees the copy of the buffer once it is no longer queued.
  void Release();
  // When the next event is due (or the buffer ends), if anything is to come.
  std::optional<Time> NextDue() const;

  // Plays everything due by now: send(message) for each short message,
  // position() when a flagged event has played, done() when the buffer is through.
  template <class Send, class Position, class Done>
  void PlayDue(Time now, Send&& send, Position&& position, Done&& done);

private:
  Time DueTime(std::size_t index) const;

  std::vector<StreamEvent> buffer_;
  bool queued_ = false;
  bool running_ = false;
  std::size_t next_ = 0;      // index of the next event to play
  std::uint64_t elapsed_ = 0; // ticks from the buffer's start to the last event played
  Time start_{0};
  // A stream that was never given a division counts the standard 96 ticks per quarter note.
  std::uint32_t division_ = 96;
};

template <class Send, class Position, class Done>
void StreamSchedule::PlayDue(Time now, Send&& send, Position&& position, Done&& done) {
  if (!running_ || !queued_)
    return;
  while (next_ < buffer_.size() && DueTime(next_) <= now) {
    const StreamEvent& event = buffer_[next_++];
    elapsed_ += event.deltaTime;
    // The type byte (bits 24..31 without the flag) is 0 for a short message.
    if ((event.event & ~kPositionFlag) >> 24 == 0)
      send(event.event & 0x00FFFFFF);
    if (event.event & kPositionFlag)
      position();
  }
  if (next_ == buffer_.size()) {
    queued_ = false;
    done();
  }
}

} // namespace arvento::player
