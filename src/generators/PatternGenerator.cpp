#include "generators/PatternGenerator.h"

#include "core/Digits.h"
#include "core/Error.h"
#include "core/LetterCase.h"
#include "core/NoteNames.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "generators/FigureSteps.h"
#include "generators/GeneratorChords.h"
#include "generators/PatternLine.h"
#include "melody/MelodyCompiler.h"

#include <optional>

namespace arvento::generators {

namespace {

// The figure is recorded over A minor, so a chord on A leaves it where it is.
constexpr int kBaseRoot = 9;
constexpr int kPitchClasses = static_cast<int>(NoteNames.size());

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
  // An H left by the rewrite above (as in "Hb") is no root here.
  const int index = root == "H" || root == "h" ? -1 : PitchClass(root);
  if (index < 0)
    return std::nullopt;
  reading.transposition = index - kBaseRoot;
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
  int index = PitchClass(step.name);
  // The figure's C is the minor third of A minor; over a major chord it becomes the major third.
  if (index == 0 && !chord.minor)
    index = 1;
  long long octave = *DigitsValue(step.octave, kLargestCount);
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

std::string MovedOutOfRange(const FigureStep& step, std::size_t index, const TimedChord& chord) {
  return Tr(
      "Шаблон (первая строка мелодии), шаг %1 %2: над аккордом %3 в строке %4 записи аккордов нота ушла "
      "бы за пределы c1..g11.",
      index + 1, Quoted(step.token), Quoted(chord.text), chord.line);
}

} // namespace

Outcome<std::vector<std::string>> GeneratePatternPart(const std::vector<std::string>& chordRecord,
                                                      const std::string& patternLine, PartMode mode,
                                                      int barCells, const std::string& noteLength) {
  if (barCells <= 0)
    throw Error(Tr("Размер такта должен быть больше 0, а не %1", barCells));
  if (!HasChords(chordRecord))
    return Refusal(Tr("Не вижу аккорды, нечего ваять!"));

  Outcome<std::vector<FigureStep>> pattern = ReadPatternLine(patternLine);
  if (pattern.Refused())
    return Refusal(pattern.RefusalText());
  std::vector<FigureStep>& figure = pattern.Result();
  // The box matters only where the bar fitting writes the final rest with it;
  // elsewhere its value is never read.
  const std::optional<int> noteLengthValue = NoteLengthValue(noteLength);
  if (!noteLengthValue && FitToBarUsesNoteLength(figure, barCells))
    return Refusal(BadNoteLengthMessage(noteLength));
  FitToBar(figure, barCells, noteLengthValue.value_or(0));
  if (figure.empty())
    return Refusal(Tr("Не вижу шаблона: в первой строке мелодии нет ни одной ноты. "
                      "Запишите фигуру, нарисуйте ее ритм и нажмите \"Тест\"."));
  if (AllShorterThanSixteenth(figure))
    return Refusal(Tr("Все ноты шаблона короче шестнадцатой: такой фигурой аккорд не заполнить."));

  const Outcome<std::vector<TimedChord>> chords = ReadChordItems(chordRecord);
  if (chords.Refused())
    return Refusal(chords.RefusalText());
  // Drum keys stay as they were recorded: every chord is read as the base chord.
  const std::optional<ChordReading> base = ReadChord("Am");
  std::vector<ChordReading> readings;
  for (const TimedChord& item : chords.Result()) {
    const std::optional<ChordReading> reading = mode == PartMode::Drums ? base : ReadChord(item.symbol);
    if (!reading) {
      return Refusal(ChordItemProblem(
          item, item.symbol.empty()
                    ? Tr("нет названия аккорда")
                    : Tr("не знаю аккорда %1; основной тон пишется C, C#, D, D#, E, F, F#, G, G#, A, B или H",
                         Quoted(item.symbol))));
    }
    readings.push_back(*reading);
  }

  std::vector<std::string> lines;
  const std::vector<TimedChord>& items = chords.Result();
  for (std::size_t i = 0; i < items.size(); ++i) {
    std::vector<OutputStep> steps;
    for (std::size_t k = 0; k < figure.size(); ++k) {
      const std::optional<OutputStep> moved = MoveStep(figure[k], readings[i]);
      if (!moved)
        return Refusal(MovedOutOfRange(figure[k], k, items[i]));
      steps.push_back(*moved);
    }
    lines.push_back(FillChord(steps, items[i].sixteenths, "p, "));
  }
  // Rests of chords in a row make one delta time in the compiled part: a part
  // whose rests run longer than the compiler can time is refused here.
  try {
    melody::MelodyEvents(lines, 1, 1);
  } catch (const Error& error) {
    return Refusal(Tr("Партию не скомпилировать: %1.", error.what()));
  }
  return lines;
}

} // namespace arvento::generators
