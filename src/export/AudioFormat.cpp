#include "export/AudioFormat.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <algorithm>
#include <string>

namespace arvento::exporting {

const FormatInfo& Info(AudioFormat format) {
  return *std::find_if(kFormats.begin(), kFormats.end(),
                       [format](const FormatInfo& info) { return info.format == format; });
}

// Every description is a string literal, so its data ends where the view does.
std::string ShownDescription(AudioFormat format) {
  return Tr(Info(format).description.data());
}

std::optional<AudioFormat> FormatNamed(std::string_view name) {
  for (const FormatInfo& info : kFormats) {
    if (std::equal(name.begin(), name.end(), info.name.begin(), info.name.end(),
                   [](char a, char b) { return a >= 'A' && a <= 'Z' ? a - 'A' + 'a' == b : a == b; }))
      return info.format;
  }
  return std::nullopt;
}

AudioFormat FormatOfFile(const std::filesystem::path& file) {
  const std::string extension = file.extension().string();
  if (extension.size() > 1) {
    if (const std::optional<AudioFormat> format = FormatNamed(std::string_view(extension).substr(1)))
      return *format;
  }
  std::string names;
  for (const FormatInfo& info : kFormats)
    names += std::string(names.empty() ? "" : ", ") + "." + std::string(info.name);
  throw Error(Tr("Неизвестный формат звукового файла %1: можно записать %2", Escaped(file.string()), names));
}

} // namespace arvento::exporting
