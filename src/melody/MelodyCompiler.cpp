#include "MelodyCompiler.h"

#include "ByteText.h"
#include "Error.h"
#include "PartFile.h"
#include "Quote.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

namespace arvento::melody {

namespace {

// Note names in pitch-class order; "P" at index 12 is a note that takes no time.
constexpr std::array<std::string_view, 13> kNoteTable = {"C", "C#", "D", "D#", "E", "F", "F#",
                                                         "G", "G#", "A", "A#", "B", "P"};
constexpr int kSilentNote = 12;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Leading decimal digits as a number; false when there are none.
bool LeadingNumber(std::string_view text, long long& value) {
  value = 0;
  std::size_t i = 0;
  while (i < text.size() && IsDigit(text[i]) && value < 1'000'000'000) {
    value = value * 10 + (text[i] - '0');
    ++i;
  }
  return i > 0;
}

// The whole text as a number; false unless it is all digits.
bool WholeNumber(std::string_view text, long long& value) {
  return LeadingNumber(text, value) && text.find_first_not_of("0123456789") == std::string_view::npos;
}

class TokenCompiler {
public:
  TokenCompiler(int channel, int velocity, std::vector<std::string>& events)
      : channel_(midi::ChannelDigit(channel)), velocityText_(midi::DataByteText(velocity) + " "),
        events_(events) {}

  void Compile(std::string_view token, std::size_t lineNumber) {
    lineNumber_ = lineNumber;
    token_ = token;
    std::string_view rest = token;

    long long factor = 1;
    if (const std::size_t star = rest.find('*'); star != std::string_view::npos) {
      if (!WholeNumber(rest.substr(0, star), factor))
        Fail("множитель повтора не число");
      rest.remove_prefix(star + 1);
    }

    if (rest.size() < 2)
      Fail("слишком короткий элемент");
    const std::size_t lengthSize = IsDigit(rest[1]) ? 2 : 1;
    long long length = 0;
    if (!WholeNumber(rest.substr(0, lengthSize), length) || length == 0)
      Fail("длительность не число");
    if (32 % length != 0 || length > 32)
      Fail("длительность может быть 1, 2, 4, 8, 16 или 32");
    rest.remove_prefix(lengthSize);

    long long t = 32 / length;
    std::string withoutDot(rest);
    if (const std::size_t dot = withoutDot.find('.'); dot != std::string::npos) {
      withoutDot.erase(dot, 1);
      t += t / 2;
    }
    const long long ticks = t * 6 * factor;
    if (ticks > 0x0FFFFFFF)
      Fail("слишком длинная нота");

    if (withoutDot.find('p') != std::string::npos) {
      pendingRest_ += ticks;
      if (pendingRest_ > 0x0FFFFFFF)
        Fail("слишком длинная пауза");
      return;
    }

    const std::size_t nameSize = withoutDot.find('#') != std::string::npos ? 2 : 1;
    if (withoutDot.size() < nameSize)
      Fail("нет названия ноты");
    std::string name = withoutDot.substr(0, nameSize);
    if (name[0] == 'H' || name[0] == 'h')
      name[0] = 'b';
    for (char& c : name)
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    int index = -1;
    for (std::size_t i = 0; i < kNoteTable.size(); ++i) {
      if (kNoteTable[i] == name)
        index = static_cast<int>(i);
    }
    if (index < 0)
      Fail("неизвестная нота " + Escaped(name));
    if (index == kSilentNote)
      return;

    long long octave = 0;
    if (!LeadingNumber(std::string_view(withoutDot).substr(nameSize), octave))
      Fail("нет октавы");
    const long long note = index + (octave - 1) * 12;
    if (note < 0 || note > 127)
      Fail("нота вне диапазона 0..127 (c1..g11)");

    const std::string key = midi::HexText(static_cast<unsigned>(note));
    std::string on = midi::DeltaText(static_cast<std::int32_t>(pendingRest_));
    on += '9';
    on += channel_;
    on += ' ' + key + ' ' + velocityText_;
    std::string off = midi::DeltaText(static_cast<std::int32_t>(ticks));
    off += '8';
    off += channel_;
    off += ' ' + key + ' ' + velocityText_;
    events_.push_back(std::move(on));
    events_.push_back(std::move(off));
    pendingRest_ = 0;
  }

private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw Error("Строка " + std::to_string(lineNumber_) + ", элемент " + Quoted(token_) + ": " + why);
  }

  char channel_;
  std::string velocityText_;
  std::vector<std::string>& events_;
  long long pendingRest_ = 0;
  std::size_t lineNumber_ = 0;
  std::string_view token_;
};

} // namespace

std::vector<std::string> MelodyEvents(const std::vector<std::string>& lines, int channel, int velocity) {
  // Two events a token at most: reserving them once keeps a long melody from
  // copying its event list again and again as it grows.
  std::size_t tokens = 0;
  for (const std::string& line : lines)
    tokens += static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
  std::vector<std::string> events;
  events.reserve(2 * tokens);
  TokenCompiler compiler(channel, velocity, events);
  for (std::size_t number = 0; number < lines.size(); ++number) {
    std::string_view line = lines[number];
    if (line.find(',') == std::string_view::npos || line.find("//") != std::string_view::npos)
      continue;
    while (!line.empty() && line.front() == ' ')
      line.remove_prefix(1);
    // Each token is followed by a comma and one more character (the blank of
    // the written form); text after the last comma is not played.
    std::size_t cursor = 0;
    for (std::size_t comma = line.find(','); comma != std::string_view::npos;
         comma = line.find(',', cursor)) {
      compiler.Compile(line.substr(cursor, comma - cursor), number + 1);
      cursor = comma + 2;
      if (cursor >= line.size())
        break;
    }
  }
  return events;
}

std::vector<std::uint8_t> CompileMelody(const std::vector<std::string>& lines,
                                        const SoundSettings& settings) {
  return midi::PartFileFromEvents(settings, MelodyEvents(lines, settings.channel, settings.volume));
}

} // namespace arvento::melody
