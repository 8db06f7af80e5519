#include "chords/EntryWriter.h"

#include "chords/ChordTables.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace arvento::chords {

namespace {

// The largest time a variable-length quantity of four bytes holds.
constexpr long long kMaxTicks = 0x0FFFFFFF;

// Distinct entries whose reading is kept; a text of ever new chords starts
// over rather than growing without end.
constexpr std::size_t kKeptReadings = 4096;

// An entry's factor ends at its first '*'; all after it is the tones.
constexpr HeadForm kEntryHead{FactorStar::First, LengthSpan::All};
// A tone has no factor of its own; its length is one character or two
// digits, and its dot may stand anywhere after it.
constexpr HeadForm kToneHead{FactorStar::None, LengthSpan::OneOrTwo, DotPlace::Anywhere};

// The semitone of a note name above C, either case; -1 for none.
int NoteIndex(std::string_view name) {
  char raised[2] = {};
  std::transform(name.begin(), name.end(), raised, UpperLetter);
  const auto found =
      std::find(noteIndexTable.begin(), noteIndexTable.end(), std::string_view(raised, name.size()));
  return found == noteIndexTable.end() ? -1 : static_cast<int>(found - noteIndexTable.begin());
}

// Without a duration before "(" the first note's name is read as its
// duration, and what is left of the note cannot be read.
std::string Unreadable(std::string_view written) {
  return IsDigit(written.front()) ? Tr("не прочитать ноту %1", Quoted(written))
                                  : Tr("нет длительности перед \"(\"");
}

} // namespace

EntryWriter::EntryWriter(const AccompanimentSettings& settings, int channel, int velocity,
                         midi::TrackBody& track)
    : settings_(settings), noteOn_(midi::StatusByte(midi::kNoteOn, channel)),
      noteOff_(midi::StatusByte(midi::kNoteOff, channel)), velocity_(midi::DataByte(velocity)),
      track_(track) {
  if (settings.arpeggio < 0 || settings.arpeggio > kMaxTicks)
    throw Error(Tr("шаг арпеджио должен быть от 0 до %1", kMaxTicks));
}

void EntryWriter::Write(std::string_view entry) {
  entry_ = entry;
  ++count_;
  const Reading& reading = ReadingOf(entry);
  // Later tones start one stagger after the previous one; a rest before a
  // tone takes the stagger's place.
  for (std::size_t i = 0; i < reading.tones.size(); ++i) {
    const Tone& tone = reading.tones[i];
    if (tone.key < 0) {
      pendingRest_ += tone.length;
      if (pendingRest_ > kMaxTicks)
        Fail(Tr("слишком длинная пауза"));
      continue;
    }
    long long delta = i == 0 ? 0 : reading.stagger;
    if (pendingRest_ != 0) {
      delta = pendingRest_;
      pendingRest_ = 0;
    }
    track_.Event(delta, noteOn_, static_cast<std::uint8_t>(tone.key), velocity_);
  }
  if (!reading.problem.empty())
    Fail(reading.problem);
  for (const Tone& tone : reading.tones) {
    if (tone.key >= 0)
      track_.Event(tone.off, noteOff_, static_cast<std::uint8_t>(tone.key), velocity_);
  }
}

const EntryWriter::Reading& EntryWriter::ReadingOf(std::string_view entry) {
  if (const auto kept = readings_.find(entry); kept != readings_.end())
    return kept->second;
  if (readings_.size() == kKeptReadings)
    readings_.clear();
  return readings_.emplace(entry, Read(entry)).first->second;
}

EntryWriter::Reading EntryWriter::Read(std::string_view entry) const {
  Reading reading;
  const auto problem = [&reading](std::string why) {
    reading.problem = std::move(why);
    return reading;
  };

  if (const std::size_t colon = entry.find(':'); colon != std::string_view::npos) {
    const std::optional<long long> value = DigitsValue(entry.substr(0, colon), kMaxTicks);
    if (!value)
      return problem(Tr("шаг арпеджио перед \":\" должен быть числом от 0 до %1", kMaxTicks));
    reading.stagger = *value;
    entry.remove_prefix(colon + 1);
  }
  // The expansion writes every item's repeat factor, "1*" when it has none.
  // One that is not a number, or is 0, would give notes without length.
  const DurationHead head = ReadDurationHead(entry, kEntryHead);
  const std::optional<long long> factor = head.factor ? DigitsValue(*head.factor, INT_MAX) : std::nullopt;
  if (!factor || *factor == 0)
    return problem(Tr("множитель повтора перед \"*\" должен быть числом от 1 до %1", INT_MAX));
  std::string_view tones = head.length;
  if (tones.empty())
    return problem(Tr("нет нот после множителя"));
  if (tones.front() == ' ')
    tones.remove_prefix(1);
  const auto count = static_cast<long long>(std::count(tones.begin(), tones.end(), ','));
  if (reading.stagger == 0)
    reading.stagger = settings_.arpeggio;

  // Each tone ends at a comma, and the blank after the comma belongs to none.
  std::size_t cursor = 0;
  for (std::size_t comma = tones.find(','); comma != std::string_view::npos;
       comma = tones.find(',', cursor)) {
    const std::string_view written = tones.substr(cursor, comma - cursor);
    cursor = comma + 1;
    if (cursor < tones.size() && tones[cursor] == ' ')
      ++cursor;

    if (written.empty())
      return problem(Tr("пустая нота"));
    const DurationHead tone = ReadDurationHead(written, kToneHead);
    // Every length of one or two digits is timed; 0 and those beyond 32 take no time.
    const long long denominator = DigitsValue(tone.length, 99).value_or(0);
    long long t = denominator == 0 ? 0 : 32 / denominator;
    if (tone.dotted)
      t += t / 2;
    const long long length = t * 6 * *factor;
    if (length > kMaxTicks)
      return problem(Tr("слишком длинный аккорд"));
    const std::string& token = tone.rest;
    if (token.find_first_of("pP") != std::string::npos) {
      reading.tones.push_back({length, -1, 0});
      continue;
    }

    const std::size_t nameSize = token.find('#') != std::string::npos ? 2 : 1;
    if (token.size() < nameSize)
      return problem(Unreadable(written));
    const int index = NoteIndex(std::string_view(token).substr(0, nameSize));
    if (index < 0)
      return problem(Unreadable(written));
    const std::optional<long long> octave = DigitsValue(std::string_view(token).substr(nameSize), 1000);
    if (!octave)
      return problem(Tr("у ноты %1 нет октавы", Escaped(token)));
    const long long key = index + (*octave + settings_.octaveShift - 1) * 12;
    if (key < 0 || key > 127)
      return problem(Tr("нота %1 при сдвиге октавы %2 выходит за пределы MIDI (клавиша %3, допустимо 0..127)",
                        token, settings_.octaveShift, key));
    // The first tone carries the chord's length; shortening it by the
    // staggers makes every tone stop when the chord ends.
    const long long off = length == 0 ? 0 : std::max(0LL, length - (count - 1) * reading.stagger);
    reading.tones.push_back({length, static_cast<int>(key), off});
  }
  return reading;
}

// Names the chord by its place in the chord list and its voiced text.
void EntryWriter::Fail(const std::string& why) const {
  std::string_view shown = entry_;
  while (!shown.empty() && shown.back() == ' ')
    shown.remove_suffix(1);
  throw Error(Tr("Аккорд %1 (%2): %3", count_, Quoted(shown), why));
}

} // namespace arvento::chords
