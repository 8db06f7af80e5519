#include "player/NoteString.h"

#include "core/Digits.h"
#include "core/Error.h"
#include "core/LetterCase.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <string>

namespace arvento::player {

namespace {

struct NoteName {
  std::string_view name;
  int semitone;
};

// "+" and "#" raise, "-" lowers; forms such as E+ or C- are not names.
constexpr std::array<NoteName, 22> kNoteNames = {{
    {"C", 0},  {"C+", 1}, {"C#", 1},  {"D", 2},   {"D-", 1}, {"D+", 3},  {"D#", 3}, {"E", 4},
    {"E-", 3}, {"F", 5},  {"F+", 6},  {"F#", 6},  {"G", 7},  {"G-", 6},  {"G+", 8}, {"G#", 8},
    {"A", 9},  {"A-", 8}, {"A+", 10}, {"A#", 10}, {"B", 11}, {"B-", 10},
}};

constexpr int kMaxOctave = 10;
constexpr int kMaxInstrument = 174;
constexpr int kMaxNote = 127;
constexpr int kMaxInteger = std::numeric_limits<int>::max();

// Without the characters up to and including the blank at either end.
std::string_view TrimControls(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
    text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
    text.remove_suffix(1);
  return text;
}

// A whole decimal integer that fits 32 bits, or nothing.
std::optional<int> ParseInteger(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end)
    return std::nullopt;
  return value;
}

std::optional<int> InRange(std::optional<int> value, int lo, int hi) {
  if (value && *value >= lo && *value <= hi)
    return value;
  return std::nullopt;
}

std::optional<int> Semitone(std::string_view name) {
  for (const NoteName& entry : kNoteNames) {
    if (entry.name == name)
      return entry.semitone;
  }
  return std::nullopt;
}

// The item with its missing fields filled in from the items before it: an
// item that starts with neither a digit nor ";" gets ";" in front, one that
// then starts with ";" gets the start step in front, one with a single ";"
// gets another, and one that ends with ";" gets the length.
std::string FillFields(std::string_view item, int startStep, std::uint32_t length) {
  std::string filled;
  if (!IsDigit(item.front()))
    filled = std::to_string(startStep) + (item.front() == ';' ? "" : ";");
  filled += item;
  if (std::count(filled.begin(), filled.end(), ';') == 1)
    filled += ';';
  if (filled.back() == ';')
    filled += std::to_string(length);
  return filled;
}

struct Fields {
  std::string_view start, note, length;
};

// Start, note and length; a field that is not there is empty, and the length
// takes everything after the second ";".
Fields SplitFields(std::string_view item) {
  Fields fields;
  std::size_t cut = item.find(';');
  fields.start = item.substr(0, cut);
  if (cut == std::string_view::npos)
    return fields;
  item.remove_prefix(cut + 1);
  cut = item.find(';');
  fields.note = item.substr(0, cut);
  if (cut != std::string_view::npos)
    fields.length = item.substr(cut + 1);
  return fields;
}

struct NoteField {
  bool instrument = false; // an instrument change rather than a note
  int value = 0;           // the instrument, or the note number
  int octave = -1;         // the octave a note name gave, -1 for none
};

std::optional<NoteField> ReadNoteField(std::string_view field, int currentOctave) {
  if (field.size() >= 2 && field[0] == 'I') {
    if (const std::optional<int> n = InRange(ParseInteger(field.substr(1)), 0, kMaxInstrument))
      return NoteField{true, *n};
    return std::nullopt;
  }
  if (field.size() >= 2 && field[0] == 'N') {
    if (const std::optional<int> n = InRange(ParseInteger(field.substr(1)), 0, kMaxNote))
      return NoteField{false, *n};
    return std::nullopt;
  }
  if (field.empty())
    return std::nullopt;
  std::string text(field);
  if (text.size() == 1 || !IsDigit(text.back()))
    text += std::to_string(currentOctave);
  const std::size_t nameLength = IsDigit(text[1]) ? 1 : 2;
  const std::optional<int> semitone = Semitone(std::string_view(text).substr(0, nameLength));
  const std::optional<int> octave =
      InRange(ParseInteger(std::string_view(text).substr(nameLength)), 0, kMaxOctave);
  if (!semitone || !octave)
    return std::nullopt;
  const int note = *semitone + 12 * *octave;
  if (note > kMaxNote)
    return std::nullopt;
  return NoteField{false, note, *octave};
}

} // namespace

ParsedNotes ParseNoteString(std::string_view text, const NoteStringContext& context) {
  ParsedNotes result;
  std::string cleaned;
  for (char c : TrimControls(text)) {
    if (c != ' ')
      cleaned += UpperLetter(c);
  }

  const bool melodicPlayer = context.playChannel != kPercussionChannel;
  std::uint32_t time = 0;
  int startStep = 0;
  std::optional<std::uint32_t> length;
  int octave = context.octave;
  std::uint8_t channel = context.instrument >= kFirstPercussionInstrument || !melodicPlayer
                             ? kPercussionChannel
                             : context.playChannel;
  std::uint32_t percussion = static_cast<std::uint32_t>(context.instrument);

  std::size_t from = 0;
  while (!cleaned.empty() && from <= cleaned.size()) {
    const std::size_t comma = std::min(cleaned.find(',', from), cleaned.size());
    const std::string_view raw = std::string_view(cleaned).substr(from, comma - from);
    from = comma + 1;
    if (raw.empty())
      continue;
    const std::string_view trimmed = TrimControls(raw);
    if (trimmed.empty())
      break;

    const std::string item = FillFields(trimmed, startStep, length.value_or(context.duration));
    const auto [startField, noteField, lengthField] = SplitFields(item);

    // Any start but 0 breaks the chord, one that does not read as a number too.
    const std::optional<int> start = InRange(ParseInteger(startField), 0, kMaxInteger);
    if (start != 0)
      result.chord = false;
    if (start)
      startStep = *start;

    const std::optional<NoteField> note = ReadNoteField(noteField, octave);
    if (note && note->octave >= 0)
      octave = note->octave;

    const std::optional<int> given = InRange(ParseInteger(lengthField), 0, kMaxInteger);
    if (given && *given > 0) {
      if (length && *length != static_cast<std::uint32_t>(*given))
        result.chord = false;
      length = static_cast<std::uint32_t>(*given);
    }

    if (!start || !note || !given)
      continue;
    // A length of 0 before any length was given leaves the note without one: it
    // takes the player's Duration, as an omitted length would.
    const std::uint32_t noteLength = length.value_or(context.duration);
    // Times are ticks from the request's start in 32 bits: a text that runs
    // past the last of them is refused rather than wrapped round, which would
    // sort a note-off before its note-on.
    const std::uint64_t at = std::uint64_t{time} + static_cast<std::uint32_t>(startStep);
    if (at + (note->instrument ? 0 : noteLength) > std::numeric_limits<std::uint32_t>::max())
      throw Error("the note text item \"" + std::string(trimmed) + "\" ends after tick " +
                  std::to_string(std::numeric_limits<std::uint32_t>::max()) +
                  ", the last a request can time");
    time = static_cast<std::uint32_t>(at);
    const std::uint32_t value = static_cast<std::uint32_t>(note->value);
    if (note->instrument) {
      if (!melodicPlayer)
        continue;
      if (note->value >= kFirstPercussionInstrument) {
        channel = kPercussionChannel;
        percussion = value;
      } else {
        channel = context.playChannel;
      }
      result.records.push_back({time, kProgramChange, value, channel});
    } else {
      const std::uint32_t data = channel == kPercussionChannel && melodicPlayer ? percussion : value;
      result.records.push_back({time, kNoteOn, data, channel});
      result.records.push_back({time + noteLength, kNoteOff, data, channel});
    }
  }

  std::stable_sort(
      result.records.begin(), result.records.end(), [](const NoteRecord& a, const NoteRecord& b) {
        return a.time != b.time ? a.time < b.time : a.kind == kProgramChange && b.kind != kProgramChange;
      });
  return result;
}

} // namespace arvento::player
