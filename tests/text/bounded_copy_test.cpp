// CopyCut and CopyPadded at and past their limits.
#include "text/bounded_copy.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

TEST(CopyCut, StopsAtTheTerminatorOrTheSize) {
  char buffer[8];
  memset(buffer, '#', sizeof buffer);
  EXPECT_EQ(CopyCut(buffer, "abc", 4), 3u);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(CopyCut(buffer, "abcdef", 4), 3u);
  EXPECT_STREQ(buffer, "abc");
  EXPECT_EQ(buffer[4], '#');
  EXPECT_EQ(CopyCut(buffer, "abc", 0), 0u);
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
