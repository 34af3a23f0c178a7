// The engine at and past its limits: the deepest patterns the module can be
// given on a thread with a 1 MiB stack, texts longer than 16-bit offsets,
// allocation failure at every call, and the step limit.
#include <gtest/gtest.h>

#include <pthread.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "regex/pattern_memory.h"
#include "regex_test_support.h"

namespace {

// Runs work on a thread whose stack is 1 MiB, the default of a Windows thread
// (the host calls the module on such a thread); a stack overflow crashes
// the test program.
void OnSmallStack(const std::function<void()>& work) {
  pthread_attr_t attributes;
  ASSERT_EQ(pthread_attr_init(&attributes), 0);
  ASSERT_EQ(pthread_attr_setstacksize(&attributes, 1 << 20), 0);
  pthread_t thread;
  auto run = [](void* argument) -> void* {
    (*static_cast<const std::function<void()>*>(argument))();
    return nullptr;
  };
  ASSERT_EQ(pthread_create(&thread, &attributes, run, const_cast<std::function<void()>*>(&work)),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);
}

std::string Repeat(const std::string& piece, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

// Patterns of exactly `length` bytes, envelope included, that nest or chain
// as deep as that length allows.
std::vector<std::string> DeepPatterns(int length) {
  int body = length - 2;
  return {
      "/" + Repeat("(", body / 2) + Repeat(")", body / 2) + "/",
      "/" + Repeat("(", (body - 1) / 2) + "a" + Repeat(")", (body - 1) / 2) + "/",
      "/a" + Repeat("*", body - 1) + "/",
      "/a" + Repeat("?=", (body - 1) / 2) + "/",
      "/" + Repeat("a*", body / 2) + "/",
      "/" + Repeat("a?", body / 2) + "/",
      "/" + Repeat("a|", body / 2 - 1) + "ab/",
      "/" + Repeat("(a|", (body - 1) / 4) + "b" + Repeat(")", (body - 1) / 4) + "/",
      "/" + Repeat("(a*", (body - 1) / 5) + "b" + Repeat(")*", (body - 1) / 5) + "/",
      "/" + Repeat("(", (body - 1) / 3) + "b" + Repeat(")*", (body - 1) / 3) + "/",
      "/" + Repeat("a*?", body / 3) + "/",
      "/" + Repeat("(x)?=", body / 5) + "/",
  };
}

void MatchDeepPatterns(int length) {
  for (const std::string& pattern : DeepPatterns(length)) {
    SCOPED_TRACE(pattern.substr(0, 16) + "... of " + std::to_string(pattern.size()));
    PatternObject object(pattern.c_str());
    ASSERT_TRUE(object.IsPatternValid()) << CompileErrorText(object.LastError());
    // A chain of k stars costs 2^k walks even where nothing matches (each
    // RestMatches walks the rest, then the sequence walks it again), but the
    // first descent already reaches the full depth: the budget ends the rest.
    object.SetStepLimit(200000);
    MatchGroups groups;
    object.MatchText("b", &groups);
    object.MatchText("aab", &groups);
    object.MatchText("", &groups);
  }
}

}  // namespace

TEST(Limits, DeepestPatternsOfTheSearchFieldFitASmallStack) {
  // 511 characters of search text plus the envelope "/.../i".
  OnSmallStack([] { MatchDeepPatterns(520); });
}

TEST(Limits, DeepestPatternsOfTheLongestTextFitASmallStack) {
  OnSmallStack([] { MatchDeepPatterns(kMaxPatternText); });
}

TEST(Limits, PatternTextsAboveTheLimitAreRefused) {
  std::string longest = "/" + std::string(kMaxPatternText - 2, 'a') + "/";
  PatternObject object(longest.c_str());
  EXPECT_TRUE(object.IsPatternValid());
  std::string tooLong = "/" + std::string(kMaxPatternText - 1, 'a') + "/";
  EXPECT_FALSE(object.CompilePattern(tooLong.c_str()));
  EXPECT_EQ(object.LastError(), ErrTooLong);
}

TEST(Limits, OnlyTheFirst32767BytesOfATextAreMatched) {
  std::string text(40000, 'a');
  text[kMaxMatchedText - 1] = 'x';
  text[kMaxMatchedText] = 'y';
  EXPECT_EQ(RunMatch("/x/", text), "1 32766 32767");
  EXPECT_EQ(RunMatch("/y/", text), "0");
  EXPECT_EQ(RunMatch("/(a*)x/", text), "1 0 32767 0 32766");
  EXPECT_EQ(RunMatch("/a*/", text), "1 0 32766");
  PatternObject object("/a*/");
  MatchGroups groups;
  const char* start = text.data();
  EXPECT_FALSE(object.MatchRange(start + 35000, start, start + text.size(), &groups, 0));
}

// Both ways in: a NUL-terminated line, and a range with an end.
std::string MatchBoth(const char* pattern, const std::string& text) {
  PatternObject object(pattern);
  MatchGroups groups;
  std::string byText = object.MatchText(text.c_str(), &groups) ? Registers(groups) : "0";
  std::string byRange = RunMatch(object, text);
  return byText == byRange ? byText : byText + " but by range " + byRange;
}

// A text longer than the limit is cut, but it goes on past the cut: what
// holds only at the end of a text does not hold there.
TEST(Limits, TheCutIsNotTheEndOfTheText) {
  struct Case {
    const char* pattern;
    char last;   // the text's last byte; the others are "c"
    int before;  // the match at its end is [length - before, length - before + 1)
  } cases[] = {
      {"/c$/", 'c', 1},     {"/c\\b/", 'c', 1},      {"/c\\B/", 'c', 1},     {"/c\\c/", 'c', 1},
      {"/c(.)?!/", 'c', 1}, {"/c(\\w)?~0/", 'c', 1}, {"/c(\\s)?=/", ' ', 2},
  };
  for (const Case& c : cases) {
    const int cut = kMaxMatchedText;
    for (int length : {cut - 1, cut, cut + 1}) {
      SCOPED_TRACE(std::string(c.pattern) + " on " + std::to_string(length) + " bytes");
      std::string text(length, 'c');
      text.back() = c.last;
      int at = length - c.before;
      std::string expected = "1 " + std::to_string(at) + " " + std::to_string(at + 1);
      EXPECT_EQ(MatchBoth(c.pattern, text).substr(0, expected.size()),
                length > kMaxMatchedText ? "0" : expected);
    }
  }
}

TEST(Limits, AtTheCutTheBytePastItDecidesTheWordTests) {
  std::string text(kMaxMatchedText, 'c');
  std::string spaced = text + " x";
  EXPECT_EQ(MatchBoth("/c\\B/", spaced), "1 32766 32767");  // the word ends at the cut
  EXPECT_EQ(MatchBoth("/c\\b/", spaced), "0");
  EXPECT_EQ(MatchBoth("/c$/", spaced), "0");
  EXPECT_EQ(MatchBoth("/c$/", text + "d"), "0");
  EXPECT_EQ(MatchBoth("/^c+$/", std::string(40000, 'c')), "0");
  EXPECT_EQ(MatchBoth("/(c+)(x)?!/", spaced), "1 0 32766 0 32766 -1 -1");  // undecided at the cut
  // A negation around an undecided one is undecided too.
  EXPECT_EQ(MatchBoth("/c((.)?!)?!$/", text + "d"), "0");
}

TEST(Limits, NothingIsReadBeforeTextStart) {
  // The byte before the range would complete each match if it were read.
  const char text[] = "xzab";
  struct Case {
    const char* pattern;
    int start;
    bool found;
  } cases[] = {
      {"/(c?){0,3}x/", 1, false}, {"/(x)?#1z/", 1, false},   {"/(x)?~1z/", 1, true},
      {"/\\bz/", 1, true},        {"/\\Bz/", 1, false},      {"/\\cz/", 1, true},
      {"/(x)?#2a/", 2, false},    {"/(.){1,2}z/", 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    PatternObject object(c.pattern);
    MatchGroups groups;
    EXPECT_EQ(object.MatchRange(text + c.start, text + c.start, text + 4, &groups, 1), c.found);
  }
}

namespace {

int allocationsLeft = -1;  // -1: never fail
int liveBlocks = 0;

void* CountingAllocate(std::size_t size) {
  if (allocationsLeft == 0) return nullptr;
  if (allocationsLeft > 0) --allocationsLeft;
  ++liveBlocks;
  return std::malloc(size);
}

void CountingRelease(void* block) {
  --liveBlocks;
  std::free(block);
}

const PatternAllocator kCountingAllocator = {CountingAllocate, CountingRelease};

}  // namespace

TEST(Limits, AllocationFailureAtEveryCallLeavesTheObjectInvalidAndLeaksNothing) {
  SetPatternAllocator(&kCountingAllocator);
  const char* pattern = "/(a[b-d]+|x{2,3})*?[^\\s]?(y)?=y/i";
  const std::string text = "xxqy";
  const std::string expected = RunMatch(pattern, text);
  ASSERT_EQ(expected, "1 2 4 -1 -1 3 4");
  for (int n = 0;; ++n) {
    SCOPED_TRACE(n);
    liveBlocks = 0;
    {
      PatternObject object("/ok/");
      ASSERT_TRUE(object.IsPatternValid());
      allocationsLeft = n;
      bool compiled = object.CompilePattern(pattern);
      allocationsLeft = -1;
      if (compiled) {
        EXPECT_EQ(RunMatch(object, text), expected);
        EXPECT_GT(n, 10);
        break;
      }
      EXPECT_FALSE(object.IsPatternValid());
      EXPECT_EQ(object.LastError(), ErrOutOfMemory);
      EXPECT_EQ(RunMatch(object, "abd"), "0");
      EXPECT_TRUE(object.CompilePattern("/again/"));
    }
    EXPECT_EQ(liveBlocks, 0);
  }
  EXPECT_EQ(liveBlocks, 0);
  SetPatternAllocator(nullptr);
}

TEST(Limits, StepLimitEndsAPathologicalMatchWithNoMatch) {
  // Adjacent repetitions over the same bytes cost a power of the text length.
  PatternObject object("/a*a*a*a*a*a*a*a*a*a*c/");
  object.SetStepLimit(100000);
  std::string text(40, 'a');
  MatchGroups groups;
  EXPECT_FALSE(object.MatchText(text.c_str(), &groups));
  EXPECT_TRUE(object.MatchText("aac", &groups));  // a new call has a new budget
  EXPECT_EQ(Registers(groups), "1 0 3");
}

namespace {

struct PollLog {
  int calls = 0;
  int stopAt = 0;  // the call that answers "stop"; 0 never
};

bool CountPoll(void* context) {
  PollLog* log = static_cast<PollLog*>(context);
  return ++log->calls == log->stopAt;
}

}  // namespace

TEST(Limits, InterruptCheckEndsAMatchAndLeavesOthersAlone) {
  PatternObject object("/a*a*a*a*a*a*a*a*a*a*c/");
  object.SetPrefilterEnabled(false);  // else the text, lacking "c", is refused at once
  PollLog log;
  log.stopAt = 3;
  object.SetInterruptCheck(CountPoll, &log, 1000);
  std::string text(40, 'a');
  MatchGroups groups;
  EXPECT_FALSE(object.MatchText(text.c_str(), &groups));
  EXPECT_TRUE(object.Interrupted());
  EXPECT_EQ(log.calls, 3);

  // The next call starts afresh, and polls that answer "go on" change nothing.
  EXPECT_TRUE(object.MatchText("aac", &groups));
  EXPECT_FALSE(object.Interrupted());
  EXPECT_EQ(Registers(groups), "1 0 3");

  PatternObject slow("/a*a*a*b/");
  PollLog never;
  slow.SetInterruptCheck(CountPoll, &never, 7);
  EXPECT_TRUE(slow.MatchText((std::string(30, 'a') + "b").c_str(), &groups));
  EXPECT_GT(never.calls, 0);
  EXPECT_FALSE(slow.Interrupted());
}

TEST(Limits, InterruptPollsCountAcrossShortMatches) {
  PatternObject object("/ab/");
  PollLog log;
  object.SetInterruptCheck(CountPoll, &log, 50);
  MatchGroups groups;
  for (int i = 0; i < 100; ++i) object.MatchText("xxxxxxxxab", &groups);
  EXPECT_GT(log.calls, 0);
  object.SetInterruptCheck(nullptr, nullptr, 0);
  int before = log.calls;
  for (int i = 0; i < 100; ++i) EXPECT_TRUE(object.MatchText("xxxxxxxxab", &groups));
  EXPECT_EQ(log.calls, before);
}
