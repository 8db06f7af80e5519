#include "core/LetterCase.h"

#include <gtest/gtest.h>

#include <string>

using namespace arvento;

TEST(LetterCase, OnlyLatinLettersChangeCase) {
  struct Case {
    std::string text, upper, lower;
  };
  const Case cases[] = {
      {"", "", ""},
      {"am7", "AM7", "am7"},
      {"Part_1.MID", "PART_1.MID", "part_1.mid"},
      {"c#-Жж", "C#-Жж", "c#-Жж"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(Upper(c.text), c.upper);
    EXPECT_EQ(Lower(c.text), c.lower);
  }
}
