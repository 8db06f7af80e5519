#include "core/Error.h"
#include "midi/ByteText.h"

#include <gtest/gtest.h>

using namespace arvento::midi;

TEST(ByteText, DeltaTimesUseTheShortestVariableLengthQuantity) {
  EXPECT_EQ(DeltaText(0), "00 ");
  EXPECT_EQ(DeltaText(127), "7F ");
  EXPECT_EQ(DeltaText(128), "81 00 ");
  EXPECT_EQ(DeltaText(200), "81 48 ");
  EXPECT_EQ(DeltaText(16383), "FF 7F ");
  EXPECT_EQ(DeltaText(16384), "81 80 00 ");
  EXPECT_EQ(VlqText(0x0FFFFFFF), "FF FF FF 7F ");
  EXPECT_EQ(DeltaText(-1), "00 ");
  EXPECT_EQ(DeltaText(-100000), "00 ");
}

TEST(ByteText, ValuesUseTheFewestUpperCaseDigitsAndDataBytesStayBelow128) {
  EXPECT_EQ(HexText(0), "0");
  EXPECT_EQ(HexText(10), "A");
  EXPECT_EQ(HexText(100), "64");
  EXPECT_EQ(HexText(300), "12C");
  EXPECT_EQ(DataByteText(127), "7F");
  EXPECT_EQ(DataByteText(128), "7F");
  EXPECT_EQ(DataByteText(250), "7F");
  EXPECT_EQ(DataByteText(-3), "0");
  EXPECT_EQ(ChannelDigit(1), '0');
  EXPECT_EQ(ChannelDigit(10), '9');
  EXPECT_EQ(ChannelDigit(16), 'F');
}

TEST(ByteText, TrackHeaderCountsBlanksWhateverTheTokensLookLike) {
  EXPECT_EQ(TrackHeaderText(""), "4D 54 72 6B 00 00 00 00 ");
  EXPECT_EQ(TrackHeaderText("00 ff 2f 00 "), "4D 54 72 6B 00 00 00 04 ");
  EXPECT_EQ(TrackHeaderText("0 A 64 b0 FF 7f "), "4D 54 72 6B 00 00 00 06 ");
  std::string big;
  for (int i = 0; i < 70000; ++i)
    big += "1 ";
  EXPECT_EQ(TrackHeaderText(big), "4D 54 72 6B 00 01 11 70 ");
}

TEST(ByteText, NextHexByteWalksTheTextTokenByToken) {
  const std::string text = "00 ff 9F 3c 1 12C ";
  std::size_t cursor = 0;
  EXPECT_EQ(NextHexByte(text, cursor), 0x00u);
  EXPECT_EQ(NextHexByte(text, cursor), 0xFFu);
  EXPECT_EQ(NextHexByte(text, cursor), 0x9Fu);
  EXPECT_EQ(NextHexByte(text, cursor), 0x3Cu);
  EXPECT_EQ(NextHexByte(text, cursor), 0x1u);
  EXPECT_EQ(NextHexByte(text, cursor), 0x12Cu);
  EXPECT_EQ(cursor, text.size());
  std::size_t bad = 0;
  EXPECT_THROW(NextHexByte("zz ", bad), arvento::Error);
}
