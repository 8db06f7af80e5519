#include "melody/KeyboardTables.h"

namespace arvento::melody {

namespace {
bool InTable(int code) {
  return code >= 0 && code < 256;
}
} // namespace

int KeyPressNote(int charCode, int octaveOffset, bool drumMode) {
  if (!InTable(charCode))
    return 0;
  const int entry = drumMode ? drumKeyTable[charCode] : keyNoteTable[charCode].charNote;
  if (entry == 0)
    return 0;
  // Drum d is percussion key d + 35 at the start offset, so 1..46 cover 36..81.
  const int note = drumMode ? entry + 59 + octaveOffset - 12 : entry + 12 + octaveOffset;
  // A note the MIDI output cannot sound would also end the recording early
  // (a pitch below 1 marks its end), so such a key does nothing.
  return note >= 1 && note <= 127 ? note : 0;
}

bool ReleaseStopsSound(int keyCode, int octaveOffset, bool drumMode, int lastNote) {
  if (drumMode)
    return true;
  const int released = (InTable(keyCode) ? keyNoteTable[keyCode].keyUpNote : 0) + octaveOffset;
  for (const int octaves : {0, 12, -12, -24, 24}) {
    if (lastNote == released + octaves)
      return true;
  }
  return false;
}

} // namespace arvento::melody
