// The constant byte tables, their bit order, and the code page 866 fold.
#include <gtest/gtest.h>

#include "regex/char_set.h"

TEST(CharSet, BitOrderIsLeastSignificantFirst) {
  EXPECT_EQ(DigitSet.bits[6], 0xFF);   // 0x30-0x37
  EXPECT_EQ(DigitSet.bits[7], 0x03);   // 0x38-0x39
  EXPECT_EQ(UpperSet.bits[8], 0xFE);   // 0x41-0x47, not 0x40
  EXPECT_EQ(UpperSet.bits[30], 0x55);  // 0xF0, 0xF2, 0xF4, 0xF6
  EXPECT_EQ(LowerSet.bits[30], 0xAA);  // 0xF1, 0xF3, 0xF5, 0xF7
}

TEST(CharSet, TablesHoldLatinAndCyrillicLetters) {
  struct Case {
    int byte;
    bool upper, lower, word, digit;
  } cases[] = {
      {'A', 1, 0, 1, 0},  {'z', 0, 1, 1, 0},  {'5', 0, 0, 1, 1},  {'_', 0, 0, 1, 0},
      {'@', 0, 0, 0, 0},  {' ', 0, 0, 0, 0},  {0x80, 1, 0, 1, 0}, {0x9F, 1, 0, 1, 0},
      {0xA0, 0, 1, 1, 0}, {0xAF, 0, 1, 1, 0}, {0xB0, 0, 0, 0, 0}, {0xDF, 0, 0, 0, 0},
      {0xE0, 0, 1, 1, 0}, {0xEF, 0, 1, 1, 0}, {0xF0, 1, 0, 1, 0}, {0xF1, 0, 1, 1, 0},
      {0xF2, 1, 0, 1, 0}, {0xF7, 0, 1, 1, 0}, {0xF8, 0, 0, 0, 0}, {0xFF, 0, 0, 0, 0},
      {0x00, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.byte);
    unsigned char b = static_cast<unsigned char>(c.byte);
    EXPECT_EQ(InSet(UpperSet, b), c.upper);
    EXPECT_EQ(InSet(LowerSet, b), c.lower);
    EXPECT_EQ(InSet(WordSet, b), c.word);
    EXPECT_EQ(InSet(DigitSet, b), c.digit);
  }
}

TEST(CharSet, FoldMapsEveryUpperCaseLetterOntoItsLowerCase) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    unsigned char folded = FoldByte(static_cast<unsigned char>(b));
    if (InSet(UpperSet, static_cast<unsigned char>(b))) {
      EXPECT_TRUE(InSet(LowerSet, folded));
    } else {
      EXPECT_EQ(folded, b);
    }
  }
  EXPECT_EQ(FoldByte(0x90), 0xE0);  // not the box-drawing 0xB0
  EXPECT_EQ(FoldByte(0x9F), 0xEF);
  EXPECT_EQ(FoldByte(0x8F), 0xAF);
  EXPECT_EQ(FoldByte(0xF0), 0xF1);  // not the control byte 0x10
  EXPECT_EQ(FoldByte(0xF6), 0xF7);
}

TEST(CharSet, UpperPartnerUndoesTheFold) {
  for (int b = 0; b < 256; ++b) {
    SCOPED_TRACE(b);
    unsigned char byte = static_cast<unsigned char>(b);
    if (InSet(UpperSet, byte)) {
      EXPECT_EQ(UpperPartner(FoldByte(byte)), byte);
    }
    if (!InSet(LowerSet, byte)) {
      EXPECT_EQ(UpperPartner(byte), byte);
    }
  }
}

TEST(CharSet, RangesAndComplements) {
  CharSet set;
  ClearSet(&set);
  AddRange(&set, 'c', 'a');
  for (int b = 0; b < 256; ++b) EXPECT_FALSE(InSet(set, static_cast<unsigned char>(b)));
  AddComplement(&set, DigitSet);
  EXPECT_FALSE(InSet(set, '0'));
  EXPECT_TRUE(InSet(set, 0xFF));
  EXPECT_TRUE(InSet(set, 0x00));
  RemoveFromSet(&set, 0xFF);
  EXPECT_FALSE(InSet(set, 0xFF));
}
