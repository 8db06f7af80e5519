// Which language the environment asks for, and the placeholders of a
// translated text.

#include "core/Language.h"
#include "core/Translate.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

using namespace arvento;

TEST(Language, ArventoLangFirstThenTheFirstLocaleVariableSet) {
  const std::pair<std::map<std::string, std::string>, Language> cases[] = {
      {{}, Language::Russian},
      {{{"LANG", "C"}}, Language::Russian},
      {{{"LANG", "POSIX"}}, Language::Russian},
      {{{"LANG", "en_US.UTF-8"}}, Language::English},
      {{{"LANG", "en"}}, Language::English},
      {{{"LANG", "de_DE.UTF-8"}}, Language::Russian},
      {{{"LANG", "ru_RU.UTF-8"}}, Language::Russian},
      {{{"LC_MESSAGES", "en_GB.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, Language::English},
      {{{"LC_ALL", "C"}, {"LC_MESSAGES", "en_GB.UTF-8"}}, Language::Russian},
      {{{"LC_ALL", ""}, {"LC_MESSAGES", "en_GB.UTF-8"}}, Language::English},
      {{{"LC_ALL", "en_US.UTF-8"}, {"LANG", "ru_RU.UTF-8"}}, Language::English},
      {{{"ARVENTO_LANG", "ru"}, {"LC_ALL", "en_US.UTF-8"}}, Language::Russian},
      {{{"ARVENTO_LANG", "en"}, {"LANG", "C"}}, Language::English},
      {{{"ARVENTO_LANG", "en"}}, Language::English},
      {{{"ARVENTO_LANG", "fr"}, {"LANG", "en_US.UTF-8"}}, Language::English},
      {{{"ARVENTO_LANG", "EN"}}, Language::Russian},
  };
  for (const auto& [environment, expected] : cases) {
    std::string shown;
    for (const auto& [name, value] : environment)
      shown += name + "=" + value + " ";
    const Language language = ChooseLanguage([&environment](const char* name) {
      const auto found = environment.find(name);
      return found != environment.end() ? found->second.c_str() : nullptr;
    });
    EXPECT_EQ(language, expected) << shown;
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
