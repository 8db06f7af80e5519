// Code page 1251. Decoding any bytes and encoding the text again gives the bytes back, the one unassigned
// byte 98 as "?"; encoding any text gives bytes that decode and encode to themselves.

#include "FuzzInput.h"
#include "project/Cp1251.h"

void arvento::fuzz::Check(std::string_view bytes) {
  std::string expected(bytes);
  std::replace(expected.begin(), expected.end(), '\x98', '?');
  Expect(project::Utf8ToCp1251(project::Cp1251ToUtf8(bytes)) == expected,
         "decoded bytes encode back to themselves");
  const std::string encoded = project::Utf8ToCp1251(bytes);
  Expect(project::Utf8ToCp1251(project::Cp1251ToUtf8(encoded)) == encoded,
         "encoded text decodes and encodes to itself");
}
