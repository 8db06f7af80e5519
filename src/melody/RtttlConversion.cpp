#include "melody/RtttlConversion.h"

#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/Error.h"
#include "core/NoteNames.h"
#include "core/NoteValues.h"
#include "core/Translate.h"
#include "melody/MelodyLayout.h"

#include <optional>
#include <utility>

namespace arvento::melody {

namespace {
std::vector<std::string> Tokens(const std::vector<std::string>& lines) {
  std::vector<std::string> tokens;
  for (const std::string& line : lines) {
    std::size_t start = line.find_first_not_of(' ');
    while (start != std::string::npos) {
      const std::size_t end = line.find(' ', start);
      tokens.push_back(line.substr(start, end - start));
      start = line.find_first_not_of(' ', end);
    }
  }
  return tokens;
}

// The value of the leading decimal digits (0 without any), as the rhythm's
// factors are read: 29p reads as 29. A value beyond kLongestTicks reads as
// kLongestTicks + 1, which no token can take.
int LeadingValue(std::string_view text) {
  return static_cast<int>(LeadingNumber(text, kLongestTicks + 1).value_or(0));
}

// A rhythm token, its dot taken out first: the factor ends at the first
// '*' and all after it is the length, with a rest's "p" still in it.
constexpr HeadForm kRhythmHead{FactorStar::First, LengthSpan::All};

// The token as a slot without its pitch; nullopt when its length is not 1,
// 2, 4, 8, 16 or 32, or its factor is not 1 or more. A note's dot stands at
// its end (8., 2*8.); a rest keeps its dot wherever it stands (8.p, 8p.).
std::optional<MelodySlot> ReadToken(std::string text) {
  MelodySlot slot;
  const bool rest = text.find('p') != std::string::npos;
  if (rest) {
    slot.pitch = kRestPitch;
    if (const std::size_t dot = text.find('.'); dot != std::string::npos) {
      text.erase(dot, 1);
      slot.dotted = true;
    }
  } else if (text.find('.') != std::string::npos) {
    text.pop_back();
    slot.dotted = true;
  }
  const DurationHead head = ReadDurationHead(text, kRhythmHead);
  slot.factor = head.factor ? LeadingValue(*head.factor) : 1;
  std::string length(head.length);
  if (const std::size_t p = length.find('p'); p != std::string::npos)
    length.erase(p, 1);
  if (!IsNoteLength(length) || slot.factor < 1)
    return std::nullopt;
  slot.length = std::stoi(length);
  return slot;
}

struct SlotReading {
  std::vector<MelodySlot> slots;
  bool invalidLength = false;
};

// A token whose length the melody cannot have takes neither a slot nor a
// pitch. Nor does one longer than the compiler can time, counting a run of
// rests as one: the compiler folds it into the next note's delta time.
SlotReading ReadSlots(const std::vector<std::string>& tokens, const std::vector<int>& recordedNotes) {
  SlotReading reading;
  std::size_t pitches = 0;
  long long restRun = 0;
  for (const std::string& token : tokens) {
    std::optional<MelodySlot> slot = ReadToken(token);
    const long long ticks = slot ? NoteTicks(slot->length, slot->dotted, slot->factor) : 0;
    const bool rest = slot && slot->pitch == kRestPitch;
    if (!slot || ticks > kLongestTicks || (rest && restRun + ticks > kLongestTicks)) {
      reading.invalidLength = true;
      continue;
    }
    if (rest) {
      restRun += ticks;
    } else {
      restRun = 0;
      slot->pitch = pitches < recordedNotes.size() ? recordedNotes[pitches] : 0;
      ++pitches;
    }
    reading.slots.push_back(*slot);
  }
  return reading;
}

std::string SlotText(const MelodySlot& slot) {
  std::string text = slot.factor != 1 ? std::to_string(slot.factor) + "*" : "";
  text += std::to_string(slot.length);
  if (slot.pitch == kRestPitch) {
    text += slot.dotted ? "p." : "p";
  } else {
    text += NoteNames[static_cast<std::size_t>(slot.pitch % 12)];
    if (slot.dotted)
      text += ".";
    text += std::to_string(slot.pitch / 12 + 1);
  }
  return text + ", ";
}

} // namespace

RtttlConversion RhythmToRtttl(const std::vector<std::string>& rhythmLines,
                              const std::vector<int>& recordedNotes) {
  for (const int note : recordedNotes) {
    if (note < 1 || note > 127)
      throw Error(Tr("Записанная нота %1 вне диапазона 1..127", note));
  }
  const auto refused = [](const char* message) { return RtttlConversion{Refusal(Tr(message)), {}}; };
  if (recordedNotes.empty())
    return refused(kNoNotesMessage);
  const std::vector<std::string> tokens = Tokens(rhythmLines);
  if (tokens.empty())
    return refused(kNoRhythmMessage);
  if (tokens.size() > static_cast<std::size_t>(kMaxMelodySlots))
    return refused(kRhythmTooLongMessage);
  SlotReading reading = ReadSlots(tokens, recordedNotes);
  if (reading.invalidLength)
    return {Refusal(Tr(kInvalidLengthMessage)), std::move(reading.slots)};
  std::string text;
  for (const MelodySlot& slot : reading.slots) {
    if (slot.pitch == 0)
      break;
    text += SlotText(slot);
  }
  return {LayOutMelody(text), std::move(reading.slots)};
}

} // namespace arvento::melody
