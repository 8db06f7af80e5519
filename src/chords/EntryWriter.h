#pragma once

// The event stage of the accompaniment compiler: entries of the expanded
// chord list in, note events out. Per entry the note-ons, every tone one
// stagger after the one before, then its note-offs, which stop the tones
// together; rests carry over to the next note-on.

#include "chords/AccompanimentCompiler.h"
#include "midi/TrackBody.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace arvento::chords {

class EntryWriter {
public:
  // Throws arvento::Error for an arpeggio outside 0..268435455.
  EntryWriter(const AccompanimentSettings& settings, int channel, int velocity, midi::TrackBody& track);

  // Appends the events of the next entry. Throws arvento::Error for an entry
  // that cannot be read (no duration, a stagger that is not a number, a
  // repeat factor that is not a number from 1) and for a key outside 0..127,
  // naming the chord by its place in the list and the octave shift.
  void Write(std::string_view entry);

private:
  struct NoteOff {
    long long delta;
    std::uint8_t key;
  };

  void WriteTone(std::string_view written, bool first, long long factor, long long stagger, long long tones);
  [[noreturn]] void FailUnreadable(std::string_view written) const;
  [[noreturn]] void Fail(const std::string& why) const;

  const AccompanimentSettings& settings_;
  std::uint8_t noteOn_;
  std::uint8_t noteOff_;
  std::uint8_t velocity_;
  midi::TrackBody& track_;
  std::vector<NoteOff> noteOffs_;
  long long pendingRest_ = 0;
  std::string_view entry_;
  std::size_t count_ = 0; // entries written, this one included
};

} // namespace arvento::chords
