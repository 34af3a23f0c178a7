// The matcher node by node: each row is {pattern, text, registers after the
// call} in the tester's format ("0", or "1" and start/end of groups 0 up).
#include <gtest/gtest.h>

#include "regex_test_support.h"

namespace {

void CheckCases(const MatchCase* cases, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    SCOPED_TRACE(std::string(cases[i].pattern) + " on \"" + cases[i].text + "\"");
    EXPECT_EQ(RunMatch(cases[i].pattern, cases[i].text), cases[i].expected);
  }
}

template <size_t N>
void CheckCases(const MatchCase (&cases)[N]) {
  CheckCases(cases, N);
}

}  // namespace

TEST(Matcher, SearchesEveryStartPositionUpToTheEnd) {
  const MatchCase cases[] = {
      {"/b/", "abc", "1 1 2"}, {"//", "xyz", "1 0 0"},      {"//", "", "1 0 0"},
      {"/$/", "ab", "1 2 2"},  {"/^b/", "ab", "0"},         {"/^/", "ab", "1 0 0"},
      {"/x/", "", "0"},        {"/abc/", "ababc", "1 2 5"}, {"/c$/", "cc", "1 1 2"},
      {"/./", "", "0"},        {"/.$/", "ab", "1 1 2"},
  };
  CheckCases(cases);
}

// Start positions where a leading literal or "^" cannot hold are skipped;
// every start position begins with clear registers, skipped or not.
TEST(Matcher, SkippingHopelessStartsKeepsEveryRegister) {
  const MatchCase cases[] = {
      {"/a(b)?c/", "abx ac", "1 4 6 -1 -1"},
      {"/(a)+x/", "aab ax", "1 4 6 4 5"},
      {"/x/i", "aaX", "1 2 3"},
      {"/\x90/i", "a\xE0", "1 1 2"},
      {"/^a/", "ba", "0"},
      {"/^$/", "", "1 0 0"},
      {"/z/", "abc", "0"},
      {"/c/", "abc", "1 2 3"},
  };
  CheckCases(cases);
}

TEST(Matcher, ItemsTestBytesAndPositions) {
  const MatchCase cases[] = {
      {"/\\d+/", "ab42c", "1 2 4"},
      {"/\\D/", "42c", "1 2 3"},
      {"/\\w+/", "  _x9\xE0\xF1 ", "1 2 7"},
      {"/\\w/", "\xB0\xF8", "0"},  // box drawing and the signs after the letters are no word bytes
      {"/\\W/", "a\xB0", "1 1 2"},
      {"/\\s/", "a\tb", "1 1 2"},
      {"/[\\s]/", "a\tb", "0"},  // inside a class the tab is not a blank
      {"/[ \\S]/", " ", "1 0 1"},
      {"/[\\W\\S]/", " ", "1 0 1"},
      {"/[^\\s\\S]/", " \tx", "0"},
      {"/[--a]/", "\t 0", "1 2 3"},
      {"/[+--]/", ".-", "1 1 2"},
      {"/\\S/", " \tx", "1 2 3"},
      {"/\\u/", "a\x90", "1 1 2"},
      {"/\\l/", "A\xE5", "1 1 2"},
      {"/\\u/i", "a", "0"},  // ignoreCase touches literals only
      {"/\\bfoo/", "foo", "1 0 3"},
      {"/\\bfoo/", "a foo", "1 2 5"},
      {"/\\bfoo/", "afoo", "0"},
      {"/foo\\B/", "foo bar", "1 0 3"},
      {"/foo\\B/", "food", "0"},
      {"/foo\\B/", "foo", "1 0 3"},
      {"/\\b/", "", "1 0 0"},
      {"/\\b/", "  ", "1 2 2"},  // "\b" holds at the end of the text
      {"/\\B/", "ab", "1 2 2"},
      {"/\\B/", "a b", "1 1 1"},
      {"/\\cb/", "abb b", "1 4 5"},
      {"/\\c/", "ab", "1 0 0"},
      {"/x\\c/", "xa", "0"},
      {"/\\t\\x41/", "\tA", "1 0 2"},
      {"/[^a-c]/", "abcd", "1 3 4"},
      {"/[^a]/", "", "0"},
      {"/[]/", "abc", "0"},
      {"/[^]/", "\xFF", "1 0 1"},
  };
  CheckCases(cases);
}

TEST(Matcher, IgnoreCaseFoldsLiteralsOfCodePage866) {
  const MatchCase cases[] = {
      {"/abc/i", "ABC", "1 0 3"},
      {"/abc/i", "aBc", "1 0 3"},
      {"/ABC/i", "abc", "1 0 3"},
      {"/[a-c]/i", "B", "0"},
      {"/\\x80/i", "\xA0", "1 0 1"},
      {"/\\xA0/i", "\x80", "1 0 1"},
      {"/\\x80/i", "\x80", "1 0 1"},
      {"/\\x90/i", "\x90", "1 0 1"},
      {"/\\x90/i", "\xE0", "1 0 1"},
      {"/\\x90/i", "\xB0", "0"},
      {"/\\xEF/i", "\x9F", "1 0 1"},
      {"/\\xF0/i", "\xF1", "1 0 1"},
      {"/\\xF0/i", "\x10", "0"},
      {"/\\x10/i", "\xF0", "0"},
      {"/a/", "A", "0"},
      {"/(a)\\1/i", "aA", "0"},  // back-references compare exactly
      {"/@/i", "`", "0"},
  };
  CheckCases(cases);
}

TEST(Matcher, AlternativesBindSingleNodesAndTheFirstThatMatchesWins) {
  const MatchCase cases[] = {
      {"/(a|b)c/", "bc", "1 0 2 0 1"},
      {"/a|ab/", "ab", "1 0 2"},
      {"/a|ab/", "b", "0"},
      {"/(ab)|(cd)/", "cd", "1 0 2 -1 -1 0 2"},
      {"/abc|def/", "abcef", "1 0 5"},
      {"/abc|def/", "abdef", "1 0 5"},
      {"/abc|def/", "abc", "0"},
      {"/(abc|def)/", "xabdef", "1 1 6 1 6"},  // inside a group: c or d, still single nodes
      {"/((abc)|(def))/", "xdef", "1 1 4 1 4 -1 -1 1 4"},
      {"/a|b|c/", "xc", "1 1 2"},
      {"/(a|b|c)+/", "xcab", "1 1 4 3 4"},
      {"/a|/", "b", "1 0 0"},
      {"/(a|)b/", "b", "1 0 1 0 0"},
      {"/(ab|a)c/", "ac", "0"},    // a, then b or a, then c
      {"/x(a*|b)y/", "xby", "0"},  // a* matched empty, so b is never tried again
      {"/(a*|b)y/", "by", "1 1 2 1 1"},
  };
  CheckCases(cases);
}

TEST(Matcher, BackReferencesCompareThisMatchExactly) {
  const MatchCase cases[] = {
      {"/(a)\\1/", "aa", "1 0 2 0 1"},
      {"/(a)\\1/", "ab", "0"},
      {"/\\1(a)/", "aa", "0"},               // group 1 is not yet set when "\1" is tried
      {"/(a+)-\\1/", "aa-aa", "1 0 5 0 2"},  // the rest sees the group's text so far
      {"/(x*)\\1y/", "y", "1 0 1 0 0"},      // an empty capture matches the empty string
      {"/(ab)\\1/", "aba", "0"},             // the text ends before the copy does
      {"/(a)|b\\1/", "b", "0"},
      {"/(a)\\0/", "aa", "0"},     // group 0 is set only when the root ends
      {"/a\\Mb\\0/", "aba", "0"},  // "\M" set group 0's end, but its start is -1
      {"/\\mab\\Mc\\0/", "abcab", "1 0 2"},
      {"/(a)\\2/", "aa", "0"},
      {"/(a)\\16/", "aa", "0"},
  };
  CheckCases(cases);
}

TEST(Matcher, LookAroundIsAPostfixTestThatConsumesNothing) {
  const MatchCase cases[] = {
      {"/(a)?=/", "ba", "1 1 1 1 2"},
      {"/(a)?!/", "a", "1 1 1 -1 -1"},
      {"/b(a)?#2/", "ab", "1 1 2 0 1"},
      {"/(ab)?=a/", "ab", "1 0 1 0 2"},
      {"/(ab)?!|x/", "abx", "1 1 1 -1 -1"},
      {"/x(ab)?=/", "xab", "1 0 1 1 3"},
      {"/x(ab)?!/", "xab xy", "1 4 5 -1 -1"},
      {"/(a)?#1/", "a", "1 1 1 0 1"},
      {"/a(b)?#0/", "ab", "1 0 1 1 2"},
      {"/y(x)?~1/", "xy", "1 1 2 -1 -1"},
      {"/a(b)?#2/", "xba", "1 2 3 1 2"},  // the operand need not end at the position
      {"/a(b)?#3/", "xba", "0"},
      {"/(ab)?#1/", "ab", "1 1 1 0 2"},
      {"/q(x)?#9/", "q", "0"},
      {"/q(x)?~9/", "q", "1 0 1 -1 -1"},
      {"/(\\d)?=\\w+/", "ab1c", "1 2 4 2 3"},
  };
  CheckCases(cases);
}

// A repetition inside a look-around backs off against the rest of the
// look-around's own operand only; what follows the look-around is tried
// after it, from the position where the look-around stands.
TEST(Matcher, RepetitionsInsideALookAroundEndWithItsOperand) {
  const MatchCase cases[] = {
      {"/^(a*b)?=a/", "ab", "1 0 1 0 2"},
      {"/^(a*b)?=ab/", "ab", "1 0 2 0 2"},
      {"/(a*b)?!a/", "ab", "0"},
      {"/x(.*s)?!f/", "xsf", "0"},
      {"/x(.*s)?!./", "xf", "1 0 2 -1 -1"},
      {"/(b+)?#3a/", "bbxa", "1 3 4 0 2"},
      {"/^((a+)?=a+b)?=a/", "aab", "1 0 1 0 3 0 2"},
  };
  CheckCases(cases);
}

TEST(Matcher, MarkersFixTheReportedBoundsOfTheWholeMatch) {
  const MatchCase cases[] = {
      {"/ab\\mc/", "abc", "1 2 3"},
      {"/a\\Mbc/", "abc", "1 0 1"},
      {"/\\M\\mab/", "xab", "1 1 1"},
      {"/a\\mb\\Mc/", "zabc", "1 2 3"},
      {"/(a\\Mb)|c/", "ac", "1 1 2 -1 -1"},    // "\M" of the failed attempt at 0 goes
      {"/(x\\mqq)|y/", "xqy", "1 2 3 -1 -1"},  // so does "\m"
      {"/b\\M\\m/", "ab", "1 2 2"},
      {"/a\\Mb\\m/", "ab", "1 2 1"},  // reversed, as written
  };
  CheckCases(cases);
}

TEST(Matcher, ReferenceBackReferencesReadTheReferenceMatch) {
  PatternObject reference("/(\\w+)=(\\d+)/");
  std::string referenceText = "key=42";
  MatchGroups referenceGroups;
  ASSERT_TRUE(reference.MatchText(referenceText.c_str(), &referenceGroups));

  PatternObject pattern("/\\y1:\\y2/");
  ASSERT_TRUE(pattern.IsPatternValid());
  EXPECT_EQ(RunMatch(pattern, "x key:42"), "0");  // no reference match set yet
  pattern.SetReferenceMatch(referenceText.c_str(), &referenceGroups);
  EXPECT_EQ(RunMatch(pattern, "x key:42"), "1 2 8");
  EXPECT_EQ(RunMatch(pattern, "x KEY:42"), "0");

  PatternObject unset("/a\\y3/");  // group 3 of the reference is -1
  unset.SetReferenceMatch(referenceText.c_str(), &referenceGroups);
  EXPECT_EQ(RunMatch(unset, "a"), "0");
  PatternObject high("/a\\y17/");
  high.SetReferenceMatch(referenceText.c_str(), &referenceGroups);
  EXPECT_EQ(RunMatch(high, "a"), "0");
  // The reference survives a recompilation and can be cleared.
  ASSERT_TRUE(pattern.CompilePattern("/\\y2/"));
  EXPECT_EQ(RunMatch(pattern, "142"), "1 1 3");
  pattern.SetReferenceMatch(nullptr, nullptr);
  EXPECT_EQ(RunMatch(pattern, "142"), "0");
}

TEST(Matcher, MoreThanFifteenGroupsMatchButCaptureNoMore) {
  const char* pattern = "/(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)(p)(q)\\15/";
  std::string expected = "1 0 18";
  for (int g = 1; g < 16; ++g) expected += " " + std::to_string(g - 1) + " " + std::to_string(g);
  EXPECT_EQ(RunMatch(pattern, "abcdefghijklmnopqo"), expected);
  EXPECT_EQ(RunMatch("/(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)(m)(n)(o)(p)\\16/", "abcdefghijklmnopp"),
            "0");
}
