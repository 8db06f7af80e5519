#include "core/InstallLayout.h"

namespace arvento {

std::filesystem::path PrefixOfProgram(const std::filesystem::path& program) {
  const std::filesystem::path folder = program.parent_path();
  const std::filesystem::path privateDir(kPrivateDir);
  if (folder.filename() == privateDir.filename() &&
      folder.parent_path().filename() == privateDir.parent_path())
    return folder.parent_path().parent_path();
  return folder.parent_path();
}

std::filesystem::path InstalledFile(const std::filesystem::path& relative) {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return PrefixOfProgram(self) / relative;
}

std::filesystem::path PrivateFile(std::string_view name) {
  return InstalledFile(std::filesystem::path(kPrivateDir) / name);
}

} // namespace arvento
