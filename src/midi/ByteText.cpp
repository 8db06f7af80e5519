#include "midi/ByteText.h"

#include "core/Error.h"
#include "core/Quote.h"

#include <algorithm>

namespace arvento::midi {

namespace {
constexpr char kDigits[] = "0123456789ABCDEF";

void AppendTwoDigits(std::string& text, unsigned byte) {
  text += kDigits[(byte >> 4) & 0xF];
  text += kDigits[byte & 0xF];
  text += ' ';
}
} // namespace

std::string HexText(unsigned value) {
  std::string reversed;
  do {
    reversed += kDigits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  return {reversed.rbegin(), reversed.rend()};
}

std::string DataByteText(int value) {
  return HexText(static_cast<unsigned>(std::clamp(value, 0, 127)));
}

char ChannelDigit(int channel) {
  return kDigits[(channel - 1) & 0xF];
}

std::string VlqText(std::uint32_t value) {
  value &= 0x0FFFFFFF;
  unsigned groups[4];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  std::string text;
  for (int i = count - 1; i >= 0; --i)
    AppendTwoDigits(text, groups[i] | (i > 0 ? 0x80u : 0u));
  return text;
}

std::string DeltaText(std::int32_t ticks) {
  return VlqText(ticks < 0 ? 0u : static_cast<std::uint32_t>(ticks));
}

std::string TrackHeaderText(std::string_view body) {
  const auto length = static_cast<std::uint32_t>(ByteCount(body));
  std::string text = "4D 54 72 6B ";
  for (int shift = 24; shift >= 0; shift -= 8)
    AppendTwoDigits(text, (length >> shift) & 0xFF);
  return text;
}

std::size_t ByteCount(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), ' '));
}

unsigned NextHexByte(std::string_view text, std::size_t& cursor) {
  const std::size_t blank = text.find(' ', cursor);
  const std::size_t end = blank == std::string_view::npos ? text.size() : blank;
  unsigned value = 0;
  for (std::size_t i = cursor; i < end; ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9')
      digit = static_cast<unsigned>(c - '0');
    else if (c >= 'A' && c <= 'F')
      digit = static_cast<unsigned>(c - 'A' + 10);
    else if (c >= 'a' && c <= 'f')
      digit = static_cast<unsigned>(c - 'a' + 10);
    else
      throw Error("Неверный байт MIDI: " + Quoted(text.substr(cursor, end - cursor)));
    value = value * 16 + digit;
  }
  cursor = blank == std::string_view::npos ? text.size() : blank + 1;
  return value;
}

} // namespace arvento::midi
