#pragma once

// The language of the window's texts. Russian is the language the texts are
// written in and needs nothing; for English the window's own translation and
// the translation of the lower folders' messages are loaded from the
// installation's translation folder and installed while the object lives.

#include "core/Language.h"

#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

namespace arvento::app {

// The context under which the lower folders' messages are looked up: lconvert
// gives the entries of a gettext catalogue without msgctxt the empty one.
inline constexpr char kCoreMessageContext[] = "";

class WindowLanguage {
public:
  // Installs the translations of the language into the application, which
  // must exist, and the core translator that looks up arvento::Tr's messages
  // among them. Made before the window, so that the window is made in the
  // language, and before any other thread starts.
  explicit WindowLanguage(Language language);
  // Takes the translations and the core translator away again.
  ~WindowLanguage();
  WindowLanguage(const WindowLanguage&) = delete;
  WindowLanguage& operator=(const WindowLanguage&) = delete;

  // The translation files that could not be loaded: their texts stay Russian.
  const QStringList& Missing() const { return missing_; }

private:
  std::vector<std::unique_ptr<QTranslator>> translators_;
  QStringList missing_;
  bool coreTranslatorInstalled_ = false;
};

} // namespace arvento::app
