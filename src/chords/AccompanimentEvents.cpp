#include "chords/AccompanimentCompiler.h"
#include "chords/ChordTables.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/Quote.h"
#include "midi/ByteText.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string_view>

namespace arvento::chords {

namespace {

// The largest time a variable-length quantity of four bytes holds.
constexpr long long kMaxTicks = 0x0FFFFFFF;

// An entry's factor ends at its first '*'; all after it is the tones.
constexpr HeadForm kEntryHead{FactorStar::First, LengthSpan::All};
// A tone has no factor of its own; its length is one character or two
// digits, and its dot may stand anywhere after it.
constexpr HeadForm kToneHead{FactorStar::None, LengthSpan::OneOrTwo, DotPlace::Anywhere};

// Turns the entries of the expanded chord list into events, keeping the rest
// that is still to be spent from one entry to the next.
class EntryWriter {
public:
  EntryWriter(const AccompanimentSettings& settings, int channel, int velocity,
              std::vector<std::string>& events)
      : settings_(settings), channel_(midi::ChannelDigit(channel)),
        velocityText_(midi::DataByteText(velocity) + " "), events_(events) {}

  void Write(const std::string& written, std::size_t index) {
    entryText_ = &written;
    index_ = index;
    std::string entry = written;

    long long stagger = 0;
    if (const std::size_t colon = entry.find(':'); colon != std::string::npos) {
      const std::optional<long long> value = DigitsValue(std::string_view(entry).substr(0, colon), kMaxTicks);
      if (!value)
        Fail("шаг арпеджио перед \":\" должен быть числом от 0 до " + std::to_string(kMaxTicks));
      stagger = *value;
      entry.erase(0, colon + 1);
    }
    // The expansion writes every item's repeat factor, "1*" when it has none.
    // One that is not a number, or is 0, would give notes without length.
    const DurationHead head = ReadDurationHead(entry, kEntryHead);
    const std::optional<long long> factor = head.factor ? DigitsValue(*head.factor, INT_MAX) : std::nullopt;
    if (!factor || *factor == 0)
      Fail("множитель повтора перед \"*\" должен быть числом от 1 до " + std::to_string(INT_MAX));
    entry = std::string(head.length);
    if (entry.empty())
      Fail("нет нот после множителя");

    if (entry.front() == ' ')
      entry.erase(0, 1);
    if (entry.empty() || entry.back() != ' ')
      entry += ' ';
    const auto tones = static_cast<long long>(std::count(entry.begin(), entry.end(), ','));
    if (stagger == 0)
      stagger = settings_.arpeggio;

    std::size_t cursor = 0;
    bool first = true;
    for (std::size_t comma = entry.find(','); comma != std::string::npos; comma = entry.find(',', cursor)) {
      WriteTone(std::string_view(entry).substr(cursor, comma - cursor), first, *factor, stagger, tones);
      first = false;
      cursor = comma + 1;
      if (cursor < entry.size() && entry[cursor] == ' ')
        ++cursor;
    }
    events_.insert(events_.end(), std::make_move_iterator(noteOffs_.begin()),
                   std::make_move_iterator(noteOffs_.end()));
    noteOffs_.clear();
  }

private:
  void WriteTone(std::string_view written, bool first, long long factor, long long stagger, long long tones) {
    if (written.empty())
      Fail("пустая нота");
    const DurationHead head = ReadDurationHead(written, kToneHead);
    // Every length of one or two digits is timed; 0 and those beyond 32 take no time.
    const long long denominator = DigitsValue(head.length, 99).value_or(0);
    long long t = denominator == 0 ? 0 : 32 / denominator;
    if (head.dotted)
      t += t / 2;
    const std::string& token = head.rest;
    long long length = t * 6 * factor;
    if (length > kMaxTicks)
      Fail("слишком длинный аккорд");

    if (token.find_first_of("pP") != std::string::npos) {
      pendingRest_ += length;
      if (pendingRest_ > kMaxTicks)
        Fail("слишком длинная пауза");
      return;
    }

    const std::size_t nameSize = token.find('#') != std::string::npos ? 2 : 1;
    if (token.size() < nameSize)
      FailUnreadable(written);
    const std::string name = Upper(token.substr(0, nameSize));
    const auto found = std::find(noteIndexTable.begin(), noteIndexTable.end(), name);
    if (found == noteIndexTable.end())
      FailUnreadable(written);
    const std::optional<long long> octave = DigitsValue(std::string_view(token).substr(nameSize), 1000);
    if (!octave)
      Fail("у ноты " + Escaped(token) + " нет октавы");

    const long long key = (found - noteIndexTable.begin()) + (*octave + settings_.octaveShift - 1) * 12;
    if (key < 0 || key > 127)
      Fail("нота " + token + " при сдвиге октавы " + std::to_string(settings_.octaveShift) +
           " выходит за пределы MIDI (клавиша " + std::to_string(key) + ", допустимо 0..127)");
    const std::string keyText = midi::HexText(static_cast<unsigned>(key));

    // Later tones start one stagger after the previous one. A stagger above
    // 127 does not fit one delta byte and is written as a variable-length
    // quantity, which gives the same two digits for 0..127.
    std::string on;
    if (pendingRest_ != 0) {
      on = midi::DeltaText(static_cast<std::int32_t>(pendingRest_));
      pendingRest_ = 0;
    } else {
      on = first ? "00 " : midi::VlqText(static_cast<std::uint32_t>(stagger));
    }
    on += '9';
    on += channel_;
    on += ' ' + keyText + ' ' + velocityText_;
    events_.push_back(std::move(on));

    // The first tone carries the chord's length; shortening it by the
    // staggers makes every tone stop when the chord ends.
    if (length != 0)
      length -= (tones - 1) * stagger;
    std::string off = midi::DeltaText(static_cast<std::int32_t>(std::max(0LL, length)));
    off += '8';
    off += channel_;
    off += ' ' + keyText + ' ' + velocityText_;
    noteOffs_.push_back(std::move(off));
  }

  // Without a duration before "(" the first note's name is read as its
  // duration, and what is left of the note cannot be read.
  [[noreturn]] void FailUnreadable(std::string_view written) const {
    if (!IsDigit(written.front()))
      Fail("нет длительности перед \"(\"");
    Fail("не прочитать ноту " + Quoted(written));
  }

  // Names the chord by its place in the chord list and its voiced text.
  [[noreturn]] void Fail(const std::string& why) const {
    std::string shown = *entryText_;
    while (!shown.empty() && shown.back() == ' ')
      shown.pop_back();
    throw Error("Аккорд " + std::to_string(index_ + 1) + " (" + Quoted(shown) + "): " + why);
  }

  const AccompanimentSettings& settings_;
  char channel_;
  std::string velocityText_;
  std::vector<std::string>& events_;
  std::vector<std::string> noteOffs_;
  long long pendingRest_ = 0;
  const std::string* entryText_ = nullptr;
  std::size_t index_ = 0;
};

} // namespace

std::vector<std::string> AccompanimentEvents(const std::vector<std::string>& expandedChords,
                                             const AccompanimentSettings& settings, int channel,
                                             int velocity) {
  if (settings.arpeggio < 0 || settings.arpeggio > kMaxTicks)
    throw Error("шаг арпеджио должен быть от 0 до " + std::to_string(kMaxTicks));
  std::vector<std::string> events;
  events.reserve(expandedChords.size() * 12);
  EntryWriter writer(settings, channel, velocity, events);
  for (std::size_t index = 0; index < expandedChords.size(); ++index)
    writer.Write(expandedChords[index], index);
  return events;
}

} // namespace arvento::chords
