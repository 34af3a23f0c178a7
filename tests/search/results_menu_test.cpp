// Menu entries (columns, widths, padding, cuts), the title and bottom line,
// the nothing-found warning and the jump to the chosen match.
#include "search/results_menu.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "search/message_format.h"
#include "settings/options.h"
#include "shell/messages.h"
#include "support/module_host.h"

namespace {

SearchResult Result(int line, const char* text, const char* function) {
  SearchResult result = {};
  result.line = line;
  strcpy(result.text, text);
  strcpy(result.function, function);
  return result;
}

std::string Entry(const SearchResult& result, int lineWidth, unsigned functionWidth, bool lines,
                  bool functions) {
  char entry[kMenuTextSize];
  memset(entry, '#', sizeof entry);
  FormatResultEntry(entry, result, ResultColumns{lineWidth, functionWidth}, lines, functions);
  return entry;
}

const std::string kBar = "\xB3";

class ResultsMenu : public support::ModuleTest {};

}  // namespace

TEST(ResultEntry, ColumnsAreRightAlignedNumbersAndLeftAlignedNames) {
  struct Case {
    int line, lineWidth;
    unsigned functionWidth;
    bool lines, functions;
    const char* text;
    const char* function;
    std::string entry;
  } cases[] = {
      {0, 2, 0, true, false, "  x = 1;", "", " 1" + kBar + "x = 1;"},
      {9, 2, 0, true, false, "y", "", "10" + kBar + "y"},
      {41, 3, 0, true, false, "\tz\t", "", " 42" + kBar + "z"},
      {0, 1, 0, false, false, "  only the text  ", "", "only the text"},
      {5, 1, 0, false, true, "t", "", kBar + "t"},  // width 0: the separator alone
      {5, 1, 6, false, true, "t", "main", "main  " + kBar + "t"},
      {5, 1, 4, false, true, "t", "main", "main" + kBar + "t"},  // exactly the width: no blank
      {5, 2, 4, true, true, "t", "f", " 6" + kBar + "f   " + kBar + "t"},
      {5, 2, 0, true, false, " \t \t ", "", " 6" + kBar},  // an all-blank line
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(Entry(Result(c.line, c.text, c.function), c.lineWidth, c.functionWidth, c.lines,
                    c.functions),
              c.entry);
  }
}

TEST(ResultEntry, IsCutToTheMenuText) {
  std::string text(511, 'w');
  std::string entry = Entry(Result(99998, text.c_str(), "fn"), 5, 2, true, true);
  EXPECT_EQ(entry.size(), size_t(kMenuTextSize - 1));
  EXPECT_EQ(entry.substr(0, 12), "99999" + kBar + "fn" + kBar + "www");
}

TEST(ResultEntry, AMatchOffScreenIsShownFromShortlyBeforeIt) {
  // 100 characters of '.', the match, then more text; the entry shows 72 of them.
  const std::string line = "  " + std::string(100, '.') + "needle" + std::string(30, '-');
  struct Case {
    int position;
    int lineWidth;
    bool lines;
    std::string entry;
  } cases[] = {
      // leading blanks do not count: the match is at 100 in the trimmed text
      {102, 1, false, "..." + std::string(8, '.') + "needle" + std::string(30, '-')},
      {102, 5, true,
       "   13" + kBar + "..." + std::string(8, '.') + "needle" + std::string(30, '-')},
      // still on screen with 12 characters to spare: the text starts at its start
      {2 + 60, 1, false, (std::string(100, '.') + "needle" + std::string(21, '-'))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    SearchResult result = Result(12, line.c_str(), "");
    result.position = c.position;
    EXPECT_EQ(Entry(result, c.lineWidth, 0, c.lines, false), c.entry);
  }
}

TEST(ResultEntry, AMatchAtTheEndOrPastTheStoredCopy) {
  const std::string line = std::string(120, 'a') + "end";
  SearchResult result = Result(0, line.c_str(), "");
  result.position = 120;
  std::string entry = Entry(result, 1, 0, false, false);
  EXPECT_EQ(entry, "..." + std::string(8, 'a') + "end");
  // A match past the stored copy (a line longer than the field) shows its end too.
  std::string stored(kResultTextSize - 1, 'b');
  result = Result(0, stored.c_str(), "");
  result.position = 900;
  entry = Entry(result, 1, 0, false, false);
  EXPECT_EQ(entry, "..." + std::string(69, 'b'));
  // A copy stored from inside the line always starts with the mark, and the
  // match is counted from the copy's start.
  result = Result(0, "xxxxneedle yyy", "");
  result.textStart = 1000;
  result.position = 1004;
  EXPECT_EQ(Entry(result, 1, 0, false, false), "...xxxxneedle yyy");
  const std::string far = std::string(100, 'x') + "needle";
  result = Result(0, far.c_str(), "");
  result.textStart = 1000;
  result.position = 1100;
  EXPECT_EQ(Entry(result, 1, 0, false, false), "..." + std::string(8, 'x') + "needle");
}

TEST(ResultEntry, WideColumnsStillLeaveTheMatchInTheEntry) {
  const std::string name(kResultFunctionSize - 1, 'f');
  const std::string line = std::string(200, 'x') + "needle" + std::string(200, 'y');
  SearchResult result = Result(1234567, line.c_str(), name.c_str());
  result.position = 200;
  std::string entry = Entry(result, 10, kResultFunctionSize - 1, true, true);
  ASSERT_EQ(entry.size(), size_t(kMenuTextSize - 1));
  EXPECT_EQ(entry.substr(0, 11), "   1234568" + kBar);
  EXPECT_NE(entry.find(kBar + "..." + std::string(8, 'x') + "needle"), std::string::npos);
}

TEST(ResultEntry, OversizedWidthsStayInsideTheColumns) {
  std::string entry = Entry(Result(1, "t", "f"), 1000, 1000, true, true);
  EXPECT_LE(entry.size(), size_t(kMenuTextSize - 1));
  EXPECT_EQ(entry.substr(entry.size() - 2), kBar + "t");
}

TEST(ResultColumnsTest, WidthsFollowTheLargestNumberAndLongestName) {
  ResultColumns columns = {1, 0};
  WidenColumns(&columns, Result(8, "", "ab"), true);  // shown as 9
  EXPECT_EQ(columns.lineNumberWidth, 1);
  WidenColumns(&columns, Result(9, "", "abcd"), true);  // shown as 10
  EXPECT_EQ(columns.lineNumberWidth, 2);
  EXPECT_EQ(columns.functionWidth, 4u);
  WidenColumns(&columns, Result(99999, "", "a"), false);  // numbers off: width stays
  EXPECT_EQ(columns.lineNumberWidth, 2);
  EXPECT_EQ(columns.functionWidth, 4u);
}

TEST(MessageFormat, LongArgumentsAreCutToTheBuffer) {
  char title[kResultsTitleSize];
  std::string text(511, 's');
  FormatWithText(title, sizeof title, "Search: %s", text.c_str());
  EXPECT_EQ(std::string(title), "Search: " + std::string(kResultsTitleSize - 9, 's'));
  std::string longFormat(2000, 'f');
  FormatWithText(title, sizeof title, (longFormat + "%s").c_str(), "x");
  EXPECT_EQ(strlen(title), size_t(kResultsTitleSize - 1));
  char line[8];
  FormatWithNumber(line, sizeof line, "Found %d", 123456);
  EXPECT_STREQ(line, "Found 1");
}

// The bottom line of a whole scan is the count; a stopped one adds the line
// it stopped at (1-based), or says it stopped when nothing was found; a
// short buffer cuts it.
TEST_F(ResultsMenu, BottomLineSaysWhereAStoppedScanEnded) {
  char bottom[kResultsTitleSize];
  FormatResultsBottom(bottom, sizeof bottom, 7, kScanNotStopped);
  EXPECT_EQ(std::string(bottom), Msg(MsgResultsCount, 7));
  FormatResultsBottom(bottom, sizeof bottom, 7, 99);
  EXPECT_EQ(std::string(bottom), Msg(MsgResultsCount, 7) + Msg(MsgResultsStopped, 100));
  FormatResultsBottom(bottom, sizeof bottom, 0, 0);
  EXPECT_EQ(std::string(bottom), Msg(MsgStoppedEmpty, 1));
  char shortLine[20];
  FormatResultsBottom(shortLine, sizeof shortLine, 7, 99);
  EXPECT_EQ(std::string(shortLine),
            (Msg(MsgResultsCount, 7) + Msg(MsgResultsStopped, 100)).substr(0, 19));
}

TEST_F(ResultsMenu, NothingFoundWarnsOnlyWithZeroWarn) {
  for (int zeroWarn : {1, 0}) {
    SCOPED_TRACE(zeroWarn);
    host().ClearTrace();
    ResultList list(10, 5);
    Options options = settings.options;
    options.ZeroWarn = zeroWarn;
    PresentResults(&list, "needle", ResultColumns{1, 0}, options, kScanNotStopped);
    std::vector<support::Call> messages = Calls("Message");
    EXPECT_EQ(Calls("Menu").size(), 0u);
    if (!zeroWarn) {
      EXPECT_EQ(messages.size(), 0u);
      continue;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].Items(), (std::vector<std::string>{Msg(MsgResultsTitle, "needle"),
                                                             Msg(MsgResultsCount, 0), Msg(MsgOk)}));
  }
}

TEST_F(ResultsMenu, ChoosingAnEntryJumpsToItsMatch) {
  SetLines({"alpha", "beta alpha", "gamma"});
  editor().SetCursor(2, 1);
  ResultList list(10, 5);
  AddSearchResult(&list, 0, 0, "alpha", "");
  AddSearchResult(&list, 1, 5, "beta alpha", "");
  host().QueueKeys("Down Enter");
  PresentResults(&list, "alpha", ResultColumns{1, 0}, settings.options, kScanNotStopped);
  EXPECT_EQ(editor().CurLine(), 1);
  EXPECT_EQ(editor().CurPos(), 5);
  EXPECT_EQ(list.Count(), 0u);
  std::vector<support::Call> menus = Calls("Menu");
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Items(), (std::vector<std::string>{"alpha", "beta alpha"}));
}

TEST_F(ResultsMenu, EscLeavesTheCursorWhereItWas) {
  SetLines({"alpha", "beta alpha"});
  editor().SetCursor(1, 2);
  ResultList list(10, 5);
  AddSearchResult(&list, 0, 0, "alpha", "");
  host().QueueKeys("Esc");
  PresentResults(&list, "alpha", ResultColumns{1, 0}, settings.options, kScanNotStopped);
  EXPECT_EQ(editor().CurLine(), 1);
  EXPECT_EQ(editor().CurPos(), 2);
}
