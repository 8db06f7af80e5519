#include "cli/HelperProgram.h"

#include "core/Error.h"
#include "core/InstallLayout.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace arvento::cli {

namespace {

// The helpers fill large buffers: a rendering, a SoundFont's samples, a
// picture. Every page first written costs a fault, which under a hypervisor
// can take several microseconds, so the C library's allocator is asked to
// back its memory with huge pages where the kernel has them to spare (a
// tunable it reads as the helper starts). Where there are none, or the library
// does not know the tunable, nothing changes. A setting of the user's own stays.
void AskForHugePages() {
  constexpr std::string_view kName = "glibc.malloc.hugetlb";
  const std::string wanted = std::string(kName) + "=1";
  const char* tunables = std::getenv("GLIBC_TUNABLES");
  if (tunables == nullptr || *tunables == '\0')
    ::setenv("GLIBC_TUNABLES", wanted.c_str(), 1);
  else if (std::string_view(tunables).find(kName) == std::string_view::npos)
    ::setenv("GLIBC_TUNABLES", (tunables + (":" + wanted)).c_str(), 1);
}

} // namespace

void RunInHelperProgram(const char* program, const char* missing, const char* command,
                        const std::vector<std::string>& arguments) {
  const std::string path = PrivateFile(program).string();
  std::vector<std::string> words = {"arvento-cli", command};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words)
    argv.push_back(word.data());
  argv.push_back(nullptr);
  AskForHugePages();
  execv(path.c_str(), argv.data());
  throw Error(Tr(missing, Escaped(path), std::strerror(errno)));
}

} // namespace arvento::cli
