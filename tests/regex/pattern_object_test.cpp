// The object's interface: lifecycle, validity across compilations, ranges,
// anchoring with its pre-check, and what the caller's record holds.
#include <gtest/gtest.h>

#include <cstring>

#include "regex_test_support.h"

namespace {

void Poison(MatchGroups* groups) {
  std::memset(groups, 0x4D, sizeof *groups);
}

bool Untouched(const MatchGroups& groups) {
  MatchGroups poisoned;
  Poison(&poisoned);
  return std::memcmp(&groups, &poisoned, sizeof groups) == 0;
}

}  // namespace

TEST(PatternObject, StartsEmptyAndInvalid) {
  PatternObject object;
  EXPECT_FALSE(object.IsPatternValid());
  EXPECT_EQ(object.GroupCount(), 0);
  MatchGroups groups;
  Poison(&groups);
  EXPECT_FALSE(object.MatchText("abc", &groups));
  EXPECT_TRUE(Untouched(groups));
  PatternObject none(nullptr);
  EXPECT_FALSE(none.IsPatternValid());
  EXPECT_FALSE(none.CompilePattern(nullptr));
}

TEST(PatternObject, EachCompilationReplacesTheLast) {
  PatternObject object("/(a)b/");
  ASSERT_TRUE(object.IsPatternValid());
  EXPECT_EQ(object.GroupCount(), 2);
  EXPECT_FALSE(object.CompilePattern("/(a/"));
  EXPECT_FALSE(object.IsPatternValid());
  EXPECT_EQ(object.GroupCount(), 0);
  EXPECT_EQ(DumpTree(object), "invalid");
  MatchGroups groups;
  Poison(&groups);
  EXPECT_FALSE(object.MatchText("ab", &groups));
  EXPECT_TRUE(Untouched(groups));
  ASSERT_TRUE(object.CompilePattern("/x/i"));
  EXPECT_TRUE(object.IgnoreCase());
  EXPECT_EQ(RunMatch(object, "aX"), "1 1 2");
  ASSERT_TRUE(object.CompilePattern("/x/"));  // flags are cleared by every compilation
  EXPECT_FALSE(object.IgnoreCase());
  EXPECT_EQ(RunMatch(object, "aX"), "0");
}

TEST(PatternObject, MatchTextSetsEveryRegisterOnceAndTheGroupCount) {
  PatternObject object("/(a)(b)?/");
  MatchGroups groups;
  Poison(&groups);
  ASSERT_TRUE(object.MatchText("xa", &groups));
  EXPECT_EQ(groups.groupCount, 3);
  EXPECT_EQ(Registers(groups), "1 1 2 1 2 -1 -1");
  for (int g = 3; g < kMaxGroups; ++g) {
    EXPECT_EQ(groups.groupStart[g], -1);
    EXPECT_EQ(groups.groupEnd[g], -1);
  }
  EXPECT_FALSE(object.MatchText(nullptr, &groups));
  EXPECT_FALSE(object.MatchText("a", nullptr));
}

TEST(PatternObject, MatchRangeCountsOffsetsFromTextStartAndStopsAtTextEnd) {
  PatternObject object("/b+/");
  const char text[] = "abbbc";
  MatchGroups groups;
  ASSERT_TRUE(object.MatchRange(text + 2, text, text + 5, &groups, 0));
  EXPECT_EQ(Registers(groups), "1 2 4");
  ASSERT_TRUE(object.MatchRange(text, text, text + 2, &groups, 0));
  EXPECT_EQ(Registers(groups), "1 1 2");  // the end bounds the text
  EXPECT_FALSE(object.MatchRange(text + 4, text, text + 5, &groups, 0));
  ASSERT_TRUE(object.CompilePattern("/$/"));
  ASSERT_TRUE(object.MatchRange(text + 3, text + 1, text + 3, &groups, 0));
  EXPECT_EQ(Registers(groups), "1 2 2");
  // A start outside the range is refused.
  EXPECT_FALSE(object.MatchRange(text, text + 1, text + 3, &groups, 0));
  EXPECT_FALSE(object.MatchRange(text + 4, text + 1, text + 3, &groups, 0));
  EXPECT_FALSE(object.MatchRange(text + 1, text + 3, text + 1, &groups, 0));
}

TEST(PatternObject, AnchoringTriesOnlyTheStartPosition) {
  PatternObject object("/ab/");
  const char text[] = "xab";
  MatchGroups groups;
  EXPECT_TRUE(object.MatchRange(text + 1, text, text + 3, &groups, 1));
  EXPECT_EQ(Registers(groups), "1 1 3");
  Poison(&groups);
  EXPECT_FALSE(object.MatchRange(text, text, text + 3, &groups, 1));
  EXPECT_TRUE(Untouched(groups));  // the pre-check refused before any register
  EXPECT_TRUE(object.MatchRange(text, text, text + 3, &groups, -1));  // the object's: unanchored
  for (int anchoring : {-2, 2, -100}) {  // only -1 and 0 leave a search unanchored
    SCOPED_TRACE(anchoring);
    EXPECT_FALSE(object.MatchRange(text, text, text + 3, &groups, anchoring));
    EXPECT_TRUE(object.MatchRange(text + 1, text, text + 3, &groups, anchoring));
  }

  EXPECT_TRUE(object.SetAnchored(true));
  EXPECT_FALSE(object.MatchText(text, &groups));
  EXPECT_TRUE(object.MatchRange(text, text, text + 3, &groups, 0));  // for this call only
  EXPECT_FALSE(object.MatchRange(text, text, text + 3, &groups, -1));
  ASSERT_TRUE(object.CompilePattern("/a/"));  // anchoring survives compilation
  EXPECT_FALSE(object.MatchText(text, &groups));
  object.SetAnchored(false);
  EXPECT_TRUE(object.MatchText(text, &groups));
}

TEST(PatternObject, QuickCheckAgreesWithTheMatcherOnItsFirstItem) {
  struct Case {
    const char* pattern;
    const char* text;
    int start;
    const char* expected;
    bool touched;  // false: refused by the pre-check, registers untouched
  } cases[] = {
      {"/^a/", "aa", 0, "1 0 1", true},
      {"/^a/", "aa", 1, "0", false},
      {"/\\bx/", "ax x", 3, "1 3 4", true},
      {"/\\bx/", "ax x", 1, "0", false},
      {"/\\b$/", "ab", 2, "1 2 2", true},  // "\b" holds at the end, as in the matcher
      {"/(x)+y/", "zxy", 1, "1 1 3 1 2", true},
      {"/(x)+y/", "zxy", 0, "0", false},
      {"/x/i", "X", 0, "1 0 1", true},
      {"/\\x90/i", "\xE0", 0, "1 0 1", true},
      {"/a*b/", "xab", 0, "0", true},  // no first item: registers set, then no match
      {"/x/", "", 0, "0", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pattern) + " at " + std::to_string(c.start));
    PatternObject object(c.pattern);
    MatchGroups groups;
    Poison(&groups);
    const char* text = c.text;
    bool found = object.MatchRange(text + c.start, text, text + std::strlen(text), &groups, 1);
    EXPECT_EQ(found ? Registers(groups) : "0", c.expected);
    EXPECT_EQ(!Untouched(groups), c.touched);
  }
}

TEST(PatternObject, CopyGroupTextIsSafeForEveryRegisterState) {
  PatternObject object("/(a)?b(c*)/");
  const char line[] = "ac bccc";
  MatchGroups groups;
  ASSERT_TRUE(object.MatchText(line, &groups));
  char buffer[8];
  EXPECT_EQ(CopyGroupText(line, &groups, 1, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");  // took no part: the attempt at offset 0 left nothing
  EXPECT_EQ(CopyGroupText(line, &groups, 2, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "ccc");
  EXPECT_EQ(CopyGroupText(line, &groups, 0, buffer, 3), 2);
  EXPECT_STREQ(buffer, "bc");                                            // cut to the buffer
  EXPECT_EQ(CopyGroupText(line, &groups, 3, buffer, sizeof buffer), 0);  // no such group
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(CopyGroupText(line, &groups, -1, buffer, sizeof buffer), 0);
  EXPECT_EQ(CopyGroupText(line, &groups, 16, buffer, sizeof buffer), 0);
  EXPECT_EQ(CopyGroupText(line, &groups, 0, buffer, 0), 0);

  ASSERT_TRUE(object.CompilePattern("/a\\Mb\\m/"));  // group 0 reversed: 2 to 1
  ASSERT_TRUE(object.MatchText("ab", &groups));
  EXPECT_EQ(CopyGroupText("ab", &groups, 0, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  ASSERT_TRUE(object.CompilePattern("/(x)|y/"));
  ASSERT_TRUE(object.MatchText("y", &groups));
  EXPECT_EQ(CopyGroupText("y", &groups, 1, buffer, sizeof buffer), 0);  // never set
}
