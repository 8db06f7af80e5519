#pragma once

// Records are stored in the Windows Cyrillic code page 1251, so that records
// written by earlier versions of the program load; the program works in UTF-8.

#include <string>
#include <string_view>

namespace arvento::project {

std::string Cp1251ToUtf8(std::string_view text);
// Characters that code page 1251 cannot hold become "?".
std::string Utf8ToCp1251(std::string_view text);

} // namespace arvento::project
