#include "cli/CliLanguage.h"

#include "core/InstallLayout.h"
#include "core/Language.h"
#include "core/Translate.h"

#include <clocale>
#include <cstdlib>
#include <libintl.h>

namespace arvento::cli {

namespace {
constexpr const char* kDomain = "arvento";
} // namespace

// gettext takes the language from LANGUAGE, but only while the messages'
// locale is not "C"; C.UTF-8 is built into the C library, so this works on a
// machine where no locale is generated. The character type follows, so that
// the C library's own texts in that language (strerror) come out as UTF-8,
// as the program's do. Numbers and everything else keep the "C" locale.
void UseMessageLocale() {
  std::setlocale(LC_MESSAGES, "C.UTF-8");
  std::setlocale(LC_CTYPE, "C.UTF-8");
}

void SpeakUsersLanguage() {
  UseMessageLocale();
  setenv("LANGUAGE", LanguageCode(LanguageOfEnvironment()), 1);
  bindtextdomain(kDomain, InstalledFile(kLocaleDir).c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
  InstallTranslator([](const char* source) { return std::string(dgettext(kDomain, source)); });
}

} // namespace arvento::cli
