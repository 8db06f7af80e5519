#pragma once

namespace arvento::cli {

// Makes this program speak the user's language (core/Language.h): installs
// the translator that looks each text up in the gettext catalogue "arvento"
// under the installation's share/locale. Called first in main, before any
// other thread starts.
void SpeakUsersLanguage();

// Sets the locale categories the catalogue lookup needs, and only those.
// Whatever else sets every category from the environment (Qt's application
// does) calls it again afterwards.
void UseMessageLocale();

} // namespace arvento::cli
