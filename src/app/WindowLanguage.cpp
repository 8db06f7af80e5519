#include "app/WindowLanguage.h"

#include "core/InstallLayout.h"
#include "core/Translate.h"

#include <QCoreApplication>

#include <filesystem>
#include <string>

namespace arvento::app {

WindowLanguage::WindowLanguage(Language language) {
  if (language == Language::Russian)
    return;
  const std::filesystem::path folder = InstalledFile(kTranslationDir);
  const std::string code = LanguageCode(language);
  for (const std::string& name : {"arvento_" + code + ".qm", "arvento_core_" + code + ".qm"}) {
    const QString file = QString::fromStdString((folder / name).string());
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(file)) {
      missing_ << file;
      continue;
    }
    QCoreApplication::installTranslator(translator.get());
    translators_.push_back(std::move(translator));
  }
  InstallTranslator([](const char* source) {
    return QCoreApplication::translate(kCoreMessageContext, source).toStdString();
  });
  coreTranslatorInstalled_ = true;
}

// The translators take themselves out of the application as they go.
WindowLanguage::~WindowLanguage() {
  if (coreTranslatorInstalled_)
    InstallTranslator(nullptr);
}

} // namespace arvento::app
