// The octave shift of melody text, both ways. A refused shift hands no lines back. A shift that is done
// keeps the line count; when every note was within c1..g11 before (a shift by no octave is not refused),
// it can be undone, and shifting again after undoing it gives the same lines.

#include "FuzzInput.h"
#include "melody/OctaveShift.h"

void arvento::fuzz::Check(std::string_view text) {
  const std::vector<std::string> lines = TextLines(text);
  const bool inRange = !melody::ShiftMelodyOctave(lines, 0).Refused();
  for (const int octaves : {1, -1}) {
    const auto shift = melody::ShiftMelodyOctave(lines, octaves);
    if (shift.Refused())
      continue;
    Expect(shift.Result().size() == lines.size(), "a shift keeps the line count");
    if (!inRange)
      continue;
    const auto undo = melody::ShiftMelodyOctave(shift.Result(), -octaves);
    Expect(!undo.Refused(), "a shift that was done can be undone");
    Expect(melody::ShiftMelodyOctave(undo.Result(), octaves).Result() == shift.Result(),
           "shifting again after undoing gives the same lines");
  }
}
