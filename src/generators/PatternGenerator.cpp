#include "PatternGenerator.h"

#include "Error.h"
#include "FigureSteps.h"
#include "GeneratorChords.h"
#include "NoteNames.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <string_view>

namespace arvento::generators {

namespace {

using melody::NoteNames;

// The figure is recorded over A minor, so a chord on A leaves it where it is.
constexpr int kBaseRoot = 9;
constexpr std::size_t kMostSteps = 32;
// A step's name starts at the first of these; everything before it is its duration.
constexpr std::string_view kNameStarts = "abcdefghp";
constexpr std::string_view kDigits = "0123456789";

std::string Upper(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::optional<int> NoteIndex(const std::string& name) {
  const std::string wanted = Upper(name);
  for (std::size_t i = 0; i < NoteNames.size(); ++i) {
    if (Upper(std::string(NoteNames[i])) == wanted)
      return static_cast<int>(i);
  }
  return std::nullopt;
}

bool AllDigits(const std::string& text) {
  return !text.empty() && text.find_first_not_of(kDigits) == std::string::npos;
}

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
  std::size_t start = 0;
  for (std::size_t comma = line.find(','); comma != std::string::npos; comma = line.find(',', start)) {
    tokens.push_back(Trimmed(line.substr(start, comma - start)));
    start = comma + 2;
    if (start >= line.size())
      break;
  }
  return tokens;
}

// Reads one token into step; the reason it cannot, or empty.
std::string ReadStep(const std::string& token, FigureStep& step) {
  if (token.empty())
    return "пустой шаг между запятыми";
  if (token.find('.') != std::string::npos)
    return "ноты с точкой шаблон не понимает";
  const std::size_t nameStart = token.find_first_of(kNameStarts);
  if (nameStart == std::string::npos)
    return "нет названия ноты (ноты пишутся строчными буквами: c, c#, d ... h, пауза - p)";
  const std::size_t octaveStart = token.find_first_of(kDigits, nameStart);
  step.duration = token.substr(0, nameStart);
  step.name = token.substr(nameStart, octaveStart - nameStart);
  step.octave = octaveStart == std::string::npos ? "" : token.substr(octaveStart);
  if (step.name == "h")
    step.name = "b";

  const std::size_t star = step.duration.find('*');
  const std::string lengthText = star == std::string::npos ? step.duration : step.duration.substr(star + 1);
  if (star != std::string::npos) {
    const std::string factorText = step.duration.substr(0, star);
    if (!AllDigits(factorText))
      return "перед \"*\" должно стоять число повторов";
    const std::optional<long long> factor = DecimalNumber(factorText);
    if (!factor)
      return "слишком большое число повторов";
    step.factor = *factor;
  }
  if (lengthText.empty())
    return "нет длительности";
  if (!AllDigits(lengthText))
    return "длительность \"" + lengthText + "\" не число";
  const std::optional<long long> length = DecimalNumber(lengthText);
  if (!length)
    return "слишком большая длительность";
  if (*length == 0)
    return "длительность не может быть 0";
  step.length = *length;

  step.rest = step.name == "p";
  if (step.rest)
    return {};
  if (!NoteIndex(step.name))
    return "нет такой ноты \"" + step.name + "\"";
  if (step.octave.empty())
    return "нет октавы";
  if (!AllDigits(step.octave))
    return "октава \"" + step.octave + "\" не число";
  if (!DecimalNumber(step.octave))
    return "слишком большая октава";
  return {};
}

struct Pattern {
  std::vector<FigureStep> steps;
  std::string problem;
};

Pattern ReadPattern(const std::string& line) {
  Pattern pattern;
  const std::vector<std::string> tokens = PatternTokens(line);
  if (tokens.size() > kMostSteps) {
    pattern.problem = "Шаблон (первая строка мелодии) слишком длинный: " + std::to_string(tokens.size()) +
                      " шагов, а помещается не больше " + std::to_string(kMostSteps) + ".";
    return pattern;
  }
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    FigureStep step;
    if (const std::string why = ReadStep(tokens[i], step); !why.empty()) {
      pattern.problem = "Шаблон (первая строка мелодии), шаг " + std::to_string(i + 1) + " \"" + tokens[i] +
                        "\": " + why + ".";
      pattern.steps.clear();
      return pattern;
    }
    pattern.steps.push_back(std::move(step));
  }
  return pattern;
}

// How a chord moves the figure.
struct ChordReading {
  bool minor = false;
  bool rest = false; // a chord rest: the figure's rhythm with rests only
  int transposition = 0;
};

// nullopt when the chord's root is not a note name.
std::optional<ChordReading> ReadChord(std::string symbol) {
  ChordReading reading;
  const std::string upper = Upper(symbol);
  reading.minor = upper.find('M') != std::string::npos && upper.find("MAJ") == std::string::npos;
  // Chord symbols write B for B flat and H for B natural.
  const std::string lower = Lower(symbol);
  if (const std::size_t b = lower.find('b'); b != std::string::npos)
    symbol.replace(b, 1, "a#");
  else if (const std::size_t h = lower.find('h'); h != std::string::npos)
    symbol.replace(h, 1, "b");
  const std::string root = symbol.substr(0, symbol.size() > 1 && symbol[1] == '#' ? 2 : 1);
  reading.rest = root == "P" || root == "p";
  if (reading.rest)
    return reading;
  const std::optional<int> index = NoteIndex(root);
  if (!index)
    return std::nullopt;
  reading.transposition = *index - kBaseRoot;
  return reading;
}

OutputStep MoveStep(const FigureStep& step, const ChordReading& chord) {
  OutputStep out;
  out.sixteenths = step.Sixteenths();
  out.text = step.FactoredDuration();
  if (step.rest || chord.rest) {
    out.text += "p, ";
    return out;
  }
  int index = *NoteIndex(step.name);
  // The figure's C is the minor third of A minor; over a major chord it becomes the major third.
  if (index == 0 && !chord.minor)
    index = 1;
  long long octave = *DecimalNumber(step.octave);
  index += chord.transposition;
  if (index >= static_cast<int>(NoteNames.size())) {
    index -= static_cast<int>(NoteNames.size());
    ++octave;
  } else if (index < 0) {
    index += static_cast<int>(NoteNames.size());
    --octave;
  }
  out.text += std::string(NoteNames[static_cast<std::size_t>(index)]) + std::to_string(octave) + ", ";
  return out;
}

} // namespace

GeneratorResult GeneratePatternPart(const std::vector<std::string>& chordRecord,
                                    const std::string& patternLine, PartMode mode, int barCells,
                                    const std::string& noteLength) {
  if (barCells <= 0)
    throw Error("Размер такта должен быть больше 0, а не " + std::to_string(barCells));
  if (!HasChords(chordRecord))
    return GeneratorResult::Refusal("Не вижу аккорды, нечего ваять!");
  const std::optional<int> noteLengthValue = NoteLengthValue(noteLength);
  if (!noteLengthValue)
    return GeneratorResult::Refusal(BadNoteLengthMessage(noteLength));

  Pattern pattern = ReadPattern(patternLine);
  if (!pattern.problem.empty())
    return GeneratorResult::Refusal(pattern.problem);
  FitToBar(pattern.steps, barCells, *noteLengthValue);
  if (pattern.steps.empty())
    return GeneratorResult::Refusal("Не вижу шаблона: в первой строке мелодии нет ни одной ноты. "
                                    "Запишите фигуру, нарисуйте ее ритм и нажмите \"Тест\".");
  if (AllShorterThanSixteenth(pattern.steps))
    return GeneratorResult::Refusal(
        "Все ноты шаблона короче шестнадцатой: такой фигурой аккорд не заполнить.");

  const ChordItems chords = ReadChordItems(chordRecord);
  if (!chords.problem.empty())
    return GeneratorResult::Refusal(chords.problem);
  // Drum keys stay as they were recorded: every chord is read as the base chord.
  const std::optional<ChordReading> base = ReadChord("Am");
  std::vector<ChordReading> readings;
  for (const ChordItem& item : chords.items) {
    const std::optional<ChordReading> reading = mode == PartMode::Drums ? base : ReadChord(item.symbol);
    if (!reading) {
      return GeneratorResult::Refusal(ChordItemProblem(
          item, item.symbol.empty()
                    ? "нет названия аккорда"
                    : "не знаю аккорда \"" + item.symbol +
                          "\"; основной тон пишется C, C#, D, D#, E, F, F#, G, G#, A, B или H"));
    }
    readings.push_back(*reading);
  }

  std::vector<std::string> lines;
  for (std::size_t i = 0; i < chords.items.size(); ++i) {
    std::vector<OutputStep> steps;
    for (const FigureStep& step : pattern.steps)
      steps.push_back(MoveStep(step, readings[i]));
    lines.push_back(FillChord(steps, chords.items[i].sixteenths, "p, "));
  }
  return GeneratorResult::Written(std::move(lines));
}

} // namespace arvento::generators
