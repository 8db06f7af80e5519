#include "generators/RhythmGenerator.h"

#include "core/Digits.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"
#include "generators/FigureSteps.h"
#include "generators/GeneratorChords.h"

#include <algorithm>

namespace arvento::generators {

namespace {

// A grid row has at most 32 columns and so at most 32 runs.
constexpr std::size_t kMostSteps = 32;

// The part of a run key before its comma: the row digit and the run's first
// column as two digits, "103" for column 3 of row 1.
bool IsRowAndColumn(const std::string& text) {
  return text.size() == 3 && AllDigits(text) && text[0] != '0' && text.substr(1) != "00";
}

// One run key, "1cc,m" for a bar or "1cc,mp" for a gap, as a step of m notes.
FigureStep RunStep(const std::string& key, const std::string& noteLength) {
  const std::size_t comma = key.find(',');
  std::string run = comma == std::string::npos ? "" : key.substr(comma + 1);
  FigureStep step;
  step.rest = !run.empty() && run.back() == 'p';
  if (step.rest)
    run.pop_back();
  const std::optional<long long> columns = DigitsValue(run, kLargestCount);
  if (!IsRowAndColumn(key.substr(0, comma)) || !columns || *columns == 0)
    throw Error(Tr("Ключ серии %1 не похож на ключ сетки (например 101,2 или 103,1p)", Quoted(key)));
  step.factor = *columns;
  step.length = *NoteLengthValue(noteLength);
  step.duration = step.factor == 1 ? noteLength : std::to_string(step.factor) + "*" + noteLength;
  return step;
}

std::vector<FigureStep> RhythmSteps(const std::vector<std::string>& runKeys, const std::string& noteLength) {
  if (runKeys.empty() || runKeys.back().empty() || runKeys.back().back() != '%')
    throw Error(Tr("Список серий должен кончаться меткой конца строки (последний ключ с \"%\")"));
  if (runKeys.size() - 1 > kMostSteps)
    throw Error(Tr("В строке сетки не бывает больше %1 серий, а их %2", kMostSteps, runKeys.size() - 1));
  std::vector<FigureStep> steps;
  for (std::size_t i = 0; i + 1 < runKeys.size(); ++i)
    steps.push_back(RunStep(runKeys[i], noteLength));
  return steps;
}

} // namespace

Outcome<std::vector<std::string>> GenerateRhythm(const std::vector<std::string>& runKeys,
                                                 const std::vector<std::string>& chordRecord, int barCells,
                                                 const std::string& noteLength) {
  if (barCells <= 0)
    throw Error(Tr("Размер такта должен быть больше 0, а не %1", barCells));
  if (!HasChords(chordRecord))
    return Refusal(Tr("Не вижу аккордов, нечего ваять!"));
  if (std::any_of(chordRecord.begin(), chordRecord.end(),
                  [](const std::string& line) { return line.find(':') != std::string::npos; }))
    return Refusal(Tr("В записи присутствует арпеджио. Удалите его и попробуйте еще раз."));
  const std::optional<int> noteLengthValue = NoteLengthValue(noteLength);
  if (!noteLengthValue)
    return Refusal(BadNoteLengthMessage(noteLength));

  std::vector<FigureStep> steps = RhythmSteps(runKeys, noteLength);
  FitToBar(steps, barCells, *noteLengthValue);
  if (steps.empty())
    return Refusal(Tr("Не вижу ритма: на сетке нет ни одного штриха. "
                      "Нарисуйте ритм и попробуйте еще раз."));
  if (AllShorterThanSixteenth(steps))
    return Refusal(Tr("Все шаги ритма короче шестнадцатой: таким ритмом аккорд не заполнить. "
                      "Выберите длину ноты 4, 8 или 16."));
  const Outcome<std::vector<TimedChord>> chords = ReadChordItems(chordRecord);
  if (chords.Refused())
    return Refusal(chords.RefusalText());

  std::vector<std::string> lines;
  for (const TimedChord& item : chords.Result()) {
    std::vector<OutputStep> strokes;
    for (const FigureStep& step : steps) {
      const std::string chord = step.rest ? "(p)" : "(" + item.symbol + ")";
      strokes.push_back({step.FactoredDuration() + chord + ", ", step.Sixteenths()});
    }
    lines.push_back(FillChord(strokes, item.sixteenths, "(P), "));
  }
  return lines;
}

} // namespace arvento::generators
