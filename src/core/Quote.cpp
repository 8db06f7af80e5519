#include "core/Quote.h"

#include <cstdint>

namespace arvento {

namespace {

constexpr std::size_t kQuotedCharacters = 60;

// The length of the valid UTF-8 sequence at the start of text, 0 when its
// first byte does not begin one (overlong forms and surrogates included).
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  if (lead < 0x80)
    return 1;
  std::size_t length = 0;
  std::uint8_t low = 0x80, high = 0xBF; // the range of the second byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    low = lead == 0xE0 ? 0xA0 : 0x80;
    high = lead == 0xED ? 0x9F : 0xBF;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    low = lead == 0xF0 ? 0x90 : 0x80;
    high = lead == 0xF4 ? 0x8F : 0xBF;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high)
    return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF)
      return 0;
  }
  return length;
}

// C0 controls, DEL and the C1 controls U+0080..U+009F (C2 80..C2 9F).
bool IsControl(std::string_view character) {
  const auto lead = static_cast<std::uint8_t>(character[0]);
  if (character.size() == 1)
    return lead < 0x20 || lead == 0x7F;
  return lead == 0xC2 && static_cast<std::uint8_t>(character[1]) < 0xA0;
}

void AppendEscaped(std::string& out, std::string_view bytes) {
  constexpr char kDigits[] = "0123456789abcdef";
  for (const char c : bytes) {
    const auto byte = static_cast<std::uint8_t>(c);
    out += "\\x";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
  }
}

// At most `limit` characters of text as Escaped shows them; true when the
// text went on beyond them.
bool AppendShown(std::string& out, std::string_view text, std::size_t limit) {
  std::size_t shown = 0;
  while (!text.empty()) {
    if (shown == limit)
      return true;
    const std::size_t length = SequenceLength(text);
    const std::string_view character = text.substr(0, length == 0 ? 1 : length);
    if (length == 0 || IsControl(character))
      AppendEscaped(out, character);
    else
      out += character;
    text.remove_prefix(character.size());
    ++shown;
  }
  return false;
}

} // namespace

std::string Escaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  AppendShown(out, text, text.size());
  return out;
}

std::string Quoted(std::string_view text) {
  std::string out = "\"";
  if (AppendShown(out, text, kQuotedCharacters))
    out += "…";
  return out + "\"";
}

} // namespace arvento
