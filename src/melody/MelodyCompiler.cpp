#include "melody/MelodyCompiler.h"

#include "core/CommaTokens.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/NoteNames.h"
#include "core/NoteValues.h"
#include "core/Quote.h"
#include "midi/PartFile.h"
#include "midi/TrackBody.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace arvento::melody {

namespace {

// Numbers past this are held at it: any larger factor or octave is out of range all the same.
constexpr long long kNumberCeiling = 1'000'000'000;

// The factor ends at the first '*'; the length is one character or two
// digits, and its dot may stand anywhere in the rest of the token.
constexpr HeadForm kTokenHead{FactorStar::First, LengthSpan::OneOrTwo, DotPlace::Anywhere};

// The whole text as a number; nullopt unless it is all digits.
std::optional<long long> WholeNumber(std::string_view text) {
  return AllDigits(text) ? LeadingNumber(text, kNumberCeiling) : std::nullopt;
}

// A note name as a message shows it: upper case, H written B.
std::string ShownName(std::string name) {
  name = Upper(std::move(name));
  if (name[0] == 'H')
    name[0] = 'B';
  return name;
}

class TokenCompiler {
public:
  TokenCompiler(int channel, int velocity, midi::TrackBody& track)
      : noteOn_(midi::StatusByte(midi::kNoteOn, channel)),
        noteOff_(midi::StatusByte(midi::kNoteOff, channel)), velocity_(midi::DataByte(velocity)),
        track_(track) {}

  void Compile(std::string_view token, std::size_t lineNumber) {
    lineNumber_ = lineNumber;
    token_ = token;
    const DurationHead head = ReadDurationHead(token, kTokenHead);

    long long factor = 1;
    if (head.factor) {
      const std::optional<long long> written = WholeNumber(*head.factor);
      if (!written)
        Fail("множитель повтора не число");
      factor = *written;
    }

    // A length and a name follow the factor, two characters at least.
    if (token.size() - (head.factor ? head.factor->size() + 1 : 0) < 2)
      Fail("слишком короткий элемент");
    // Not the note lengths of the notation: "04" is a quarter here.
    const long long length = WholeNumber(head.length).value_or(0);
    if (length == 0)
      Fail("длительность не число");
    if (32 % length != 0 || length > 32)
      Fail("длительность может быть 1, 2, 4, 8, 16 или 32");

    const long long ticks = NoteTicks(length, head.dotted, factor);
    if (ticks > kLongestTicks)
      Fail("слишком длинная нота");

    const std::string& tail = head.rest;
    if (tail.find('p') != std::string::npos) {
      pendingRest_ += ticks;
      if (pendingRest_ > kLongestTicks)
        Fail("слишком длинная пауза");
      return;
    }

    const std::size_t nameSize = tail.find('#') != std::string::npos ? 2 : 1;
    if (tail.size() < nameSize)
      Fail("нет названия ноты");
    const std::string name = tail.substr(0, nameSize);
    // "P" is a note that takes no time.
    if (name == "P")
      return;
    const int index = PitchClass(name);
    if (index < 0)
      Fail("неизвестная нота " + Escaped(ShownName(name)));

    const std::optional<long long> octave =
        LeadingNumber(std::string_view(tail).substr(nameSize), kNumberCeiling);
    if (!octave)
      Fail("нет октавы");
    const long long note = index + (*octave - 1) * 12;
    if (note < 0 || note > 127)
      Fail("нота вне диапазона 0..127 (c1..g11)");

    const auto key = static_cast<std::uint8_t>(note);
    track_.Event(pendingRest_, noteOn_, key, velocity_);
    track_.Event(ticks, noteOff_, key, velocity_);
    pendingRest_ = 0;
  }

private:
  [[noreturn]] void Fail(const std::string& why) const {
    throw Error("Строка " + std::to_string(lineNumber_) + ", элемент " + Quoted(token_) + ": " + why);
  }

  std::uint8_t noteOn_;
  std::uint8_t noteOff_;
  std::uint8_t velocity_;
  midi::TrackBody& track_;
  long long pendingRest_ = 0;
  std::size_t lineNumber_ = 0;
  std::string_view token_;
};

// Every melody line's notes appended to the track.
void WriteMelody(const std::vector<std::string>& lines, int channel, int velocity, midi::TrackBody& track) {
  // Eight bytes a token are enough for most: reserving them once keeps a
  // long melody from copying its track again and again as it grows.
  std::size_t tokens = 0;
  for (const std::string& line : lines)
    tokens += static_cast<std::size_t>(std::count(line.begin(), line.end(), ','));
  track.Reserve(8 * tokens + 8);
  TokenCompiler compiler(channel, velocity, track);
  for (std::size_t number = 0; number < lines.size(); ++number) {
    std::string_view line = lines[number];
    if (line.find(',') == std::string_view::npos || line.find("//") != std::string_view::npos)
      continue;
    while (!line.empty() && line.front() == ' ')
      line.remove_prefix(1);
    // Each token is followed by a comma and the blank of the written form;
    // text after the last comma is not played.
    for (const std::string_view token : CommaTokens(line, 1))
      compiler.Compile(token, number + 1);
  }
}

} // namespace

std::vector<std::uint8_t> MelodyEvents(const std::vector<std::string>& lines, int channel, int velocity) {
  midi::TrackBody track;
  WriteMelody(lines, channel, velocity, track);
  return std::move(track).Take();
}

std::vector<std::uint8_t> CompileMelody(const std::vector<std::string>& lines,
                                        const SoundSettings& settings) {
  midi::TrackBody track = midi::StartPartFile(settings);
  WriteMelody(lines, settings.channel, settings.volume, track);
  return midi::FinishPartFile(std::move(track));
}

} // namespace arvento::melody
