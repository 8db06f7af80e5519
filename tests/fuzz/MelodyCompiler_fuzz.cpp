// The RTTTL-E melody compiler: any text either is refused with arvento::Error or becomes a part file that
// reads back.

#include "FuzzInput.h"
#include "melody/MelodyCompiler.h"

void arvento::fuzz::Check(std::string_view text) {
  if (const auto bytes = Attempt([&] { return melody::CompileMelody(TextLines(text), {}); }))
    ExpectPartFile(*bytes, SoundSettings{}.tempo);
}
