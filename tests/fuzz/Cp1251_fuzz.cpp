// Code page 1251. Decoding any bytes and encoding the text again gives the
// bytes back, the one unassigned byte 98 as "?"; encoding any text gives
// bytes that decode and encode to themselves.

#include "FuzzInput.h"
#include "project/Cp1251.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace arvento;
  const std::string_view bytes = fuzz::Text(data, size);
  std::string expected(bytes);
  std::replace(expected.begin(), expected.end(), '\x98', '?');
  fuzz::Expect(project::Utf8ToCp1251(project::Cp1251ToUtf8(bytes)) == expected,
               "decoded bytes encode back to themselves");
  const std::string encoded = project::Utf8ToCp1251(bytes);
  fuzz::Expect(project::Utf8ToCp1251(project::Cp1251ToUtf8(encoded)) == encoded,
               "encoded text decodes and encodes to itself");
  return 0;
}
