#include "cli/HelperProgram.h"

#include "core/Error.h"
#include "core/InstallLayout.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace arvento::cli {

void RunInHelperProgram(const char* program, const char* missing, const char* command,
                        const std::vector<std::string>& arguments) {
  const std::string path = PrivateFile(program).string();
  std::vector<std::string> words = {"arvento-cli", command};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  execv(path.c_str(), argv.data());
  throw Error(Tr(missing, Escaped(path), std::strerror(errno)));
}

} // namespace arvento::cli
