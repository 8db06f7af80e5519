#include "RtttlConversion.h"

#include "Error.h"
#include "NoteNames.h"
#include "Quote.h"

#include <algorithm>
#include <array>
#include <utility>

namespace arvento::melody {

namespace {
constexpr std::array<std::string_view, 6> kNoteLengths = {"1", "2", "4", "8", "16", "32"};
constexpr std::size_t kMaxDigits = 9;

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
// tokens are read: 3p reads as 3.
int LeadingValue(std::string_view text, const std::string& token) {
  const std::size_t digits = std::min(text.find_first_not_of("0123456789"), text.size());
  if (digits > kMaxDigits)
    throw Error("Ритм: слишком большое число в элементе " + Quoted(token));
  int value = 0;
  for (std::size_t i = 0; i < digits; ++i)
    value = value * 10 + (text[i] - '0');
  return value;
}

// Splits off an "F*" repeat factor; 1 without one.
int TakeFactor(std::string& text, const std::string& token) {
  const std::size_t star = text.find('*');
  if (star == std::string::npos)
    return 1;
  const int factor = LeadingValue(std::string_view(text).substr(0, star), token);
  text.erase(0, star + 1);
  return factor;
}

struct SlotReading {
  std::vector<MelodySlot> slots;
  bool invalidLength = false;
};

SlotReading ReadSlots(const std::vector<std::string>& tokens, const std::vector<int>& recordedNotes) {
  SlotReading reading;
  std::size_t pitches = 0;
  for (const std::string& token : tokens) {
    std::string text = token;
    if (text.find('p') != std::string::npos) {
      const int factor = TakeFactor(text, token);
      if (const std::size_t p = text.find('p'); p != std::string::npos)
        text.erase(p, 1);
      reading.slots.push_back({kRestPitch, LeadingValue(text, token), false, factor});
      continue;
    }
    const bool dotted = text.find('.') != std::string::npos;
    if (dotted)
      text.pop_back();
    const int factor = TakeFactor(text, token);
    if (std::find(kNoteLengths.begin(), kNoteLengths.end(), text) == kNoteLengths.end()) {
      reading.invalidLength = true;
      continue;
    }
    const int pitch = pitches < recordedNotes.size() ? recordedNotes[pitches] : 0;
    ++pitches;
    reading.slots.push_back({pitch, std::stoi(text), dotted, factor});
  }
  return reading;
}

std::string SlotText(const MelodySlot& slot) {
  std::string text = slot.factor != 1 ? std::to_string(slot.factor) + "*" : "";
  text += std::to_string(slot.length);
  if (slot.pitch == kRestPitch) {
    text += "p";
  } else {
    text += NoteNames[static_cast<std::size_t>(slot.pitch % 12)];
    if (slot.dotted)
      text += ".";
    text += std::to_string(slot.pitch / 12 + 1);
  }
  return text + ", ";
}

std::vector<std::string> LayOut(std::string_view text) {
  std::vector<std::string> lines;
  while (text.size() > kMelodyLineWidth) {
    // Tokens are far shorter than a line, so a blank or comma is always found.
    const std::size_t cut = std::min(text.find_last_of(" ,", kMelodyLineWidth - 1), kMelodyLineWidth - 1) + 1;
    lines.emplace_back(text.substr(0, cut));
    text.remove_prefix(cut);
  }
  if (!text.empty())
    lines.emplace_back(text);
  return lines;
}
} // namespace

RtttlConversion RhythmToRtttl(const std::vector<std::string>& rhythmLines,
                              const std::vector<int>& recordedNotes) {
  for (const int note : recordedNotes) {
    if (note < 1 || note > 127)
      throw Error("Записанная нота " + std::to_string(note) + " вне диапазона 1..127");
  }
  RtttlConversion result;
  if (recordedNotes.empty()) {
    result.message = kNoNotesMessage;
    return result;
  }
  const std::vector<std::string> tokens = Tokens(rhythmLines);
  if (tokens.empty()) {
    result.message = kNoRhythmMessage;
    return result;
  }
  if (tokens.size() > static_cast<std::size_t>(kMaxMelodySlots)) {
    result.message = kRhythmTooLongMessage;
    return result;
  }
  SlotReading reading = ReadSlots(tokens, recordedNotes);
  result.melodySlots = std::move(reading.slots);
  if (reading.invalidLength) {
    result.message = kInvalidLengthMessage;
    return result;
  }
  std::string text;
  for (const MelodySlot& slot : result.melodySlots) {
    if (slot.pitch == 0)
      break;
    text += SlotText(slot);
  }
  result.lines = LayOut(text);
  return result;
}

} // namespace arvento::melody
