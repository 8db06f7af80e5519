// Chord symbols: tone names, note lists and both voicings of any text. The piano note list of a symbol
// written with an upper-case root is its tone names, each followed by "-".

#include "FuzzInput.h"
#include "chords/ChordSymbol.h"
#include "chords/ChordVoicing.h"

void arvento::fuzz::Check(std::string_view text) {
  const std::string symbol(text);
  Attempt([&] {
    const std::string tones = chords::ChordToneNames(symbol);
    if (symbol.front() >= 'A' && symbol.front() <= 'Z')
      Expect(chords::ChordNoteList(symbol, false) == tones + "-",
             "the piano note list is the tone names, each followed by \"-\"");
    return tones;
  });
  for (const bool guitar : {false, true})
    Attempt([&] { return chords::VoiceChord("4", symbol, guitar); });
}
