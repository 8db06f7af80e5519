// The octave shift of melody text, both ways. A refused shift hands no
// lines back unchanged. A shift that is done keeps the line count; when every
// note was within c1..g11 before (a shift by no octave is not refused), it
// can be undone, and shifting again after undoing it gives the same lines.

#include "FuzzInput.h"
#include "melody/OctaveShift.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const std::vector<std::string> lines = fuzz::Lines(fuzz::Text(data, size));
  const bool inRange = !melody::ShiftMelodyOctave(lines, 0).Refused();
  for (const int octaves : {1, -1}) {
    const Outcome<std::vector<std::string>> shift = melody::ShiftMelodyOctave(lines, octaves);
    if (shift.Refused())
      continue;
    fuzz::Expect(shift.Result().size() == lines.size(), "a shift keeps the line count");
    if (!inRange)
      continue;
    const Outcome<std::vector<std::string>> undo = melody::ShiftMelodyOctave(shift.Result(), -octaves);
    fuzz::Expect(!undo.Refused(), "a shift that was done can be undone");
    fuzz::Expect(!undo.Refused() &&
                     melody::ShiftMelodyOctave(undo.Result(), octaves).Result() == shift.Result(),
                 "shifting again after undoing gives the same lines");
  }
  return 0;
}
