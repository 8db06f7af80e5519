// The AAC module has no translator of its own: its failures are translated
// by the export that loads it.

#include "TestSupport.h"
#include "core/Translate.h"
#include "export/backends/AacCodec.h"

#include <gtest/gtest.h>

#include <regex>

namespace arvento::exporting {
namespace {

TEST(AacCodec, TheModulesFailureIsTranslatedWithItsReasonInPlace) {
  InstallTranslator([](const char* source) { return std::string("[") + source + "]"; });
  const std::string error = test::ErrorText([] { DecodeAacMp4(std::vector<std::uint8_t>(100, 7)); });
  InstallTranslator(nullptr);
  // FFmpeg's reason took the place of %1, inside the translated text.
  EXPECT_TRUE(std::regex_match(error, std::regex(R"(\[Не удалось прочитать записанный AAC: .+\])"))) << error;
  EXPECT_EQ(error.find("%1"), std::string::npos) << error;
}

} // namespace
} // namespace arvento::exporting
