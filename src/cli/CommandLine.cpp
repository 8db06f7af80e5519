#include "cli/CommandLine.h"

#include "cli/AccompanimentOptions.h"
#include "cli/Args.h"
#include "cli/CliIo.h"
#include "core/Error.h"
#include "core/Quote.h"
#include "core/Translate.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

namespace arvento::cli {

namespace {

void PrintHelp(const std::vector<const Command*>& commands) {
  std::cout << Tr("Usage: arvento-cli COMMAND [OPTIONS] ...\n"
                  "Arranges polyphonic telephone melodies from the shell.\n\n"
                  "Commands:\n");
  // One column of summaries, two blanks after the longest name.
  std::size_t width = 0;
  for (const Command* command : commands)
    width = std::max(width, std::strlen(command->name));
  for (const Command* command : commands)
    std::cout << "  " << command->name << std::string(width + 2 - std::strlen(command->name), ' ')
              << Tr(command->summary) << "\n";
  std::cout << "\n"
            << Tr("Run \"arvento-cli COMMAND --help\" for the options of one command,\n"
                  "\"arvento-cli --version\" for the program's version.\n");
}

// Runs the command named first; every failure ends as a message on standard
// error and a non-zero exit status, never as an abort.
int Run(const std::vector<const Command*>& commands, std::vector<std::string> arguments) {
  if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
    PrintHelp(commands);
    return arguments.empty() ? kExitBadInput : kExitOk;
  }
  if (arguments[0] == "--version") {
    std::cout << "arvento-cli " ARVENTO_VERSION "\n";
    return kExitOk;
  }
  const std::string name = arguments[0];
  arguments.erase(arguments.begin());
  for (const Command* command : commands) {
    if (name != command->name)
      continue;
    for (const std::string& argument : arguments) {
      if (argument == "--help" || argument == "-h") {
        std::cout << Tr(command->help, SoundOptionsHelp(), AccompanimentOptionsHelp());
        return kExitOk;
      }
    }
    try {
      return command->run(arguments);
    } catch (const UsageError& error) {
      std::cerr << "arvento-cli " << name << ": " << error.what() << "\n"
                << Tr("Run \"arvento-cli %1 --help\" for usage.", name) << "\n";
    } catch (const arvento::Error& error) {
      std::cerr << "arvento-cli " << name << ": " << error.what() << "\n";
    } catch (const std::exception& error) {
      // Failures of the library (a file system error, memory exhausted) carry
      // no line or token of the input; their own text is all there is.
      std::cerr << "arvento-cli " << name << ": " << error.what() << "\n";
    }
    return kExitBadInput;
  }
  std::cerr << "arvento-cli: " << Tr("unknown command %1", arvento::Quoted(name)) << "\n";
  PrintHelp(commands);
  return kExitBadInput;
}

} // namespace

int RunCommandLine(const std::vector<const Command*>& commands, int argc, char** argv) {
  const int status = Run(commands, std::vector<std::string>(argv + 1, argv + argc));
  // Output that did not reach its file (a full disk, a closed standard
  // output) is a failure the caller must see, as with any standard tool.
  errno = 0;
  if (!std::cout.flush()) {
    std::cerr << "arvento-cli: "
              << (errno != 0 ? Tr("не удалось записать стандартный вывод: %1", std::strerror(errno))
                             : Tr("не удалось записать стандартный вывод"))
              << "\n";
    return kExitBadInput;
  }
  return status;
}

} // namespace arvento::cli
