#pragma once

// The MIDI stream output the live note player plays through: an output that
// takes one buffer of timed short messages, plays it with its own timing and
// reports back through four notifications.

#include "player/MidiGenTypes.h"

#include <cstdint>
#include <functional>
#include <span>

namespace arvento::player {

enum class StreamNotification {
  Open,     // the stream is open
  Position, // an event flagged with kPositionFlag has played
  Done,     // the buffer has played to its end, or a stop returned it
  Close,    // the stream is closed
};

// Receives the notifications of one stream, on the UI thread, in the order
// open, then position and done as the buffer plays, then close.
using NotificationSink = std::function<void(StreamNotification)>;

class MidiStreamOutput {
public:
  virtual ~MidiStreamOutput() = default;

  // Whether the output numbered device (or kMidiMapper) can be opened now.
  virtual bool Probe(std::uint32_t device) = 0;
  // How many outputs there are, numbered from 0.
  virtual std::uint32_t DeviceCount() = 0;

  // Opens a stream on the device, paused and without a buffer, and posts the
  // open notification to the sink. One stream at a time: false while one is open.
  virtual bool Open(std::uint32_t device, NotificationSink sink) = 0;
  // Ticks per quarter note; the tempo stays at 500,000 us per quarter note.
  virtual bool SetTimeDivision(std::uint32_t ticksPerQuarter) = 0;
  // Prepares and queues one buffer; false while a buffer is queued.
  virtual bool Submit(std::span<const StreamEvent> events) = 0;
  // Starts the paused stream: the queued buffer plays from now.
  virtual bool Restart() = 0;
  // Pauses the stream, silences its notes and returns a queued buffer
  // through the done notification.
  virtual bool Stop() = 0;
  // Silences the output: sustain off and every note off on every channel.
  virtual void Reset() = 0;
  // Releases what Submit prepared, once the buffer has come back.
  virtual void Release() = 0;
  // Closes the stream (a buffer still queued comes back first) and posts the
  // close notification.
  virtual void Close() = 0;

  // The PlayerId of the first player that opened this output, 0 until then.
  // The program has one output, so this is the owner for the whole process.
  int OutputOwner() const { return outputOwner_; }
  void SetOutputOwner(int playerId) { outputOwner_ = playerId; }

private:
  int outputOwner_ = 0;
};

} // namespace arvento::player
