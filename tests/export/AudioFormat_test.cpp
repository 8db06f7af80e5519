// The format of a file from its extension or from a name.

#include "TestSupport.h"
#include "export/AudioFormat.h"

#include <gtest/gtest.h>

namespace arvento::exporting {
namespace {

TEST(AudioFormat, FromTheExtensionInAnyCase) {
  const std::pair<const char*, std::string> files[] = {
      {"song.wav", "wav"},  {"song.flac", "flac"}, {"song.ogg", "ogg"},
      {"song.mp3", "mp3"},  {"song.m4r", "m4r"},   {"dir.v2/Song.M4R", "m4r"},
      {"песня.Ogg", "ogg"}, {"song.ogg.txt", ""},  {"song.m4a", ""},
      {"song", ""},         {"song.", ""},         {".ogg", ""},
  };
  for (const auto& [file, name] : files) {
    std::string_view read;
    const std::string error = test::ErrorText([&] { read = Info(FormatOfFile(file)).name; });
    EXPECT_EQ(name.empty() ? error : std::string(read),
              name.empty() ? "Неизвестный формат звукового файла " + std::string(file) +
                                 ": можно записать .wav, .flac, .ogg, .mp3, .m4r"
                           : name)
        << file;
  }
}

// Only the ringtone format has a length limit.
TEST(AudioFormat, ByNameEachFormatOnce) {
  for (const FormatInfo& info : kFormats) {
    EXPECT_EQ(FormatNamed(info.name), info.format);
    EXPECT_EQ(&Info(info.format), &info);
    EXPECT_EQ(info.maxSeconds, info.format == AudioFormat::M4r ? 40 : 0) << info.name;
  }
  EXPECT_EQ(FormatNamed("OGG"), AudioFormat::Ogg);
  EXPECT_EQ(FormatNamed("og"), std::nullopt);
  EXPECT_EQ(FormatNamed(""), std::nullopt);
}

} // namespace
} // namespace arvento::exporting
