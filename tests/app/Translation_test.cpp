// Every text of the window has its English translation: lupdate, run over
// the window's sources into a copy of translations/arvento_en.ts as a
// developer updates it, finds no text new, unfinished, translated by an empty
// text or gone from the sources. A developer who adds or changes a text runs
//   lupdate -locations none -I src src/app -ts translations/arvento_en.ts
// in the source folder and translates what it marks unfinished.

#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace arvento::test {
namespace {

namespace fs = std::filesystem;

// The messages of the translation file that are not translated, each with
// its context and what is wrong.
std::vector<std::string> Untranslated(const fs::path& tsFile) {
  QFile file(QString::fromStdString(tsFile.string()));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << tsFile;
  QXmlStreamReader xml(&file);
  std::vector<std::string> found;
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement)
      continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"source") {
      source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value("type").toString();
      const QString translation = xml.readElementText();
      const QString why = type == "unfinished"    ? (translation.isEmpty() ? "new" : "unfinished")
                          : !type.isEmpty()       ? type
                          : translation.isEmpty() ? "empty"
                                                  : QString();
      if (!why.isEmpty())
        found.push_back((context + ": \"" + source + "\" is " + why).toStdString());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return found;
}

TEST(Translation, EveryTextOfTheWindowHasAnEnglishTranslation) {
  const TempDir dir;
  const fs::path copy = dir.path() / "arvento_en.ts";
  fs::copy_file(fs::path(ARVENTO_SOURCE_DIR) / "translations" / "arvento_en.ts", copy);
  QProcess lupdate;
  lupdate.setWorkingDirectory(ARVENTO_SOURCE_DIR);
  lupdate.start(ARVENTO_LUPDATE,
                {"-locations", "none", "-I", "src", "src/app", "-ts", QString::fromStdString(copy.string())});
  ASSERT_TRUE(lupdate.waitForFinished(-1));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  EXPECT_EQ(Untranslated(copy), std::vector<std::string>{});
}

} // namespace
} // namespace arvento::test
