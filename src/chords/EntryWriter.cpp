#include "chords/EntryWriter.h"

#include "chords/ChordTables.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/Quote.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <string>

namespace arvento::chords {

namespace {

// The largest time a variable-length quantity of four bytes holds.
constexpr long long kMaxTicks = 0x0FFFFFFF;

// An entry's factor ends at its first '*'; all after it is the tones.
constexpr HeadForm kEntryHead{FactorStar::First, LengthSpan::All};
// A tone has no factor of its own; its length is one character or two
// digits, and its dot may stand anywhere after it.
constexpr HeadForm kToneHead{FactorStar::None, LengthSpan::OneOrTwo, DotPlace::Anywhere};

// The semitone of a note name above C, either case; -1 for none.
int NoteIndex(std::string_view name) {
  char raised[2] = {};
  std::transform(name.begin(), name.end(), raised, UpperLetter);
  const std::string_view upper(raised, name.size());
  const auto found = std::find(noteIndexTable.begin(), noteIndexTable.end(), upper);
  return found == noteIndexTable.end() ? -1 : static_cast<int>(found - noteIndexTable.begin());
}

} // namespace

EntryWriter::EntryWriter(const AccompanimentSettings& settings, int channel, int velocity,
                         midi::TrackBody& track)
    : settings_(settings), noteOn_(midi::StatusByte(midi::kNoteOn, channel)),
      noteOff_(midi::StatusByte(midi::kNoteOff, channel)), velocity_(midi::DataByte(velocity)),
      track_(track) {
  if (settings.arpeggio < 0 || settings.arpeggio > kMaxTicks)
    throw Error("шаг арпеджио должен быть от 0 до " + std::to_string(kMaxTicks));
}

void EntryWriter::Write(std::string_view entry) {
  entry_ = entry;
  ++count_;

  long long stagger = 0;
  if (const std::size_t colon = entry.find(':'); colon != std::string_view::npos) {
    const std::optional<long long> value = DigitsValue(entry.substr(0, colon), kMaxTicks);
    if (!value)
      Fail("шаг арпеджио перед \":\" должен быть числом от 0 до " + std::to_string(kMaxTicks));
    stagger = *value;
    entry.remove_prefix(colon + 1);
  }
  // The expansion writes every item's repeat factor, "1*" when it has none.
  // One that is not a number, or is 0, would give notes without length.
  const DurationHead head = ReadDurationHead(entry, kEntryHead);
  const std::optional<long long> factor = head.factor ? DigitsValue(*head.factor, INT_MAX) : std::nullopt;
  if (!factor || *factor == 0)
    Fail("множитель повтора перед \"*\" должен быть числом от 1 до " + std::to_string(INT_MAX));
  std::string_view tones = head.length;
  if (tones.empty())
    Fail("нет нот после множителя");
  if (tones.front() == ' ')
    tones.remove_prefix(1);
  const auto count = static_cast<long long>(std::count(tones.begin(), tones.end(), ','));
  if (stagger == 0)
    stagger = settings_.arpeggio;

  // Each tone ends at a comma, and the blank after the comma belongs to none.
  std::size_t cursor = 0;
  bool first = true;
  for (std::size_t comma = tones.find(','); comma != std::string_view::npos;
       comma = tones.find(',', cursor)) {
    WriteTone(tones.substr(cursor, comma - cursor), first, *factor, stagger, count);
    first = false;
    cursor = comma + 1;
    if (cursor < tones.size() && tones[cursor] == ' ')
      ++cursor;
  }
  for (const NoteOff& off : noteOffs_)
    track_.Event(off.delta, noteOff_, off.key, velocity_);
  noteOffs_.clear();
}

void EntryWriter::WriteTone(std::string_view written, bool first, long long factor, long long stagger,
                            long long tones) {
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
  const int index = NoteIndex(std::string_view(token).substr(0, nameSize));
  if (index < 0)
    FailUnreadable(written);
  const std::optional<long long> octave = DigitsValue(std::string_view(token).substr(nameSize), 1000);
  if (!octave)
    Fail("у ноты " + Escaped(token) + " нет октавы");

  const long long key = index + (*octave + settings_.octaveShift - 1) * 12;
  if (key < 0 || key > 127)
    Fail("нота " + token + " при сдвиге октавы " + std::to_string(settings_.octaveShift) +
         " выходит за пределы MIDI (клавиша " + std::to_string(key) + ", допустимо 0..127)");

  // Later tones start one stagger after the previous one; a rest before the
  // tone takes the stagger's place.
  long long delta = first ? 0 : stagger;
  if (pendingRest_ != 0) {
    delta = pendingRest_;
    pendingRest_ = 0;
  }
  track_.Event(delta, noteOn_, static_cast<std::uint8_t>(key), velocity_);

  // The first tone carries the chord's length; shortening it by the
  // staggers makes every tone stop when the chord ends.
  if (length != 0)
    length -= (tones - 1) * stagger;
  noteOffs_.push_back({std::max(0LL, length), static_cast<std::uint8_t>(key)});
}

// Without a duration before "(" the first note's name is read as its
// duration, and what is left of the note cannot be read.
void EntryWriter::FailUnreadable(std::string_view written) const {
  if (!IsDigit(written.front()))
    Fail("нет длительности перед \"(\"");
  Fail("не прочитать ноту " + Quoted(written));
}

// Names the chord by its place in the chord list and its voiced text.
void EntryWriter::Fail(const std::string& why) const {
  std::string_view shown = entry_;
  while (!shown.empty() && shown.back() == ' ')
    shown.remove_suffix(1);
  throw Error("Аккорд " + std::to_string(count_) + " (" + Quoted(shown) + "): " + why);
}

} // namespace arvento::chords
