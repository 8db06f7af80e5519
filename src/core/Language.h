#pragma once

#include <functional>

namespace arvento {

enum class Language { Russian, English };

// The language of the program's texts, from the environment:
// ARVENTO_LANG ("ru" or "en") when it holds one of those; otherwise the first
// of LC_ALL, LC_MESSAGES and LANG that is set and not empty, where a value
// starting with "en" means English. Everything else, unset, "C" and "POSIX"
// included, means Russian, the program's own language. Only the variables are
// read: the answer does not depend on which locales the machine has.
Language ChooseLanguage(const std::function<const char*(const char* name)>& environment);

// ChooseLanguage over this process's environment.
Language LanguageOfEnvironment();

// "ru" or "en", the name of the language's catalogues.
const char* LanguageCode(Language language);

} // namespace arvento
