// The octave shift of melody text, both ways. A refused shift hands the
// lines back unchanged. A shift that is done keeps the line count; when every
// note was within c1..g11 before (a shift by no octave is not refused), it
// can be undone, and shifting again after undoing it gives the same lines.

#include "FuzzInput.h"
#include "OctaveShift.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const std::vector<std::string> lines = fuzz::Lines(fuzz::Text(data, size));
  const bool inRange = melody::ShiftMelodyOctave(lines, 0).refusal.empty();
  for (const int octaves : {1, -1}) {
    const melody::MelodyOctaveShift shift = melody::ShiftMelodyOctave(lines, octaves);
    if (!shift.refusal.empty()) {
      fuzz::Expect(shift.lines == lines, "a refused shift changes no line");
      continue;
    }
    fuzz::Expect(shift.lines.size() == lines.size(), "a shift keeps the line count");
    if (!inRange)
      continue;
    const melody::MelodyOctaveShift undo = melody::ShiftMelodyOctave(shift.lines, -octaves);
    fuzz::Expect(undo.refusal.empty(), "a shift that was done can be undone");
    fuzz::Expect(melody::ShiftMelodyOctave(undo.lines, octaves).lines == shift.lines,
                 "shifting again after undoing gives the same lines");
  }
  return 0;
}
