// The RTTTL-E melody compiler: any text either is refused with
// arvento::Error or becomes a part file that reads back.

#include "FuzzInput.h"
#include "PartFileCheck.h"
#include "core/Error.h"
#include "melody/MelodyCompiler.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const SoundSettings settings;
  std::vector<std::uint8_t> bytes;
  try {
    bytes = melody::CompileMelody(fuzz::Lines(fuzz::Text(data, size)), settings);
  } catch (const Error&) {
    return 0;
  }
  fuzz::ExpectPartFile(bytes, settings.tempo);
  return 0;
}
