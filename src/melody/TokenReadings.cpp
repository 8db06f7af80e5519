#include "melody/TokenReadings.h"

namespace arvento::melody {

namespace {
constexpr std::size_t kPackedSize = 7;
} // namespace

const MelodyToken& TokenReadings::For(std::string_view token) {
  if (token.empty() || token.size() > kPackedSize) {
    unkept_ = ReadMelodyToken(token);
    return unkept_;
  }
  // The characters in the low bytes and the size in the top one: no text
  // packs to 0, and no two texts to the same number.
  std::uint64_t key = static_cast<std::uint64_t>(token.size()) << 56;
  for (std::size_t i = 0; i < token.size(); ++i)
    key |= static_cast<std::uint64_t>(static_cast<unsigned char>(token[i])) << (8 * i);
  // The top bits of the product by the golden ratio spread similar keys over the table.
  Slot& slot = slots_[(key * 0x9E3779B97F4A7C15) >> 56];
  if (slot.key != key) {
    slot.key = key;
    slot.reading = ReadMelodyToken(token);
  }
  return slot.reading;
}

} // namespace arvento::melody
