// A greedy repetition of a one-byte test takes its bytes in one loop. It
// must count the steps and poll the interrupt check exactly as the walks one
// by one do, or a step limit or an Esc would land elsewhere. The tries of
// the rest that a repetition skips where the rest cannot start save steps
// by design (give_back.h): they are off here.
#include <gtest/gtest.h>

#include <string>

#include "regex_test_support.h"

namespace {

struct Polls {
  int calls;
  int stopAt;  // the call that answers "stop"; 0 never
};

bool CountPoll(void* context) {
  Polls* polls = static_cast<Polls*>(context);
  return ++polls->calls == polls->stopAt;
}

// Patterns that start once at a byte in their set and pass the prefilter, so
// only the repetitions differ between the two runs.
const char* const kPatterns[] = {"/^[a-z]*[0-9]+;/",  "/^\\w*\\d*;/",   "/^\\w+[^;]*;?x/",
                                 "/^(\\w{2,})\\W*;/", "/^a*b+\\s*.*;/", "/^A*B?c*\\S{2,}x/i"};
const std::string kText = "abcdefghij0123456789;x";

}  // namespace

TEST(ByteRepetition, StepLimitEndsTheMatchAtTheSameStep) {
  for (const char* pattern : kPatterns) {
    SCOPED_TRACE(pattern);
    for (unsigned long limit = 1; limit < 120; ++limit) {
      PatternObject fast(pattern), slow(pattern);
      fast.SetKeepAllEnabled(false);
      slow.SetPrefilterEnabled(false);
      fast.SetStepLimit(limit);
      slow.SetStepLimit(limit);
      std::string a = RunMatch(fast, kText), b = RunMatch(slow, kText);
      ASSERT_EQ(fast.GaveUp(), slow.GaveUp()) << limit;
      ASSERT_EQ(a, b) << limit;
    }
  }
}

TEST(ByteRepetition, InterruptChecksComeAtTheSameSteps) {
  for (const char* pattern : kPatterns) {
    SCOPED_TRACE(pattern);
    for (unsigned long interval = 1; interval < 40; ++interval) {
      for (int stopAt = 0; stopAt < 4; ++stopAt) {
        Polls fastPolls = {0, stopAt}, slowPolls = {0, stopAt};
        PatternObject fast(pattern), slow(pattern);
        fast.SetKeepAllEnabled(false);
        slow.SetPrefilterEnabled(false);
        fast.SetInterruptCheck(CountPoll, &fastPolls, interval);
        slow.SetInterruptCheck(CountPoll, &slowPolls, interval);
        for (int run = 0; run < 3; ++run) {  // the countdown goes on across calls
          std::string a = RunMatch(fast, kText), b = RunMatch(slow, kText);
          ASSERT_EQ(a, b) << interval;
          ASSERT_EQ(fast.Interrupted(), slow.Interrupted()) << interval;
          ASSERT_EQ(fastPolls.calls, slowPolls.calls) << interval;
        }
      }
    }
  }
}
