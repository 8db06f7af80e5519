#pragma once

// The event stage of the accompaniment compiler: entries of the expanded
// chord list in, note events out. Per entry the note-ons, every tone one
// stagger after the one before, then its note-offs, which stop the tones
// together; rests carry over to the next note-on.

#include "chords/AccompanimentCompiler.h"
#include "midi/TrackBody.h"

#include <string>
#include <string_view>
#include <unordered_map>
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
  struct Tone {
    long long length; // of the note, or of the rest
    int key;          // -1 for a rest
    long long off;    // the note-off's delta, which makes the tone stop with the chord
  };
  // What an entry plays, read on its own: the tones up to the first that
  // cannot be read, and why that one cannot.
  struct Reading {
    long long stagger = 0;
    std::vector<Tone> tones;
    std::string problem;
  };

  Reading Read(std::string_view entry) const;
  const Reading& ReadingOf(std::string_view entry);
  [[noreturn]] void Fail(const std::string& why) const;

  const AccompanimentSettings& settings_;
  std::uint8_t noteOn_;
  std::uint8_t noteOff_;
  std::uint8_t velocity_;
  midi::TrackBody& track_;
  long long pendingRest_ = 0;
  std::string_view entry_;
  std::size_t count_ = 0; // entries written, this one included
  // An entry's reading depends on its text alone, and a chord text repeats a
  // handful of chords: each distinct entry is read once.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  std::unordered_map<std::string, Reading, TextHash, std::equal_to<>> readings_;
};

} // namespace arvento::chords
