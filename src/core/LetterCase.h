#pragma once

// Upper and lower case of the Latin letters; other bytes, Cyrillic included,
// stay as they are.

#include <string>

namespace arvento {

char UpperLetter(char c);
std::string Upper(std::string text);
std::string Lower(std::string text);

} // namespace arvento
