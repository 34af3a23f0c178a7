// ParseSignedNumber, the RegNum field's parser. The dialog itself is covered
// in rule_set_menu_test.cpp through the host stand-in.
#include "settings/rule_set_dialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ParseSignedNumber, ReadsAsTheExamplesSay) {
  struct Case {
    const char* text;
    int value;
  } cases[] = {
      {"-5", -5},
      {" 12 ", 12},
      {"7x", 7},
      {"", 0},
      {"x", 0},
      {"+3", 0},
      {"--3", 0},
      {"-1", -1},
      {" 3", 3},
      {"99", 99},
      {"-9", -9},
      {"\t42\r\n", 42},
      {"-", 0},
      {"0", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.value, ParseSignedNumber(c.text));
  }
}

TEST(ParseSignedNumber, LooksAtTheFirst63CharactersOnly) {
  std::string text = std::string(62, ' ') + "45";
  EXPECT_EQ(4, ParseSignedNumber(text.c_str()));
  EXPECT_EQ(0, ParseSignedNumber((std::string(600, ' ') + "1").c_str()));
}

}  // namespace
