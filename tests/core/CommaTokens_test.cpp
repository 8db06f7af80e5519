#include "core/CommaTokens.h"
#include "core/TextLines.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

using namespace arvento;

TEST(CommaTokens, TextBeforeEachCommaAfterItsGap) {
  struct Case {
    std::string_view line;
    std::size_t gap;
    std::vector<std::string_view> tokens;
  };
  const Case cases[] = {
      {"8a5, 8c6, ", 1, {"8a5", "8c6"}},
      {"8a5, 8c6, 4e6", 1, {"8a5", "8c6"}},
      {"8a5,8c6,", 1, {"8a5", "c6"}},
      {"8a5,", 1, {"8a5"}},
      {"no comma", 1, {}},
      {"4(Am),2*4(G),,", 0, {"4(Am)", "2*4(G)", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(CommaTokens(c.line, c.gap), c.tokens);
  }
}

TEST(TextLines, EachEndsAtALineFeedLessOneCarriageReturn) {
  EXPECT_EQ(TextLines("a\r\nb\n\nc\r\r\nd\n"), (std::vector<std::string>{"a", "b", "", "c\r", "d"}));
  EXPECT_TRUE(TextLines("").empty());
}
