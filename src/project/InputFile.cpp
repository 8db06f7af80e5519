#include "project/InputFile.h"

#include "core/Error.h"
#include "core/Quote.h"

namespace arvento::project {

void RefuseDirectory(const std::filesystem::path& file) {
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored))
    throw Error("Не удалось прочитать файл " + Escaped(file.string()) + ": это папка, а не файл");
}

} // namespace arvento::project
