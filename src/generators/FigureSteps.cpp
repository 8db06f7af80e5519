#include "generators/FigureSteps.h"

#include "core/Digits.h"
#include "core/NoteValues.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <algorithm>

namespace arvento::generators {

std::optional<int> NoteLengthValue(const std::string& text) {
  if (!IsNoteLength(text))
    return std::nullopt;
  return static_cast<int>(*DigitsValue(text, kLargestCount));
}

std::string BadNoteLengthMessage(const std::string& text) {
  return Tr("Недопустимая длина ноты в поле \"Дл.ноты\": %1. Выберите 4, 8 или 16.", Quoted(text));
}

std::string FigureStep::FactoredDuration() const {
  return duration.find('*') == std::string::npos ? "1*" + duration : duration;
}

namespace {
// The columns of the last bar that the steps before the final rest fill.
long long UsedOfLastBar(const std::vector<FigureStep>& steps, int barCells) {
  long long factors = 0;
  for (std::size_t i = 0; i + 1 < steps.size(); ++i)
    factors += steps[i].factor;
  return factors % barCells;
}
} // namespace

bool FitToBarUsesNoteLength(const std::vector<FigureStep>& steps, int barCells) {
  return !steps.empty() && steps.back().rest && UsedOfLastBar(steps, barCells) != 0;
}

void FitToBar(std::vector<FigureStep>& steps, int barCells, int noteLength) {
  if (steps.empty() || !steps.back().rest)
    return;
  const long long used = UsedOfLastBar(steps, barCells);
  if (used == 0) {
    steps.pop_back();
    return;
  }
  FigureStep& last = steps.back();
  last.factor = barCells - used;
  last.length = noteLength;
  last.duration = std::to_string(last.factor) + "*" + std::to_string(noteLength);
}

bool AllShorterThanSixteenth(const std::vector<FigureStep>& steps) {
  return std::none_of(steps.begin(), steps.end(),
                      [](const FigureStep& step) { return step.Sixteenths() > 0; });
}

std::string FillChord(const std::vector<OutputStep>& steps, long long chordSixteenths,
                      std::string_view restMark) {
  std::string line = steps.front().text;
  long long sum = steps.front().sixteenths;
  std::size_t next = 0;
  while (sum < chordSixteenths) {
    next = (next + 1) % steps.size();
    if (sum + steps[next].sixteenths > chordSixteenths) {
      line += std::to_string(chordSixteenths - sum) + "*16";
      line += restMark;
      break;
    }
    line += steps[next].text;
    sum += steps[next].sixteenths;
  }
  return line;
}

} // namespace arvento::generators
