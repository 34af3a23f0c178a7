// Pattern mode of FindText: positions, groups, the one warning per search,
// and the compiled-pattern cache proven invisible.
#include "search/pattern_search.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "regex/pattern_object.h"
#include "search/text_finder.h"
#include "shell/messages.h"
#include "support/module_host.h"

namespace {

class PatternSearch : public support::ModuleTest {
 protected:
  void TearDown() override {
    SetPatternCacheEnabled(true);
    support::ModuleTest::TearDown();
  }
};

struct Outcome {
  int found, position;
  std::string group;
  bool valid;
  size_t warnings;
  bool operator==(const Outcome& o) const {
    return found == o.found && position == o.position && group == o.group && valid == o.valid &&
           warnings == o.warnings;
  }
};

}  // namespace

TEST_F(PatternSearch, ReportsTheStartOfTheWholeMatchAndOneGroup) {
  struct Case {
    const char* line;
    const char* pattern;
    int group;
    int position;
    const char* text;
  } cases[] = {
      {"abcd", "/b(c)/", 1, 1, "c"},
      {"xxabc", "/ab\\mc/", 0, 4, "c"},
      {"ab", "/a(x)?b/", 1, 0, ""},   // the group never took part
      {"ac b", "/(a)?b/", 1, 3, ""},  // nor here: the attempt at offset 0 left nothing
      {"int main(", "/(\\w+)\\(/", 1, 4, "main"},
      {"abc", "/b/", 16, 1, ""},  // no such register
      {"abc", "/b/", -1, 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pattern);
    int position = -7;
    char group[kGroupBufferSize] = "old";
    EXPECT_EQ(FindText(1, c.line, c.pattern, &position, c.group, group, "", ""), 1);
    EXPECT_EQ(position, c.position);
    EXPECT_STREQ(group, c.text);
  }
}

TEST_F(PatternSearch, NoMatchSetsMinusOneAndAFailedCompilationLeavesPosition) {
  int position = 42;
  char group[kGroupBufferSize] = "old";
  EXPECT_EQ(FindText(1, "abc", "x", &position, 0, group, "/", "/"), 0);
  EXPECT_EQ(position, -1);
  EXPECT_STREQ(group, "old");
  position = 42;
  EXPECT_EQ(FindText(1, "abc", "(", &position, 0, group, "/", "/"), 0);
  EXPECT_EQ(position, 42);
  EXPECT_FALSE(CurrentPatternObject()->IsPatternValid());
}

TEST_F(PatternSearch, PrefixAndSuffixMakeTheEnvelope) {
  int position = 0;
  EXPECT_EQ(FindText(1, "xABc", "abc", &position, 0, nullptr, "/", "/i"), 1);
  EXPECT_EQ(position, 1);
  EXPECT_EQ(FindText(1, "xABc", "abc", &position, 0, nullptr, "/", "/"), 0);
  EXPECT_EQ(FindText(1, "a/b", "a/b", &position, 0, nullptr, "/", "/"),
            1);  // slashes need no escape
}

TEST_F(PatternSearch, OneWarningPerSearchNamingTheFirstFailure) {
  int position = 0;
  FindText(1, "line", "(", &position, 0, nullptr, "/", "/i");
  FindText(1, "line", "/[/", &position, 0, nullptr, "", "");
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Items(),
            (std::vector<std::string>{Msg(MsgError), Msg(MsgBadPattern), "/(/i", Msg(MsgOk)}));
  EXPECT_EQ(messages[0].Text("flags"), "0x1");  // FMSG_WARNING
  EXPECT_EQ(badPatternShown, 1);
  badPatternShown = 0;  // what the next scan does
  FindText(1, "line", "/[/", &position, 0, nullptr, "", "");
  messages = Calls("Message");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].Items()[2], "/[/");
}

TEST_F(PatternSearch, LongGroupIsCutToTheBuffer) {
  std::string line = "<" + std::string(700, 'n') + ">";
  int position = 0;
  char group[kGroupBufferSize + 8];
  memset(group, '#', sizeof group);
  EXPECT_EQ(FindText(1, line.c_str(), "/<(n*)>/", &position, 1, group, "", ""), 1);
  EXPECT_EQ(std::string(group), std::string(kGroupBufferSize - 1, 'n'));
  EXPECT_EQ(group[kGroupBufferSize], '#');
}

TEST_F(PatternSearch, LongTextsAreComposedWhole) {
  // A text of 1,000 characters is composed and compiled whole; one longer
  // than the composition buffer is composed on the heap, refused by the
  // engine, and named whole in the warning.
  std::string text(1000, 'a');
  std::string line = "x" + text;
  int position = 0;
  EXPECT_EQ(FindText(1, line.c_str(), text.c_str(), &position, 0, nullptr, "/", "/"), 1);
  EXPECT_EQ(position, 1);
  std::string huge(kComposedPatternSize + 10, 'b');
  EXPECT_EQ(FindText(1, "b", huge.c_str(), &position, 0, nullptr, "/", "/"), 0);
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Items()[2], "/" + huge + "/");
}

TEST_F(PatternSearch, CacheChangesNothingObservable) {
  // Three patterns per line as with the function column on, a fourth that
  // evicts, invalid ones in between, and repeats.
  struct Step {
    const char* line;
    const char* pattern;
    int group;
  } steps[] = {
      {"if (a)", "/^if/", 0},
      {"int f(x)", "/(\\w+)\\(/", 1},
      {"int f(x)", "/x/i", 0},
      {"void g(y)", "/^if/", 0},
      {"void g(y)", "/(\\w+)\\(/", 1},
      {"void g(y)", "/X/i", 0},
      {"zz", "/(/", 0},
      {"zz", "/z+/", 0},
      {"ab", "/(a)|(b)/", 2},
      {"void g(y)", "/(\\w+)\\(/", 1},
      {"ab", "/[/", 0},
      {"q", "/^if/", 0},
      {"if", "/^if/", 0},
      {"ab", "/(a)|(b)/", 1},
      {"zz", "/(/", 0},
  };
  std::vector<Outcome> outcomes[2];
  for (int cached = 0; cached < 2; ++cached) {
    SCOPED_TRACE(cached);
    SetPatternCacheEnabled(cached != 0);
    ClearCalls();
    for (int search = 0; search < 2; ++search) {
      badPatternShown = 0;
      for (const Step& step : steps) {
        int position = -9;
        char group[kGroupBufferSize] = "old";
        int found = FindText(1, step.line, step.pattern, &position, step.group, group, "", "");
        outcomes[cached].push_back(Outcome{found, position, group,
                                           CurrentPatternObject()->IsPatternValid(),
                                           Calls("Message").size()});
      }
    }
  }
  ASSERT_EQ(outcomes[0].size(), outcomes[1].size());
  for (size_t i = 0; i < outcomes[0].size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_TRUE(outcomes[0][i] == outcomes[1][i]);
  }
  EXPECT_EQ(outcomes[1].back().warnings, 2u);  // one per search
  EXPECT_TRUE(PatternObjectCreated());
}

TEST_F(PatternSearch, CacheKeyIsTheWholeComposedPattern) {
  int position = -9;
  // The same composed text, split in other pieces, is the same pattern.
  ASSERT_EQ(FindText(1, "xAB", "ab", &position, 0, nullptr, "/", "/i"), 1);
  const PatternObject* compiled = CurrentPatternObject();
  EXPECT_EQ(FindText(1, "xAB", "/ab/i", &position, 0, nullptr, "", ""), 1);
  EXPECT_EQ(CurrentPatternObject(), compiled);
  // A key that begins or ends another is not that other.
  EXPECT_EQ(FindText(1, "xAB", "ab", &position, 0, nullptr, "/", "/"), 0);
  EXPECT_EQ(FindText(1, "xAB", "ab", &position, 0, nullptr, "/", "/i"), 1);
  EXPECT_EQ(FindText(1, "xAB", "a", &position, 0, nullptr, "/", "/i"), 1);
  EXPECT_EQ(FindText(1, "xAB", "abc", &position, 0, nullptr, "/", "/i"), 0);
}

// A pattern kept for the lines of a scan must notice when its slot was
// compiled for another pattern in between (the third other one evicts it,
// an invalid one is compiled afresh into the oldest slot), and when the
// cache was switched off and on: else it would run the other pattern.
TEST_F(PatternSearch, RepeatedPatternNoticesItsSlotTakenByAnother) {
  RepeatedPattern header("(\\w+)\\(", "/", "/");
  struct Step {
    std::vector<const char*> others;  // searched before the kept pattern
    bool cache;
    bool dropped;  // the kept pattern is no longer held when it comes
    const char* line;
    const char* name;  // "old": no match
  } steps[] = {
      {{}, true, true, "int f(x)", "f"},
      {{}, true, false, "int f2(x)", "f2"},
      {{"/g/", "/h/", "/k/"}, true, true, "int g(y)", "g"},
      {{"/(/", "/[/", "/(/"}, true, true, "int h(z)", "h"},
      {{}, false, true, "int k(w)", "k"},
      {{}, true, true, "int m(v)", "m"},
      {{"/m/"}, true, false, "m only", "old"},
  };
  bool cache = true;
  for (const Step& step : steps) {
    SCOPED_TRACE(step.line);
    if (step.cache != cache) SetPatternCacheEnabled(cache = step.cache);
    int position = -9;
    for (const char* other : step.others)
      FindText(1, step.line, other, &position, 0, nullptr, "", "");
    EXPECT_EQ(header.Compiled() == nullptr, step.dropped);
    char name[kGroupBufferSize] = "old";
    EXPECT_EQ(header.Find(step.line, &position, 1, name), strcmp(step.name, "old") ? 1 : 0);
    EXPECT_STREQ(name, step.name);
    EXPECT_EQ(header.Compiled() != nullptr, step.cache);
  }
}
