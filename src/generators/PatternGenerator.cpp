#include "PatternGenerator.h"

#include "Error.h"
#include "FigureSteps.h"
#include "GeneratorChords.h"
#include "MelodyCompiler.h"
#include "NoteNames.h"
#include "PatternLine.h"
#include "Quote.h"

#include <cctype>
#include <optional>

namespace arvento::generators {

namespace {

using melody::NoteNames;

// The figure is recorded over A minor, so a chord on A leaves it where it is.
constexpr int kBaseRoot = 9;
constexpr int kPitchClasses = static_cast<int>(NoteNames.size());

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
    symbol = symbol.substr(0, b) + "a#" + symbol.substr(b + 1);
  else if (const std::size_t h = lower.find('h'); h != std::string::npos)
    symbol[h] = 'b';
  const std::string root = symbol.substr(0, symbol.size() > 1 && symbol[1] == '#' ? 2 : 1);
  reading.rest = root == "P" || root == "p";
  if (reading.rest)
    return reading;
  const std::optional<int> index = NoteNamePosition(root);
  if (!index)
    return std::nullopt;
  reading.transposition = *index - kBaseRoot;
  return reading;
}

// nullopt when the moved note would leave c1..g11.
std::optional<OutputStep> MoveStep(const FigureStep& step, const ChordReading& chord) {
  OutputStep out;
  out.sixteenths = step.Sixteenths();
  out.text = step.FactoredDuration();
  if (step.rest || chord.rest) {
    out.text += "p, ";
    return out;
  }
  int index = *NoteNamePosition(step.name);
  // The figure's C is the minor third of A minor; over a major chord it becomes the major third.
  if (index == 0 && !chord.minor)
    index = 1;
  long long octave = *DecimalNumber(step.octave);
  index += chord.transposition;
  if (index >= kPitchClasses) {
    index -= kPitchClasses;
    ++octave;
  } else if (index < 0) {
    index += kPitchClasses;
    --octave;
  }
  if (!IsMidiNote(index, octave))
    return std::nullopt;
  out.text += std::string(NoteNames[static_cast<std::size_t>(index)]) + std::to_string(octave) + ", ";
  return out;
}

std::string MovedOutOfRange(const FigureStep& step, std::size_t index, const ChordItem& chord) {
  return "Шаблон (первая строка мелодии), шаг " + std::to_string(index + 1) + " " + Quoted(step.token) +
         ": над аккордом " + Quoted(chord.text) + " в строке " + std::to_string(chord.line) +
         " записи аккордов нота ушла бы за пределы c1..g11.";
}

} // namespace

GeneratorResult GeneratePatternPart(const std::vector<std::string>& chordRecord,
                                    const std::string& patternLine, PartMode mode, int barCells,
                                    const std::string& noteLength) {
  if (barCells <= 0)
    throw Error("Размер такта должен быть больше 0, а не " + std::to_string(barCells));
  if (!HasChords(chordRecord))
    return GeneratorResult::Refusal("Не вижу аккорды, нечего ваять!");

  PatternLine pattern = ReadPatternLine(patternLine);
  if (!pattern.problem.empty())
    return GeneratorResult::Refusal(pattern.problem);
  // The box matters only where the bar fitting writes the final rest with it;
  // elsewhere its value is never read.
  const std::optional<int> noteLengthValue = NoteLengthValue(noteLength);
  if (!noteLengthValue && FitToBarUsesNoteLength(pattern.steps, barCells))
    return GeneratorResult::Refusal(BadNoteLengthMessage(noteLength));
  FitToBar(pattern.steps, barCells, noteLengthValue.value_or(0));
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
                    : "не знаю аккорда " + Quoted(item.symbol) +
                          "; основной тон пишется C, C#, D, D#, E, F, F#, G, G#, A, B или H"));
    }
    readings.push_back(*reading);
  }

  std::vector<std::string> lines;
  for (std::size_t i = 0; i < chords.items.size(); ++i) {
    std::vector<OutputStep> steps;
    for (std::size_t k = 0; k < pattern.steps.size(); ++k) {
      const std::optional<OutputStep> moved = MoveStep(pattern.steps[k], readings[i]);
      if (!moved)
        return GeneratorResult::Refusal(MovedOutOfRange(pattern.steps[k], k, chords.items[i]));
      steps.push_back(*moved);
    }
    lines.push_back(FillChord(steps, chords.items[i].sixteenths, "p, "));
  }
  // Rests of chords in a row make one delta time in the compiled part: a part
  // whose rests run longer than the compiler can time is refused here.
  try {
    melody::MelodyEvents(lines, 1, 1);
  } catch (const Error& error) {
    return GeneratorResult::Refusal(std::string("Партию не скомпилировать: ") + error.what() + ".");
  }
  return GeneratorResult::Written(std::move(lines));
}

} // namespace arvento::generators
