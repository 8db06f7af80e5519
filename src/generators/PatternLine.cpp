#include "generators/PatternLine.h"

#include "core/CommaTokens.h"
#include "core/Digits.h"
#include "core/DurationHead.h"
#include "core/NoteNames.h"
#include "core/NoteValues.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <string_view>

namespace arvento::generators {

namespace {

constexpr std::size_t kMostSteps = 32;
// A step's name starts at the first of these; everything before it is its duration.
constexpr std::string_view kNameStarts = "abcdefghp";
constexpr std::string_view kDigits = "0123456789";
// The duration is cut before the name and holds no dot, so all that follows
// the first '*' is its length.
constexpr HeadForm kStepHead{FactorStar::First, LengthSpan::All};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos)
    return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The tokens of the pattern line: each is followed by a comma and one more
// character, the blank of the written form, as in the melody compiler.
std::vector<std::string> PatternTokens(const std::string& line) {
  std::vector<std::string> tokens;
  for (const std::string_view token : CommaTokens(line, 1))
    tokens.push_back(Trimmed(std::string(token)));
  return tokens;
}

// Reads one token into step; the reason it cannot, or empty.
std::string ReadStep(const std::string& token, FigureStep& step) {
  step.token = token;
  if (token.empty())
    return Tr("пустой шаг между запятыми");
  if (token.find('.') != std::string::npos)
    return Tr("ноты с точкой шаблон не понимает");
  const std::size_t nameStart = token.find_first_of(kNameStarts);
  if (nameStart == std::string::npos)
    return Tr("нет названия ноты (ноты пишутся строчными буквами: c, c#, d ... h, пауза - p)");
  const std::size_t octaveStart = token.find_first_of(kDigits, nameStart);
  step.duration = token.substr(0, nameStart);
  step.name = token.substr(nameStart, octaveStart - nameStart);
  step.octave = octaveStart == std::string::npos ? "" : token.substr(octaveStart);
  if (step.name == "h")
    step.name = "b";

  const DurationHead head = ReadDurationHead(step.duration, kStepHead);
  if (head.factor) {
    if (!AllDigits(*head.factor))
      return Tr("перед \"*\" должно стоять число повторов");
    const std::optional<long long> factor = DigitsValue(*head.factor, kLargestCount);
    if (!factor)
      return Tr("слишком большое число повторов");
    if (*factor == 0)
      return Tr("число повторов не может быть 0");
    step.factor = *factor;
  }
  if (head.length.empty())
    return Tr("нет длительности");
  const std::optional<int> length = NoteLengthValue(std::string(head.length));
  if (!length)
    return Tr("длительность %1 недопустима: пишется 1, 2, 4, 8, 16 или 32", Quoted(head.length));
  step.length = *length;
  if (NoteTicks(step.length, false, step.factor) > kLongestTicks)
    return Tr("слишком длинный шаг");

  step.rest = step.name == "p";
  if (step.rest)
    return {};
  if (PitchClass(step.name) < 0)
    return Tr("нет такой ноты %1", Quoted(step.name));
  if (step.octave.empty())
    return Tr("нет октавы");
  if (!AllDigits(step.octave))
    return Tr("октава %1 не число", Quoted(step.octave));
  const std::optional<long long> octave = DigitsValue(step.octave, kLargestCount);
  if (!octave || !IsMidiNote(PitchClass(step.name), *octave))
    return Tr("нота вне пределов c1..g11");
  return {};
}

} // namespace

Outcome<std::vector<FigureStep>> ReadPatternLine(const std::string& line) {
  const std::vector<std::string> tokens = PatternTokens(line);
  if (tokens.size() > kMostSteps)
    return Refusal(Tr("Шаблон (первая строка мелодии) слишком длинный: %1 шагов, а помещается не больше %2.",
                      tokens.size(), kMostSteps));
  std::vector<FigureStep> steps;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    FigureStep step;
    if (const std::string why = ReadStep(tokens[i], step); !why.empty())
      return Refusal(Tr("Шаблон (первая строка мелодии), шаг %1 %2: %3.", i + 1, Quoted(tokens[i]), why));
    steps.push_back(std::move(step));
  }
  return steps;
}

bool IsMidiNote(int position, long long octave) {
  const long long note = position + (octave - 1) * 12;
  return note >= 0 && note <= 127;
}

} // namespace arvento::generators
