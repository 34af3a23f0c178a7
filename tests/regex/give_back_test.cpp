// Which repetitions know where their rest can start, which greedy ones go
// straight back to where they began when the rest fails where they stopped,
// which pass over a run of bytes where the rest fails alike, and that
// skipping the rest changes nothing a caller sees. The comparison
// over the fuzz corpus, random cases and the shipped rules runs in
// prefilter_test.cpp with these shortcuts on and off.
#include <gtest/gtest.h>

#include <string>

#include "regex/char_set.h"
#include "regex/give_back.h"
#include "regex/token_codes.h"
#include "regex_test_support.h"

namespace {

// The operands of the repetitions marked, in tree order: a literal as
// itself, an item by its code, a class by its kind.
std::string Marked(const char* pattern) {
  return Described(pattern, [](const PatternNode* node) -> std::string {
    if (!node->keepsAll) return "";
    const PatternNode* operand = node->operand.child;
    if (operand->kind == NodeItem && IsLiteralToken(operand->operand.value))
      return std::string(1, static_cast<char>(operand->operand.value));
    return std::to_string(operand->kind == NodeItem ? operand->operand.value : operand->kind);
  });
}

const std::string kWord = std::to_string(ItemWord), kBlank = std::to_string(ItemBlank),
                  kClass = std::to_string(NodeClass), kDigit = std::to_string(ItemDigit);

// A byte set as the bytes in it, or "~" and those not in it when that is
// shorter.
std::string SetText(const CharSet& set) {
  std::string in, out;
  for (int byte = 0; byte < 256; ++byte)
    (InSet(set, static_cast<unsigned char>(byte)) ? in : out) += static_cast<char>(byte);
  return in.size() <= out.size() ? in : "~" + out;
}

// Each repetition that knows its rest, in tree order: [the bytes the rest
// can start with], then the bytes a lazy operand passes over, if any.
std::string Rests(const char* pattern) {
  return Described(pattern, [](const PatternNode* node) -> std::string {
    if (!node->rest) return "";
    return "[" + SetText(node->rest->bytes) + "]" + SetText(node->rest->passOver);
  });
}

// The bytes over which each repetition passes after a failed try, in tree
// order, for those that have any.
std::string Runs(const char* pattern) {
  return Described(pattern, [](const PatternNode* node) -> std::string {
    return node->passesRuns ? SetText(node->rest->failsInRuns) : "";
  });
}

// Each case gives its result with the shortcuts on and off.
template <size_t N>
void ExpectOnAndOff(const MatchCase (&cases)[N]) {
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject on(c.pattern), off(c.pattern);
    off.SetKeepAllEnabled(false);
    EXPECT_EQ(RunMatch(on, c.text), c.expected);
    EXPECT_EQ(RunMatch(off, c.text), c.expected);
  }
}

}  // namespace

TEST(GiveBack, RepetitionsKnowTheBytesTheirRestCanStartWith) {
  EXPECT_EQ(Rests("/<(.*?)>/"), "[>]~>");
  // "$" fails at a byte; a rest that may start with any byte is not kept.
  EXPECT_EQ(Rests("/#+[ \t]+(.*?)([ \t]+#+)?[ \t]*$/"), "[\t ] [\t ]~\t  [#] [\t ] []");
  EXPECT_EQ(Rests("/a*?$/"), "[]a");  // "$" fails wherever there is a byte
  EXPECT_EQ(Rests("/a*?\\mb/"), "[b]a");
  EXPECT_EQ(Rests("/a*?B/i"), "[Bb]Aa");
  EXPECT_EQ(Rests("/(a|b)*?c/"), "[c]");  // a group passes over nothing in one loop
  EXPECT_EQ(Rests("/x{2,}?y/"), "[y]x");
  EXPECT_EQ(Rests("/(ab)*c/"), "[c]");
  const char* const unknown[] = {
      "/a*?/", "/a*?(b)?=/", "/(a)b*?\\1/", "/a*?|b/", "/(a*?)?=b/",
  };
  for (const char* pattern : unknown) EXPECT_EQ(Rests(pattern), "") << pattern;
}

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
  EXPECT_EQ(Marked("/a*$/"), "a");     // "$" fails at a byte it could give back
  EXPECT_EQ(Marked("/a*\\mb/"), "a");  // a try of the rest puts the marker back
  EXPECT_EQ(Marked("/a*(b?)c/"), "a");
}

TEST(GiveBack, LeavesRepetitionsThatMayNeedToGiveBack) {
  const char* const kept[] = {
      "/a*a/",
      "/a*A/i",                   // the case folds onto a taken byte
      "/[\\w\\s\\*]*\\b(\\w+)/",  // a word may start inside what it took
      "/a*(b|a)/",
      "/a*/",  // the rest is empty and holds anywhere
      "/\\w+\\b/",
      "/a*|b/",     // nothing follows the chain
      "/(a*)?=b/",  // the rest ends with the look-around
      "/a*(b)?=/",  // a look-around may read up to the end
      "/a*(b)?!c/",
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
      {"/a*$/", "aab aa", "1 4 6"},
      {"/<(.*?)>/", "x<ab>c>", "1 1 5 2 4"},
      {"/#+[ \\t]+(.*?)([ \\t]+#+)?[ \\t]*$/", "## a # b ##  ", "1 0 13 3 8 8 11"},
      {"/a*?\\mb/", "aaab", "1 3 4"},
      {"/(a|b)*?c/", "abbc", "1 0 4 2 3"},
      {"/x{2,}?y/", "xyxxxy", "1 2 6"},
      {"/x{2,}?y/", "xxxx", "0"},
      {"/a+?$/", "baa", "1 1 3"},
      {"/a??b/", "ab", "1 0 2"},
      {"/a{1,3}?b/", "aaaab", "1 1 5"},
      // Inside a repetition or an alternative the walk goes on otherwise
      // than the rest that was tried: the rest must still be tried.
      {"/(\\s*x)*y/", " x x y", "1 5 6 -1 -1"},
      {"/(\\s*x)*y/", " x xy", "1 1 5 2 4"},
      {"/(a|\\s*)x/", " a x", "1 2 4 2 3"},
      {"/^(\\w+)\\s*\\(/", "foo (x", "1 0 5 0 3"},
      {"/(\\d+)(,\\d+)?;/", "12,3 4,5;", "1 5 9 5 6 6 8"},
      // A rest that begins with a word start is not tried inside a word.
      {"/^[A-Za-z_][\\w\\s\\*]*\\b(\\w+)\\s*\\(/", "static int *f_1 (s)", "1 0 17 12 15"},
      {"/[\\w\\s]*\\b(\\w+)$/", "ab cd", "1 0 5 3 5"},
      {"/\\w*\\c(\\w+)/", "ab cd", "1 0 2 0 2"},
      {"/x\\w*\\c(\\w)/", "xab", "0"},
      {"/(\\w*)(\\b|;)x/", "ab;x", "1 0 4 0 2 2 3"},
  };
  ExpectOnAndOff(cases);
}

TEST(GiveBack, LazyPassOverHonoursTheStepLimit) {
  const std::string text = std::string(200, 'a') + "b";
  PatternObject tight("/^a*?b/"), loose("/^a*?b/");
  tight.SetStepLimit(50);
  loose.SetStepLimit(1000);
  EXPECT_EQ(RunMatch(tight, text), "0");
  EXPECT_TRUE(tight.GaveUp());
  EXPECT_EQ(RunMatch(loose, text), "1 0 201");
  EXPECT_FALSE(loose.GaveUp());
}

// A rest that begins with a one-byte test and a greedy star fails at a run
// of bytes both take alike: but not at a byte where the star's own rest
// can start, and not when the rest reads a register.
TEST(GiveBack, FailedTriesAnswerForTheRunBeforeThem) {
  EXPECT_EQ(Runs("/^(<[^>]*?>)*\\m[^< ][^<]*\\M\\s*<\\/h1>/"), "~\t <");
  EXPECT_EQ(Runs("/(ab)*x[a-z]*;/"), "x");
  EXPECT_EQ(Runs("/(ab)*[ab][ab]*bc/"), "a");
  EXPECT_EQ(Runs("/(AB)*A[ab]*C/i"), "a");  // a class does not fold
  const char* const none[] = {
      "/(ab)*x[a-z]+;/",     // a plus from p + 1 may fail where one from p holds
      "/(ab)*x(y)*;/",       // the star's operand is no one-byte test
      "/(ab)*\\bx[a-z]*;/",  // a position test before the byte
      "/(ab)*?x[a-z]*;/",    // lazy
      "/(ab)*x[a-z]*/",      // the star's rest holds anywhere
      "/(ab)*x[a-z]*?;/",
  };
  for (const char* pattern : none) EXPECT_EQ(Runs(pattern), "") << pattern;

  const MatchCase cases[] = {
      {"/(\\w| )*\\w[a-z]*1/", "ab1 cd", "1 0 3 0 1"},  // past "cd" to "b"
      {"/(\\w| )*\\w[a-z]*1/", "ab1 cd1x yz", "1 0 7 4 5"},
      {"/(\\w| )*\\m\\w[a-z]*\\M1/", "xy1 cd", "1 1 2 0 1"},
      // Not past a byte where the star's rest can start ("bc" at the "b"),
      // nor where a plus would start on it.
      {"/(a|b|x)*[ab][ab]*bc/", "xabc", "1 0 4 0 1"},
      {"/(a|c|x)*aa+c/", "xaac", "1 0 4 0 1"},
      {"/(a|b|x)*[ab][ab]*!\\1/", "xabab!b", "1 0 7 2 3"},  // the group is kept per byte
      {"/^(<[^>]*?>)*\\m[^< ][^<]*\\M\\s*<\\/h1>/", "<p><a href=\"x\">Title </h1>", "1 15 21 3 15"},
      {"/^(<[^>]*?>)*\\m[^< ][^<]*\\M\\s*<\\/h1>/", "<p><a href=\"x\">Title </a>", "0"},
      {"/^(<[^>]*?>)*\\m[^< ][^<]*\\M\\s*<\\/h1>/", "<p\tx><a href=\"x\">\t</h1>", "1 17 18 5 17"},
  };
  ExpectOnAndOff(cases);
}
