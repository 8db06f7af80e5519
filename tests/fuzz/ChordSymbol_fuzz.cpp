// Chord symbols: tone names, note lists and both voicings of any text.
// The piano note list of a symbol written with an upper-case root is its
// tone names, each followed by "-".

#include "FuzzInput.h"
#include "chords/ChordSymbol.h"
#include "chords/ChordVoicing.h"
#include "core/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const std::string symbol(fuzz::Text(data, size));
  try {
    const std::string tones = chords::ChordToneNames(symbol);
    if (symbol.front() >= 'A' && symbol.front() <= 'Z')
      fuzz::Expect(chords::ChordNoteList(symbol, false) == tones + "-",
                   "the piano note list is the tone names, each followed by \"-\"");
  } catch (const Error&) {
  }
  for (const bool guitar : {false, true}) {
    try {
      chords::VoiceChord("4", symbol, guitar);
    } catch (const Error&) {
    }
  }
  return 0;
}
