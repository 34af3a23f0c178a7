// TrimBlanks: which bytes count as blank.
#include "text/trim_blanks.h"

#include <gtest/gtest.h>

#include <string.h>

TEST(TrimBlanks, RemovesTheWhitespaceClassAtBothEnds) {
  struct Case {
    const char* text;
    const char* trimmed;
  } cases[] = {
      {"", ""},
      {" \t\r\n\v\f ", ""},
      {"  a b  ", "a b"},
      {"\tint main()\r", "int main()"},
      {"a", "a"},
      {"\xFF"
       "a\xFF",
       "\xFF"
       "a\xFF"},  // 0xFF (a no-break space in 866) is not blank
      {"\xA0 x", "\xA0 x"},
      {"\x08x\x0E", "\x08x\x0E"},  // 8 and 14 lie outside 9..13
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    char buffer[64];
    strcpy(buffer, c.text);
    EXPECT_EQ(TrimBlanks(buffer), buffer);
    EXPECT_STREQ(buffer, c.trimmed);
  }
}
