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
    int value = 12345;
    EXPECT_TRUE(ParseSignedNumber(c.text, &value));
    EXPECT_EQ(c.value, value);
  }
}

TEST(ParseSignedNumber, RefusesNumbersPast32Bits) {
  for (const char* text : {"2147483648", "-2147483649", "4294967297", "99999999999",
                           "00000000000000000004294967296", "123456789012345678901234567890"}) {
    SCOPED_TRACE(text);
    int value = 12345;
    EXPECT_FALSE(ParseSignedNumber(text, &value));
    EXPECT_EQ(0, value);
  }
  int value = 0;
  EXPECT_TRUE(ParseSignedNumber("000000000000000000002147483647x9", &value));
  EXPECT_EQ(2147483647, value);
}

TEST(ParseSignedNumber, LooksAtTheFirst63CharactersOnly) {
  int value = 0;
  EXPECT_TRUE(ParseSignedNumber((std::string(62, ' ') + "45").c_str(), &value));
  EXPECT_EQ(4, value);
  EXPECT_TRUE(ParseSignedNumber((std::string(600, ' ') + "1").c_str(), &value));
  EXPECT_EQ(0, value);
}

}  // namespace
