// What the registers hold after a successful match: a group that took part
// holds its capture on the path that matched (a repeated group its last
// iteration kept on that path), a group that did not take part holds -1.
// Nothing an abandoned attempt wrote survives: not from an earlier start
// position, not from an alternative or an optional part that failed, not
// from an iteration a repetition gave back or a rest it only tried.
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

TEST(Registers, EarlierStartPositionsLeaveNothingBehind) {
  const MatchCase cases[] = {
      {"/w|((x?)y)/", "qw", "1 1 2 -1 -1 -1 -1"}, {"/(a)?b/", "ac b", "1 3 4 -1 -1"},
      {"/a(b)?c/", "abx ac", "1 4 6 -1 -1"},      {"/(a)(b)?c/", "abdac", "1 3 5 3 4 -1 -1"},
      {"/((a)|b)x/", "aybx", "1 2 4 2 3 -1 -1"},  {"/(a)+x/", "aab ax", "1 4 6 4 5"},
  };
  CheckCases(cases);
}

TEST(Registers, FailedAlternativesAndOptionalPartsLeaveNothingBehind) {
  const MatchCase cases[] = {
      {"/((a)x)|(ay)/", "ay", "1 0 2 -1 -1 -1 -1 0 2"},
      {"/(a)x|y/", "ay", "1 0 2 0 1"},  // a, then x or y: group 1 took part
      {"/((a)b)?ac/", "ac", "1 0 2 -1 -1 -1 -1"},
      {"/(a(b)?c)?ab/", "ab", "1 0 2 -1 -1 -1 -1"},
      {"/((a)x)|b|(a)/", "a", "1 0 1 -1 -1 -1 -1 0 1"},
      {"/(x(ab)?!)|(x)/", "xab", "1 0 1 -1 -1 -1 -1 0 1"},
      {"/x((a)b)?!/", "xac", "1 0 1 -1 -1 -1 -1"},  // a negative look-ahead keeps nothing
      {"/x(ab)?=/", "xab", "1 0 1 1 3"},            // a positive one keeps its capture
  };
  CheckCases(cases);
}

TEST(Registers, RepetitionsKeepTheLastIterationTheyDidNotGiveBack) {
  const MatchCase cases[] = {
      {"/(ab)*a/", "abab", "1 0 3 0 2"},
      {"/(a)*ab/", "aab", "1 0 3 0 1"},
      {"/(a)+ab/", "ab", "1 0 2 -1 -1"},  // the plus gave back its only iteration
      {"/(a){1,3}ab/", "aaab", "1 0 4 1 2"},
      {"/(a){1,}ab/", "aaab", "1 0 4 1 2"},
      {"/(a){2}/", "aaa", "1 0 2 1 2"},
      {"/((a)b)*ac/", "abac", "1 0 4 0 2 0 1"},        // the failed third walk is undone
      {"/((a)b){0,}?ac/", "ac", "1 0 2 -1 -1 -1 -1"},  // lazy: so is a failed first walk
      {"/((a)|(b))+/", "ab", "1 0 2 1 2 0 1 1 2"},     // group 2 from the first iteration
      {"/(x(a)?)*xb/", "xaxb", "1 0 4 0 2 1 2"},
      {"/(a)*?b/", "aab", "1 0 3 1 2"},
      {"/(ab)+?c/", "ababc", "1 0 5 2 4"},
      {"/(ab){1,2}?c/", "ababc", "1 0 5 2 4"},
      {"/(a)*/", "xa", "1 0 0 -1 -1"},
  };
  CheckCases(cases);
}

TEST(Registers, ARestThatWasOnlyTriedLeavesNothingBehind) {
  const MatchCase cases[] = {
      {"/.*(a)?\\d/", "1ax", "1 0 1 -1 -1"},
      {"/a*(b)/", "aab", "1 0 3 2 3"},
      {"/a*(b)c/", "abd abc", "1 4 7 5 6"},
      {"/x*(a)?(b)/", "xxab", "1 0 4 2 3 3 4"},
  };
  CheckCases(cases);
}

TEST(Registers, MarkersOfAbandonedAttemptsDoNotMoveTheMatch) {
  const MatchCase cases[] = {
      {"/(a\\Mb)|c/", "ac", "1 1 2 -1 -1"},     {"/(x\\mqq)|y/", "xqy", "1 2 3 -1 -1"},
      {"/(ab\\mc)|b/", "abd b", "1 1 2 -1 -1"}, {"/(a\\mx)|(ab)/", "ab", "1 0 2 -1 -1 0 2"},
      {"/(a\\m)*ab/", "aab", "1 1 3 0 1"},  // the "\m" of the given-back iteration goes too
      {"/a\\mb\\Mc/", "zabc", "1 2 3"},     // markers on the path still fix the bounds
  };
  CheckCases(cases);
}

// A back-reference compares with the capture on the path being tried; while
// a repetition inside the group is backing off, that is the group's text so
// far.
TEST(Registers, BackReferencesSeeOnlyTheCaptureOnThePathBeingTried) {
  const MatchCase cases[] = {
      {"/((a)x)?b\\2/", "ayba", "0"},
      {"/(a)?b\\1/", "ab ba", "0"},
      {"/(.)*\\1/", "aba", "0"},
      {"/(.)*\\1/", "abb", "1 0 3 1 2"},
      {"/(a|b)*-\\1/", "ab-b", "1 0 4 1 2"},
      {"/(a+)-\\1/", "aa-aa", "1 0 5 0 2"},
      {"/(\\w+)\\s*=\\s*\\1;/", "x = xx;", "0"},
      {"/(\\w+)\\s*=\\s*\\1;/", "xx = xx;", "1 0 8 0 2"},
      {"/(a)\\1/", "aa", "1 0 2 0 1"},
  };
  CheckCases(cases);
}

// The registers must not depend on which start positions the engine skips
// or which texts its prefilter rejects: a start position is a clean slate.
TEST(Registers, AreTheSameWithThePrefilterOnAndOff) {
  const char* patterns[] = {"/(a)?b/", "/w|((x?)y)/", "/((a)x)|(ay)/", "/(ab)*a/", "/(.)*\\1/"};
  const char* texts[] = {"ac b", "qw", "ay", "abab", "aba", "abb", "xyz", ""};
  for (const char* text : texts) {
    for (const char* source : patterns) {
      SCOPED_TRACE(std::string(source) + " on \"" + text + "\"");
      PatternObject on(source), off(source);
      off.SetPrefilterEnabled(false);
      EXPECT_EQ(RunMatch(on, text), RunMatch(off, text));
    }
  }
}
