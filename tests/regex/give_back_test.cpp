// Which greedy repetitions go straight back to where they began when the
// rest fails where they stopped, and that doing so changes nothing a caller
// sees. The comparison over the fuzz corpus, random cases and the shipped
// rules runs in prefilter_test.cpp with this shortcut on and off.
#include <gtest/gtest.h>

#include <string>

#include "regex/token_codes.h"
#include "regex_test_support.h"

namespace {

void CollectMarked(const PatternNode* node, std::string* marked) {
  for (; node; node = node->next) {
    if (node->keepsAll) {
      const PatternNode* operand = node->operand.child;
      std::string name =
          operand->kind == NodeItem && IsLiteralToken(operand->operand.value)
              ? std::string(1, static_cast<char>(operand->operand.value))
              : std::to_string(operand->kind == NodeItem ? operand->operand.value : operand->kind);
      *marked += (marked->empty() ? "" : " ") + name;
    }
    bool owns = node->kind == NodeGroup || IsPostfixKind(node->kind);
    if (owns) CollectMarked(node->operand.child, marked);
  }
}

// The operands of the repetitions marked, in tree order: a literal as
// itself, an item by its code, a class by its kind.
std::string Marked(const char* pattern) {
  PatternObject object(pattern);
  if (!object.IsPatternValid()) return "invalid";
  std::string marked;
  CollectMarked(object.Root(), &marked);
  return marked;
}

const std::string kWord = std::to_string(ItemWord), kBlank = std::to_string(ItemBlank),
                  kClass = std::to_string(NodeClass), kDigit = std::to_string(ItemDigit);

}  // namespace

TEST(GiveBack, MarksRepetitionsWhoseRestStartsWithNoByteTheyTake) {
  EXPECT_EQ(Marked("/\\d+,/"), kDigit);
  EXPECT_EQ(Marked("/\\s*\\(/"), kBlank);
  EXPECT_EQ(Marked("/(\\w+)\\s*\\(/"), kWord + " " + kBlank);  // out through the group's end
  EXPECT_EQ(Marked("/a*b*c/"), "a b");                         // b* may take nothing
  EXPECT_EQ(Marked("/a{2,}b/"), "a");
  EXPECT_EQ(Marked("/a{1,3}b/"), "a");
  EXPECT_EQ(Marked("/a*(b|c)/"), "a");
  EXPECT_EQ(Marked("/(a*|b)c/"), "a");  // past the rest of the chain
  EXPECT_EQ(Marked("/x|a*c/"), "a");
  EXPECT_EQ(Marked("/(a*)*b/"), "a");    // the rest of a repeated group is what follows it
  EXPECT_EQ(Marked("/(a*b)?=c/"), "a");  // inside a look-around, up to its end
  EXPECT_EQ(Marked("/[a-z]*[0-9]/"), kClass);
}

TEST(GiveBack, LeavesRepetitionsThatMayNeedToGiveBack) {
  const char* const kept[] = {
      "/a*a/",
      "/a*A/i",                   // the case folds onto a taken byte
      "/[\\w\\s\\*]*\\b(\\w+)/",  // a word may start inside what it took
      "/a*(b|a)/",
      "/a*/",   // the rest is empty and holds anywhere
      "/a*$/",  // may hold without consuming
      "/\\w+\\b/",
      "/a*|b/",     // nothing follows the chain
      "/(a*)?=b/",  // the rest ends with the look-around
      "/a*(b)?=/",  // a look-around may read up to the end
      "/a*(b)?!c/",
      "/a*\\mb/",    // a marker before the first byte
      "/(a)b*\\1/",  // a back-reference may match anything
      "/a*?b/",      // lazy
      "/a?b/",
      "/(ab)*c/",  // more than one byte a walk
  };
  for (const char* pattern : kept) EXPECT_EQ(Marked(pattern), "") << pattern;
}

TEST(GiveBack, ResultsAndRegistersAsWhenBackingOffByteByByte) {
  const MatchCase cases[] = {
      {"/(\\d+),/", "12x345,", "1 3 7 3 6"},
      {"/^\\s*\\(/", "  x(", "0"},
      {"/a{2,}b/", "aaacab", "0"},
      {"/a{0,}b/", "aaacb", "1 4 5"},
      {"/x\\d{2,3}y/", "x1234y x12y", "1 7 11"},
      {"/(\\w+)\\s*\\(/", "int foo (x)", "1 4 9 4 7"},
      {"/a*(b|c)/", "aaac", "1 0 4 3 4"},
      {"/\\m\\d+\\M,/", "1 22,", "1 2 4"},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject on(c.pattern), off(c.pattern);
    off.SetKeepAllEnabled(false);
    EXPECT_EQ(RunMatch(on, c.text), c.expected);
    EXPECT_EQ(RunMatch(off, c.text), c.expected);
  }
}
