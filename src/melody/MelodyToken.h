#pragma once

// One token of RTTTL-E melody text, such as 8c6, 2*8p or 4.a#5, read on its
// own: what it plays and for how long, or why it cannot be played. What a
// token means does not depend on the tokens around it, so the compiler reads
// each distinct token text once.

#include <string>
#include <string_view>

namespace arvento::melody {

struct MelodyToken {
  enum class Kind {
    Note,   // a key held for ticks
    Rest,   // ticks of silence, added to the next note-on's delta
    Silent, // "P": a note that takes no time
  };
  Kind kind = Kind::Silent;
  long long ticks = 0;
  int key = 0;
  std::string problem; // why the token cannot be played; empty when it can
  // The note value as written, of a note or rest: 2*8.c6 is a dotted eighth
  // twice over.
  int length = 0;
  bool dotted = false;
  long long factor = 1;
};

MelodyToken ReadMelodyToken(std::string_view token);

} // namespace arvento::melody
