#include "midi/TrackBody.h"

namespace arvento::midi {

void TrackBody::Delta(std::int64_t ticks) {
  auto value = static_cast<std::uint32_t>(std::max<std::int64_t>(ticks, 0) & 0x0FFFFFFF);
  // Seven bits a byte, most significant first; every byte but the last has its top bit set.
  std::uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1)
    bytes_.push_back(groups[--count] | 0x80);
  bytes_.push_back(groups[0]);
}

} // namespace arvento::midi
