// Plain mode of FindText, FindSubstring and CopyPadded.
#include "search/text_finder.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

TEST(FindSubstring, FindsTheLeftmostOccurrenceByteForByte) {
  struct Case {
    const char* haystack;
    const char* needle;
    int offset;  // -1: not found
  } cases[] = {
      {"aaab", "aab", 1},   // the failed try at 0 resumes one byte later
      {"ab", "abc", -1},    // needle longer than the haystack
      {"xxabc", "abc", 2},  // at the very end
      {"xxab", "abc", -1},  // runs past the end
      {"abcabc", "abc", 0},
      {"abc", "", 0},
      {"", "", 0},
      {"", "a", -1},
      {"aBc", "abc", -1},               // no folding here: the scan folds beforehand
      {"\x8F\xE0\xA8", "\xE0\xA8", 1},  // high bytes compare as bytes
      {"a\xB3"
       "b",
       "\xB3", 1},
      {"ababac", "abac", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.haystack) + " / " + c.needle);
    const char* found = FindSubstring(c.haystack, c.needle);
    EXPECT_EQ(found ? int(found - c.haystack) : -1, c.offset);
  }
}

TEST(FindBytes, NeverLooksPastTheGivenLength) {
  const char text[] = "abcabd";
  EXPECT_EQ(FindBytes(text, 5, "abd", 3), nullptr);
  EXPECT_EQ(FindBytes(text, 6, "abd", 3), text + 3);
  EXPECT_EQ(FindBytes(text, 0, "a", 1), nullptr);
}

TEST(FindText, PlainModeLeavesPositionUntouchedWhenNotFound) {
  int position = 77;
  EXPECT_EQ(FindText(0, "hello world", "planet", &position, 0, nullptr, "/", "/"), 0);
  EXPECT_EQ(position, 77);
  EXPECT_EQ(FindText(0, "hello world", "world", &position, 0, nullptr, "/", "/"), 1);
  EXPECT_EQ(position, 6);
}

TEST(FindText, PlainModeTakesPatternCharactersLiterally) {
  int position = -5;
  char group[kGroupBufferSize] = "kept";
  EXPECT_EQ(FindText(0, "f(a.b*)", "a.b*", &position, 1, group, "/", "/i"), 1);
  EXPECT_EQ(position, 2);
  EXPECT_STREQ(group, "kept");  // plain mode writes no group
}

TEST(CopyPadded, PadsWithZerosAndWritesNothingBeyondN) {
  char buffer[10];
  memset(buffer, '#', sizeof buffer);
  CopyPadded(buffer, "abc", 6);
  EXPECT_EQ(std::string(buffer, 7), std::string("abc\0\0\0#", 7));
  memset(buffer, '#', sizeof buffer);
  CopyPadded(buffer, "abcdefgh", 4);
  EXPECT_EQ(std::string(buffer, 5), "abcd#");  // no terminator after n bytes
  memset(buffer, '#', sizeof buffer);
  CopyPadded(buffer, "abc", 0);
  EXPECT_EQ(buffer[0], '#');
}
