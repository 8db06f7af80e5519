#pragma once

// The drawn rhythm plus the keyboard recording as RTTTL-E: the k-th note of
// the rhythm takes the k-th recorded pitch, rests stay rests.

#include "core/Outcome.h"
#include "core/Translate.h"
#include "melody/MelodyLayout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace arvento::melody {

inline constexpr const char* kNoNotesMessage = TrLater("Не записана ни одна нота!");
inline constexpr const char* kNoRhythmMessage = TrLater("Не задан ритм мелодии");
inline constexpr const char* kInvalidLengthMessage = TrLater("Недопустимая длина ноты");
inline constexpr const char* kRhythmTooLongMessage =
    TrLater("Ритм мелодии длиннее 1000 нот и пауз. Разделите мелодию на фрагменты.");

// The melody holds at most this many notes and rests.
inline constexpr int kMaxMelodySlots = 1000;

inline constexpr int kRestPitch = 1111;

// One note or rest of the melody. A pitch of 0 is a note without a recorded
// pitch: the melody ends before it.
struct MelodySlot {
  int pitch = 0;  // MIDI note number, or kRestPitch
  int length = 0; // note value denominator
  bool dotted = false;
  int factor = 1; // repeat factor

  friend bool operator==(const MelodySlot&, const MelodySlot&) = default;
};

struct RtttlConversion {
  // The melody pane's new lines, or the information message to show instead.
  Outcome<std::vector<std::string>> lines;
  std::vector<MelodySlot> melodySlots; // the slots the rhythm filled, in order
};

// Converts rhythm lines (tokens such as 2*8 1*8 29p*8, separated by blanks)
// with the recorded pitches (each 1..127, else arvento::Error). Refuses with
// a message when nothing is recorded, when the rhythm has no token, when it
// has more than kMaxMelodySlots tokens, or when a note's or rest's length is
// not 1, 2, 4, 8, 16 or 32, its repeat factor is not 1 or more, or it lasts
// longer than the melody compiler can time. Notes beyond the recording end
// the melody silently.
RtttlConversion RhythmToRtttl(const std::vector<std::string>& rhythmLines,
                              const std::vector<int>& recordedNotes);

} // namespace arvento::melody
