// Which language the environment asks for, and the placeholders of a
// translated text.

#include "core/Language.h"
#include "core/Translate.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

using namespace arvento;

TEST(Language, ArventoLangFirstThenTheFirstLocaleVariableSet) {
  // A language and the environments that ask for it, each as the NAME=value words of its variables.
  const std::pair<Language, std::vector<std::string>> cases[] = {
      {Language::Russian,
       {"", "LANG=C", "LANG=POSIX", "LANG=de_DE.UTF-8", "LANG=ru_RU.UTF-8",
        "LC_ALL=C LC_MESSAGES=en_GB.UTF-8", "ARVENTO_LANG=ru LC_ALL=en_US.UTF-8", "ARVENTO_LANG=EN"}},
      {Language::English,
       {"LANG=en_US.UTF-8", "LANG=en", "LC_MESSAGES=en_GB.UTF-8 LANG=ru_RU.UTF-8",
        "LC_ALL= LC_MESSAGES=en_GB.UTF-8", "LC_ALL=en_US.UTF-8 LANG=ru_RU.UTF-8", "ARVENTO_LANG=en LANG=C",
        "ARVENTO_LANG=en", "ARVENTO_LANG=fr LANG=en_US.UTF-8"}}};
  for (const auto& [expected, environments] : cases) {
    for (const std::string& variables : environments) {
      std::map<std::string, std::string> environment;
      std::istringstream words(variables);
      for (std::string word; words >> word;)
        environment[word.substr(0, word.find('='))] = word.substr(word.find('=') + 1);
      const Language language = ChooseLanguage([&environment](const char* name) {
        const auto found = environment.find(name);
        return found != environment.end() ? found->second.c_str() : nullptr;
      });
      EXPECT_EQ(language, expected) << variables;
    }
  }
}

TEST(Translate, PlaceholdersTakeTheValuesInTheTranslationsOrder) {
  InstallTranslator([](const char* source) {
    return std::string(source) == "Строка %1, элемент %2" ? "token %2 of line %1" : source;
  });
  EXPECT_EQ(Tr("Строка %1, элемент %2", 7, "8c#"), "token 8c# of line 7");
  EXPECT_EQ(Tr("%1%% и %3", 50), "50%% и %3");
  EXPECT_EQ(Tr("без перевода"), "без перевода");
  InstallTranslator(nullptr);
  EXPECT_EQ(Tr("Строка %1, элемент %2", 7, std::string("8c#")), "Строка 7, элемент 8c#");
}
