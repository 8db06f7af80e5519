// The AAC module has no translator of its own: its failures are translated
// by the export that loads it.

#include "TestSupport.h"
#include "core/Translate.h"
#include "export/backends/AacCodec.h"

#include <gtest/gtest.h>

namespace arvento::exporting {
namespace {

TEST(AacCodec, TheModulesFailureIsTranslatedWithItsReasonInPlace) {
  InstallTranslator([](const char* source) {
    std::string marked = "[";
    marked += source;
    marked += ']';
    return marked;
  });
  const std::string error = test::ErrorText([] { DecodeAacMp4(std::vector<std::uint8_t>(100, 7)); });
  InstallTranslator(nullptr);
  const std::string prefix = "[Не удалось прочитать записанный AAC: ";
  ASSERT_EQ(error.substr(0, prefix.size()), prefix) << error;
  // FFmpeg's reason took the place of %1, inside the translated text.
  EXPECT_GT(error.size(), prefix.size() + 1) << error;
  EXPECT_EQ(error.find("%1"), std::string::npos) << error;
  EXPECT_EQ(error.back(), ']') << error;
}

} // namespace
} // namespace arvento::exporting
