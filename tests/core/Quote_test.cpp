#include "core/Quote.h"

#include <gtest/gtest.h>

using namespace arvento;

TEST(Quote, ControlCharactersAndInvalidBytesAreEscapedAndLongTokensCut) {
  const std::string sixty(60, 'a');
  const std::string cyrillic60 = [] {
    std::string text;
    for (int i = 0; i < 60; ++i)
      text += "ж";
    return text;
  }();
  struct Case {
    std::string input;
    std::string escaped;
    std::string quoted;
  };
  const Case cases[] = {
      {"8c6", "8c6", "\"8c6\""},
      {"Мелодия №5 — «да»", "Мелодия №5 — «да»", "\"Мелодия №5 — «да»\""},
      {"a\x1b[31mb\tc\r\n", "a\\x1b[31mb\\x09c\\x0d\\x0a", "\"a\\x1b[31mb\\x09c\\x0d\\x0a\""},
      {std::string("a\0b\x7f", 4), "a\\x00b\\x7f", "\"a\\x00b\\x7f\""},
      // C1 controls are characters of UTF-8 too, and as dangerous.
      {"\xc2\x9b"
       "2J",
       "\\xc2\\x9b2J", "\"\\xc2\\x9b2J\""},
      // Code page 1251 bytes, a cut sequence, an overlong form, a surrogate.
      {"\xcc\xe5\xeb", "\\xcc\\xe5\\xeb", "\"\\xcc\\xe5\\xeb\""},
      {"x\xd0", "x\\xd0", "\"x\\xd0\""},
      {"\xc0\xaf\xed\xa0\x80", "\\xc0\\xaf\\xed\\xa0\\x80", "\"\\xc0\\xaf\\xed\\xa0\\x80\""},
      {"\xf0\x9f\x8e\xb5", "\xf0\x9f\x8e\xb5", "\"\xf0\x9f\x8e\xb5\""},
      {sixty, sixty, "\"" + sixty + "\""},
      {sixty + "b", sixty + "b", "\"" + sixty + "…\""},
      {cyrillic60 + "ж", cyrillic60 + "ж", "\"" + cyrillic60 + "…\""},
      {std::string(59, 'a') + "\x01\x02", std::string(59, 'a') + "\\x01\\x02",
       "\"" + std::string(59, 'a') + "\\x01…\""},
      {"", "", "\"\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Escaped(c.input), c.escaped) << c.escaped;
    EXPECT_EQ(Quoted(c.input), c.quoted) << c.escaped;
  }
  EXPECT_EQ(Quoted(std::string(10'000'000, 'x')).size(), 2 + 60 + std::string("…").size());
}
