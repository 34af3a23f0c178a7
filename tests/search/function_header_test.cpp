// Header lines, Ignore lines and the shortening of function names.
#include "search/function_header.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "search/text_finder.h"
#include "settings/options.h"
#include "support/module_host.h"

namespace {

FunctionRule Rule(int regNum, const char* match, const char* ignore) {
  FunctionRule rule = {};
  rule.RegNum = regNum;
  strcpy(rule.Match, match);
  strcpy(rule.Ignore, ignore);
  return rule;
}

class FunctionHeader : public support::ModuleTest {};

}  // namespace

TEST_F(FunctionHeader, MatchSetsTheNameAndIgnoreOrNoMatchLeavesIt) {
  const FunctionRule rule = Rule(1, "/^(\\w+)\\(/", "/^if\\(/");
  struct Case {
    const char* line;
    int header;
    const char* name;  // the buffer starts as "old"
  } cases[] = {
      {"main(int argc)", 1, "main"},
      {"if(x)", 0, "old"},     // ruled out by Ignore
      {"  x = 1;", 0, "old"},  // no header
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    char name[kGroupBufferSize] = "old";
    EXPECT_EQ(IsFunctionHeader(rule, c.line, name), c.header);
    EXPECT_STREQ(name, c.name);
  }
}

TEST_F(FunctionHeader, EmptyMatchMarksNothingAndEmptyIgnoreRulesOutNothing) {
  char name[kGroupBufferSize] = "old";
  EXPECT_EQ(IsFunctionHeader(Rule(0, "", ""), "main(", name), 0);
  EXPECT_STREQ(name, "old");
  EXPECT_EQ(IsFunctionHeader(Rule(0, "/main/", ""), "main(", name), 1);
  EXPECT_STREQ(name, "main");
}

TEST_F(FunctionHeader, GroupNumberOutsideTheRegistersGivesAnEmptyName) {
  for (int regNum : {-1, 16, 99}) {
    SCOPED_TRACE(regNum);
    char name[kGroupBufferSize] = "old";
    EXPECT_EQ(IsFunctionHeader(Rule(regNum, "/(main)/", ""), "int main(", name), 1);
    EXPECT_STREQ(name, "");
  }
}

// A name comes only from text the matching line's match took in: a RegNum
// group that did not take part gives an empty name, whatever an abandoned
// attempt at an earlier position or in another alternative captured.
TEST_F(FunctionHeader, AGroupThatDidNotTakePartGivesAnEmptyName) {
  struct Case {
    int regNum;
    const char* match;
    const char* line;
    const char* name;
  } cases[] = {
      {1, "/(\\w+)?\\(/", "  x = (y);", ""},
      {2, "/((\\w+)::)|((\\w+)\\()/", "main(int)", ""},
      {4, "/((\\w+)::)|((\\w+)\\()/", "main(int)", "main"},
      {2, "/((\\w+)::)|((\\w+)\\()/", "Shape::area(", "Shape"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.match) + " on " + c.line);
    char name[kGroupBufferSize] = "old";
    EXPECT_EQ(IsFunctionHeader(Rule(c.regNum, c.match, ""), c.line, name), 1);
    EXPECT_STREQ(name, c.name);
    int position = 0;
    char found[kGroupBufferSize] = "old";
    EXPECT_EQ(FindText(1, c.line, c.match, &position, c.regNum, found, "", ""), 1);
    EXPECT_STREQ(found, c.name);
  }
}

TEST(ShortenFunctionName, TrimsAndCutsPastThirtyTwoCharacters) {
  const std::string letters = "abcdefghijklmnopqrstuvwxyz0123456789ABCDEFGHIJ";
  for (size_t length : {0u, 1u, 31u, 32u, 33u, 40u}) {
    SCOPED_TRACE(length);
    char name[kGroupBufferSize];
    std::string source = letters.substr(0, length);
    strcpy(name, (" \t" + source + "  ").c_str());
    ShortenFunctionName(name);
    std::string expected = length > 32 ? letters.substr(0, 30) + "..." : source;
    EXPECT_EQ(std::string(name), expected);
    EXPECT_LE(strlen(name), 33u);
  }
}
