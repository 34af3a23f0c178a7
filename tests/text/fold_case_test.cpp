// FoldCase against the four Windows calls it stands for, byte by byte. The
// same test runs on the stand-in and under Wine, so the table is proven
// against both.
#include "text/fold_case.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "regex/char_set.h"
#include "search/text_finder.h"
#include "shell/win_api.h"

namespace {

// The fold as the calls give it, one byte at a time.
unsigned char FoldByCalls(unsigned char c) {
  char oem = char(c), ansi = 0, back = 0;
  OemToCharBuffA(&oem, &ansi, 1);
  CharToOemBuffA(&ansi, &back, 1);
  if (!IsCharAlphaA(ansi) || back != oem) return c;
  ULONG_PTR value = static_cast<BYTE>(ansi);
  char upper = char(reinterpret_cast<ULONG_PTR>(CharUpperA(reinterpret_cast<LPSTR>(value))));
  char result = 0;
  CharToOemBuffA(&upper, &result, 1);
  return static_cast<unsigned char>(result);
}

// A letter as the plain fold sees one: a letter in ANSI that comes back.
bool IsLetterByCalls(unsigned char c) {
  char oem = char(c), ansi = 0, back = 0;
  OemToCharBuffA(&oem, &ansi, 1);
  CharToOemBuffA(&ansi, &back, 1);
  return IsCharAlphaA(ansi) && back == oem;
}

}  // namespace

TEST(FoldCase, TableGivesWhatTheCallsGiveForEveryByte) {
  for (int c = 1; c < 256; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(FoldCaseByte(static_cast<unsigned char>(c)),
              FoldByCalls(static_cast<unsigned char>(c)));
  }
}

TEST(FoldCase, FoldsLatinAndCyrillicLettersOnly) {
  struct Case {
    unsigned char from, to;
  } cases[] = {
      {'a', 'A'},   {'z', 'Z'}, {'A', 'A'}, {'1', '1'}, {'_', '_'}, {0xA0, 0x80},  // Cyrillic a
      {0xAF, 0x8F},                                                                // pe
      {0xE0, 0x90},  // er: the lower half of the small letters lies apart
      {0xEF, 0x9F},  // ya
      {0xF1, 0xF0},  // yo
      {0xB3, 0xB3},  // box drawing: no letter
      {0xFF, 0xFF},  // no-break space
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.from));
    EXPECT_EQ(FoldCaseByte(c.from), c.to);
  }
}

TEST(FoldCase, FoldsInPlaceUpToTheTerminator) {
  char text[] = "aBc\xA0\xE0-x\0yz";
  EXPECT_EQ(FoldCase(text), text);
  EXPECT_EQ(std::string(text, sizeof text - 1), std::string("ABC\x80\x90-X\0yz", 10));
  char copy[4];
  FoldCopy(copy, "a\0b", 4);  // a measured copy folds past a NUL byte
  EXPECT_EQ(std::string(copy, 4), std::string("A\0B\0", 4));
}

// The pattern engine folds with constant tables of code page 866; they must
// give the same letters as the plain fold the calls give, so that a word
// found as text is found by the pattern with /i, and \w, \u and \l take
// every letter the plain fold knows.
TEST(FoldCase, PatternFoldAgreesWithThePlainFoldOnEveryByte) {
  const unsigned char* plain = FoldCaseTable();
  bool isUpper[256] = {};
  for (int b = 1; b < 256; ++b)
    if (plain[b] != b) isUpper[plain[b]] = true;
  for (int b = 1; b < 256; ++b) {
    SCOPED_TRACE(b);
    const unsigned char byte = static_cast<unsigned char>(b);
    EXPECT_EQ(FoldByte(byte), FoldByte(plain[b]));  // /i joins what the plain fold joins
    EXPECT_EQ(plain[FoldByte(byte)], plain[b]);     // and nothing else
    const bool lower = plain[b] != b;
    EXPECT_EQ(InSet(LowerSet, byte), lower);
    EXPECT_EQ(InSet(UpperSet, byte), isUpper[b]);
    if (lower || isUpper[b] || IsLetterByCalls(byte)) {
      EXPECT_TRUE(InSet(WordSet, byte));
    }
  }
}

TEST(FoldCase, PatternsFindEveryLetterAsThePlainSearchDoes) {
  const unsigned char* plain = FoldCaseTable();
  for (int b = 1; b < 256; ++b) {
    if (plain[b] == b) continue;
    SCOPED_TRACE(b);
    const char lower[] = {char(b), '\0'}, upper[] = {char(plain[b]), '\0'};
    int position = -1;
    EXPECT_EQ(FindText(1, upper, lower, &position, 0, nullptr, "/", "/i"), 1);
    EXPECT_EQ(FindText(1, lower, upper, &position, 0, nullptr, "/", "/i"), 1);
    char both[] = {char(plain[b]), char(b), '\0'};
    EXPECT_EQ(FindText(1, both, "\\u\\l", &position, 0, nullptr, "/^", "$/"), 1);
    EXPECT_EQ(FindText(1, both, "\\w+", &position, 0, nullptr, "/^", "$/"), 1);
  }
}
