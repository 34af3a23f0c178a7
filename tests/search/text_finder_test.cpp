// Plain mode of FindText and FindSubstring.
#include "search/text_finder.h"

#include <gtest/gtest.h>

#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "regex/char_set.h"
#include "text/fold_case.h"

namespace {

// What the scan did before it searched through the table: fold a copy of
// the line and search it byte for byte.
int FoldAndCopy(const std::string& line, const std::string& needle, const unsigned char* table) {
  std::string folded = line;
  for (char& c : folded) c = char(table[static_cast<unsigned char>(c)]);
  const char* found = FindBytes(folded.data(), folded.size(), needle.data(), needle.size());
  return found ? int(found - folded.data()) : -1;
}

int Folded(const std::string& line, const std::string& needle, const unsigned char* table) {
  FoldedNeedle prepared = PrepareFoldedNeedle(needle.data(), needle.size(), table);
  const char* found = FindFoldedBytes(line.data(), line.size(), prepared);
  return found ? int(found - line.data()) : -1;
}

// Bytes a line is drawn from: ASCII letters in both cases, code page 866
// letters (0x80-0xAF, 0xE0-0xF1), box drawing, and any byte at all.
unsigned char RandomByte(std::mt19937& random) {
  static const char kLetters[] = "aAbBzZ eE\x80\xA0\x8F\xAF\x90\xE0\x9F\xEF\xF0\xF1\xB3\xFF";
  if (random() % 4 == 0) return static_cast<unsigned char>(1 + random() % 255);
  return static_cast<unsigned char>(kLetters[random() % (sizeof kLetters - 1)]);
}

}  // namespace

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

TEST(FindFoldedBytes, GivesWhatSearchingAFoldedCopyGives) {
  unsigned char lower[256];   // the pattern engine's fold, towards lower case
  unsigned char coarse[256];  // many bytes to one: the table scan instead of memchr
  for (int c = 0; c < 256; ++c) {
    lower[c] = FoldByte(static_cast<unsigned char>(c));
    coarse[c] = static_cast<unsigned char>(c & 0xF0);
  }
  const unsigned char* tables[] = {FoldCaseTable(), lower, coarse};
  std::mt19937 random(20261208);
  for (const unsigned char* table : tables) {
    for (int round = 0; round < 8000; ++round) {
      std::string line(random() % 40, ' ');
      for (char& c : line) c = char(RandomByte(random));
      std::string needle;
      if (!line.empty() && random() % 3) {  // mostly a piece of the line, in either case
        size_t from = random() % line.size();
        needle = line.substr(from, 1 + random() % 6);
      } else {
        needle.resize(random() % 4);
        for (char& c : needle) c = char(RandomByte(random));
      }
      for (char& c : needle) c = char(table[static_cast<unsigned char>(c)]);
      SCOPED_TRACE(::testing::PrintToString(line) + " / " + ::testing::PrintToString(needle));
      ASSERT_EQ(Folded(line, needle, table), FoldAndCopy(line, needle, table));
    }
  }
}

TEST(FindFoldedBytes, FindsEitherCaseAndStopsAtTheGivenLength) {
  const unsigned char* table = FoldCaseTable();
  EXPECT_EQ(Folded("xx aBc", "ABC", table), 3);
  EXPECT_EQ(Folded("\xA0\x80\xE0", "\x80\x90", table), 1);  // Cyrillic a, A, er
  EXPECT_EQ(Folded("aaaB", "AAB", table), 1);
  EXPECT_EQ(Folded("abc", "", table), 0);
  FoldedNeedle needle = PrepareFoldedNeedle("BD", 2, table);
  EXPECT_EQ(FindFoldedBytes("abd", 2, needle), nullptr);
  EXPECT_EQ(needle.firstCount, 2);  // b and B
}
