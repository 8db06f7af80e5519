#pragma once

// Input as an error message shows it. Messages name the token, line or file
// that went wrong; what the user typed or a file holds may carry control
// characters, bytes that are not UTF-8 or whole lines of megabytes, none of
// which belongs on a terminal or in a message box.

#include <string>
#include <string_view>

namespace arvento {

// The text with every control character and every byte that is not part of
// valid UTF-8 written as \xHH; other characters, Cyrillic included, stay.
std::string Escaped(std::string_view text);

// The escaped text between double quotes, cut after its first 60 characters
// with "…" when it is longer.
std::string Quoted(std::string_view text);

} // namespace arvento
