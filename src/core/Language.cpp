#include "core/Language.h"

#include <cstdlib>
#include <string_view>

namespace arvento {

Language ChooseLanguage(const std::function<const char*(const char* name)>& environment) {
  const auto value = [&environment](const char* name) {
    const char* text = environment(name);
    return std::string_view(text != nullptr ? text : "");
  };
  const std::string_view chosen = value("ARVENTO_LANG");
  if (chosen == "en")
    return Language::English;
  if (chosen == "ru")
    return Language::Russian;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const std::string_view locale = value(name);
    if (!locale.empty())
      return locale.starts_with("en") ? Language::English : Language::Russian;
  }
  return Language::Russian;
}

Language LanguageOfEnvironment() {
  return ChooseLanguage([](const char* name) { return std::getenv(name); });
}

const char* LanguageCode(Language language) {
  return language == Language::English ? "en" : "ru";
}

} // namespace arvento
