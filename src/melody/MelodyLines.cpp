#include "melody/MelodyLines.h"

#include "core/Quote.h"
#include "core/Translate.h"

namespace arvento::melody {

std::string_view PlayedPart(std::string_view line) {
  if (line.find(',') == std::string_view::npos || line.find("//") != std::string_view::npos)
    return {};
  while (!line.empty() && line.front() == ' ')
    line.remove_prefix(1);
  return line;
}

Error TokenError(const std::string& why, std::string_view token, std::size_t lineNumber) {
  return Error(Tr("Строка %1, элемент %2: %3", lineNumber, Quoted(token), why));
}

} // namespace arvento::melody
