#pragma once

// The readings of a melody's tokens, each distinct token text read once: a
// melody of thousands of notes is written with a few dozen tokens. Tokens of
// up to seven characters, nearly all of them, are kept in a small table
// under their text packed into one number; a longer one is read every time.

#include "melody/MelodyToken.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace arvento::melody {

class TokenReadings {
public:
  const MelodyToken& For(std::string_view token);

private:
  struct Slot {
    std::uint64_t key = 0; // the packed text; 0 while the slot is empty
    MelodyToken reading;
  };
  // A token's slot depends on its text alone; a token that meets another in
  // its slot takes the slot over.
  std::array<Slot, 256> slots_;
  MelodyToken unkept_;
};

} // namespace arvento::melody
