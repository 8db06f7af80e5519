#include "project/ProjectNames.h"

#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"

namespace arvento::project {

std::string PartFileName(int channel, int voice, char role) {
  return "ch" + std::to_string(channel) + "v" + std::to_string(voice) + role + ".mid";
}

std::filesystem::path RecordPathFor(const std::filesystem::path& partFile) {
  std::filesystem::path record = partFile;
  record.replace_extension(".txt");
  return record;
}

void CheckProjectName(const std::string& name) {
  const std::string quoted = Quoted(name);
  if (name.find_first_not_of(" \t") == std::string::npos)
    throw Error(Tr("Недопустимое название проекта %1: название не может быть пустым.", quoted));
  if (name == "." || name == ".." || name.find("..") != std::string::npos)
    throw Error(Tr("Недопустимое название проекта %1: название не может содержать \"..\".", quoted));
  // Besides the separators, the characters that Windows file names cannot hold
  // are refused too, so that a project can be copied to any disk.
  for (char c : name) {
    if (c == '/' || c == '\\')
      throw Error(
          Tr("Недопустимое название проекта %1: название не может содержать \"/\" или \"\\\".", quoted));
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view(":*?\"<>|").find(c) != std::string_view::npos)
      throw Error(Tr("Недопустимое название проекта %1: название не может содержать символы : * ? \" < > | и "
                     "управляющие символы.",
                     quoted));
  }
}

} // namespace arvento::project
