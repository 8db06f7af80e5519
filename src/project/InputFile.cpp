#include "project/InputFile.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"

namespace arvento::project {

void RefuseDirectory(const std::filesystem::path& file) {
  std::error_code ignored;
  if (std::filesystem::is_directory(file, ignored))
    throw Error(Tr("Не удалось прочитать файл %1: это папка, а не файл", Escaped(file.string())));
}

} // namespace arvento::project
