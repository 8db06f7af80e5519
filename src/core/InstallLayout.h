#pragma once

#include <filesystem>
#include <string_view>

namespace arvento {

// Where the installed files lie, relative to the installation prefix. The
// build tree has the same layout under the build folder, so that a program
// finds its modules and translations the same way in both.
inline constexpr std::string_view kPrivateDir = "lib/arvento"; // helper programs and modules
inline constexpr std::string_view kLocaleDir = "share/locale"; // gettext catalogues
inline constexpr std::string_view kTranslationDir = "share/arvento/translations"; // Qt translations

// The prefix of a program that runs as `program` (its absolute path): the
// folder above bin/, or above lib/arvento/ for a helper program.
std::filesystem::path PrefixOfProgram(const std::filesystem::path& program);

// A file of this installation, `relative` to the prefix of the running
// program.
std::filesystem::path InstalledFile(const std::filesystem::path& relative);

// A helper program or module of the installation, by its file name.
std::filesystem::path PrivateFile(std::string_view name);

} // namespace arvento
