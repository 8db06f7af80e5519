// The format of a file from its extension or from a name.

#include "core/Error.h"
#include "export/AudioFormat.h"

#include <gtest/gtest.h>

#include <optional>

namespace arvento::exporting {
namespace {

struct Case {
  const char* file;
  std::optional<AudioFormat> format; // nullopt: refused
};

const Case kCases[] = {
    {"song.wav", AudioFormat::Wav},  {"song.flac", AudioFormat::Flac}, {"song.ogg", AudioFormat::Ogg},
    {"song.mp3", AudioFormat::Mp3},  {"song.m4r", AudioFormat::M4r},   {"dir.v2/Song.M4R", AudioFormat::M4r},
    {"песня.Ogg", AudioFormat::Ogg}, {"song.ogg.txt", std::nullopt},   {"song.m4a", std::nullopt},
    {"song", std::nullopt},          {"song.", std::nullopt},          {".ogg", std::nullopt},
};

TEST(AudioFormat, FromTheExtensionInAnyCase) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.file);
    if (c.format) {
      EXPECT_EQ(FormatOfFile(c.file), *c.format);
      continue;
    }
    try {
      FormatOfFile(c.file);
      ADD_FAILURE() << "taken for a sound file";
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), "Неизвестный формат звукового файла " + std::string(c.file) +
                                  ": можно записать .wav, .flac, .ogg, .mp3, .m4r");
    }
  }
}

TEST(AudioFormat, ByNameEachFormatOnce) {
  for (const FormatInfo& info : kFormats) {
    EXPECT_EQ(FormatNamed(info.name), info.format);
    EXPECT_EQ(&Info(info.format), &info);
  }
  EXPECT_EQ(FormatNamed("OGG"), AudioFormat::Ogg);
  EXPECT_EQ(FormatNamed("og"), std::nullopt);
  EXPECT_EQ(FormatNamed(""), std::nullopt);
}

TEST(AudioFormat, OnlyTheRingtoneFormatHasALimit) {
  for (const FormatInfo& info : kFormats)
    EXPECT_EQ(info.maxSeconds, info.format == AudioFormat::M4r ? 40 : 0) << info.name;
}

} // namespace
} // namespace arvento::exporting
