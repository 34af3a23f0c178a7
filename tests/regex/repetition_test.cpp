// Each repetition kind: how far it takes, how it backs off (one byte at a
// time, whatever the operand's length), lazy kinds against their greedy
// twins, and operands that match the empty string.
#include <gtest/gtest.h>

#include "regex_test_support.h"

namespace {

template <size_t N>
void CheckCases(const MatchCase (&cases)[N]) {
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " on \"" + c.text + "\"");
    EXPECT_EQ(RunMatch(c.pattern, c.text), c.expected);
  }
}

}  // namespace

TEST(Repetition, GreedyKindsTakeAllThenGiveBackByteByByte) {
  const MatchCase cases[] = {
      {"/a*b/", "aaab", "1 0 4"},     {"/x*/", "abc", "1 0 0"},
      {"/a*/", "aaa", "1 0 3"},       {"/<.*>/", "<a><b>", "1 0 6"},
      {"/a+/", "aaa", "1 0 3"},       {"/a+ab/", "ab", "1 0 2"},  // the plus gives back its only a
      {"/a+a/", "a", "1 0 1"},        {"/a{1,}ab/", "ab", "0"},   // an at-least keeps its n
      {"/cb{0,}c/", "cd", "0"},       {"/cb{0,}c/", "cbbc", "1 0 4"},
      {"/a{2,}/", "aaaa", "1 0 4"},   {"/a{2,3}/", "aaaa", "1 0 3"},
      {"/a{1,3}/", "aaaa", "1 0 3"},  {"/a{2}/", "a", "0"},
      {"/a{2}/", "aaa", "1 0 2"},     {"/a{}b/", "ab", "1 1 2"},
      {"/a{0}b/", "b", "1 0 1"},      {"/a?a/", "a", "0"},  // an optional never gives back
      {"/(a)?a/", "aa", "1 0 2 0 1"}, {"/\\d{3}-\\d+/", "tel 555-1234", "1 4 12"},
  };
  CheckCases(cases);
}

// A group repeated keeps the last iteration that is whole on the path: one
// the repetition gave back a byte of is no longer on it.
TEST(Repetition, BackOffOfMultiByteOperandsEndsInsideARepetition) {
  const MatchCase cases[] = {
      {"/(ab)*b/", "ababx", "1 0 4 0 2"},  // gave back one byte of the last "ab"
      {"/(ab)+ab/", "ab", "1 0 2 -1 -1"},  // down to the start, not the first repetition
      {"/(ab)+ab/", "abab", "1 0 4 0 2"},
      {"/(ab)+c/", "abac", "0"},
      // An at-least counts one repetition less per byte: two bytes back it
      // already has too few.
      {"/(ab){1,}ab/", "abab", "0"},
      {"/(ab){2,}b/", "ababab", "1 0 6 2 4"},
      {"/(ab){1,2}ab/", "abab", "0"},
      {"/(ab){0,2}ab/", "abab", "1 0 4 0 2"},
      {"/(ab){1,2}b/", "ababx", "1 0 4 0 2"},
      {"/(abc)*c/", "abcabc", "1 0 6 0 3"},
      {"/(abc)*bc/", "abcab", "1 0 3 -1 -1"},
  };
  CheckCases(cases);
}

TEST(Repetition, LazyKindsAgainstTheirGreedyTwins) {
  const MatchCase cases[] = {
      {"/a*?b/", "aaab", "1 0 4"},
      {"/a*?/", "aaa", "1 0 0"},
      {"/<.*?>/", "<a><b>", "1 0 3"},
      {"/a*?b/", "aac", "0"},  // the walk fails at c: the lazy star stops there
      {"/x*?y/", "xxy", "1 0 3"},
      {"/a+?/", "aaa", "1 0 1"},
      {"/a+?a/", "a", "0"},  // unlike "/a+a/", nothing is given back
      {"/a??b/", "ab", "1 0 2"},
      {"/a??a/", "a", "1 0 1"},  // unlike "/a?a/"
      {"/a??b/", "c", "0"},
      {"/a{2,3}?x/", "aaax", "1 0 4"},
      {"/a{1,3}?/", "aaaa", "1 0 1"},
      {"/a{0,2}?b/", "aaab", "1 1 4"},  // three would exceed the upper count
      {"/a{2,}?/", "aaaa", "1 0 2"},
      {"/a{0,}?/", "aaa", "1 0 1"},  // the operand is tried once, even for n = 0
      {"/(ab){1,3}?ab/", "ababab", "1 0 4 0 2"},
      {"/(ab){1,}?ab/", "ababab", "1 0 4 0 2"},
      {"/(ab){0,}?ab/", "ab", "0"},
      {"/(ab)*?ab/", "ab", "1 0 2 -1 -1"},
      {"/(ab)+?ab/", "ababab", "1 0 4 0 2"},
      {"/a{2}?/", "aaa", "1 0 2"},
      {"/a{2}?/", "a", "0"},
  };
  CheckCases(cases);
}

TEST(Repetition, OperandsThatMatchEmptyEndTheirLoop) {
  const MatchCase cases[] = {
      {"/(a*)*b/", "aab", "1 0 3 2 2"},
      {"/(a*)*/", "", "1 0 0 0 0"},
      {"/(b?)+c/", "bbc", "1 0 3 2 2"},
      {"/a**/", "aa", "1 0 2"},
      {"/a*+/", "aa", "1 0 2"},
      {"/(\\b)*x/", "x", "1 0 1 0 0"},
      {"/(\\b)+/", "  ", "1 2 2 2 2"},
      {"/(a?){2,}b/", "b", "1 0 1 0 0"},  // the missing repetitions count as empty
      {"/(a?){3,}b/", "ab", "1 0 2 1 1"},
      {"/(a?){2,}?b/", "b", "1 0 1 0 0"},
      {"/(a*)*?b/", "aab", "1 0 3 0 2"},
      {"/(a?)*?x/", "b", "0"},
      {"/(a?)+?b/", "b", "1 0 1 0 0"},
      {"/(a?)+?x/", "b", "0"},
      {"/(a|)*b/", "aab", "1 0 3 2 2"},
      {"/(a?){3}b/", "ab", "1 0 2 1 1"},
      {"/(a?){2,4}?b/", "b", "1 0 1 0 0"},
      // A between never backs off below where it began.
      {"/x(c?){0,3}x/", "xz", "0"},
      {"/(c?){0,3}x/", "z", "0"},
      {"/(c?){0,3}z/", "z", "1 0 1 0 0"},
      {"/(c?){1,3}x/", "cx", "1 0 2 1 1"},
      {"/a(\\b?){2}a/", "aa", "1 0 2 1 1"},
      {"/((a?)?=)*b/", "ab", "1 1 2 1 1 1 1"},
  };
  CheckCases(cases);
}

TEST(Repetition, CountsUpToTheirLimit) {
  const std::string a255(255, 'a');
  EXPECT_EQ(RunMatch("/^a{255}$/", a255), "1 0 255");
  EXPECT_EQ(RunMatch("/^a{255}$/", a255.substr(1)), "0");
  EXPECT_EQ(RunMatch("/^a{255}$/", a255 + "a"), "0");
  EXPECT_EQ(RunMatch("/a{255,}/", a255 + "aa"), "1 0 257");
  EXPECT_EQ(RunMatch("/a{,255}?$/", a255), "1 0 255");
}
