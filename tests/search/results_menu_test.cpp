// Menu entries (columns, widths, padding, cuts), the title and bottom line,
// the nothing-found warning and the jump to the chosen match.
#include "search/results_menu.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "search/message_format.h"
#include "search/result_pages.h"
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

class ResultsMenu : public support::ModuleTest {
 protected:
  // Presents `count` results, result i on line i at position 2, after `keys`;
  // returns the Menu calls.
  std::vector<support::Call> Present(unsigned count, const std::string& keys) {
    std::vector<std::string> lines(count, "a needle");
    SetLines(lines);
    ResultList list(10, 5);
    for (unsigned i = 0; i < count; ++i) AddSearchResult(&list, int(i), 2, "a needle", "");
    host().QueueKeys(keys);
    PresentResults(&list, "needle", ResultColumns{1, 0}, settings.options, kScanNotStopped);
    EXPECT_EQ(list.Count(), 0u);
    return Calls("Menu");
  }
  std::string PageBottom(unsigned total, unsigned first, unsigned last) const {
    char bottom[kResultsTitleSize];
    FormatWithNumbers(bottom, sizeof bottom, Msg(MsgResultsPage).c_str(), int(total), int(first),
                      int(last));
    return bottom;
  }
  std::vector<std::string> Bottoms(const std::vector<support::Call>& menus) const {
    std::vector<std::string> bottoms;
    for (const support::Call& menu : menus) bottoms.push_back(menu.Text("bottom"));
    return bottoms;
  }
  std::vector<std::string> BreakKeys(const support::Call& menu) const {
    std::vector<std::string> keys;
    const support::TraceValue* list = menu.Field("breakKeys");
    if (list)
      for (const support::TraceValue& key : list->list) keys.push_back(key.text);
    return keys;
  }
};

const unsigned K = kResultsPageSize;

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
  const std::string farText = std::string(100, 'x') + "needle";
  result = Result(0, farText.c_str(), "");
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
  // At every power of ten: 10^w - 1 still fits w digits, 10^w needs one more.
  long long power = 10;
  for (int width = 1; width <= 9; ++width, power *= 10) {
    SCOPED_TRACE(width);
    ResultColumns grown = {width, 0};
    WidenColumns(&grown, Result(int(power - 2), "", ""), true);
    EXPECT_EQ(grown.lineNumberWidth, width);
    WidenColumns(&grown, Result(int(power - 1), "", ""), true);
    EXPECT_EQ(grown.lineNumberWidth, width + 1);
  }
  ResultColumns none = {0, 0};  // no width yet: even line 0 widens it
  WidenColumns(&none, Result(0, "", ""), true);
  EXPECT_EQ(none.lineNumberWidth, 1);
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
  FormatResultsBottom(bottom, sizeof bottom, 7, 0, 7, kScanNotStopped);
  EXPECT_EQ(std::string(bottom), Msg(MsgResultsCount, 7));
  FormatResultsBottom(bottom, sizeof bottom, 7, 0, 7, 99);
  EXPECT_EQ(std::string(bottom), Msg(MsgResultsCount, 7) + Msg(MsgResultsStopped, 100));
  FormatResultsBottom(bottom, sizeof bottom, 0, 0, 0, 0);
  EXPECT_EQ(std::string(bottom), Msg(MsgStoppedEmpty, 1));
  char shortLine[20];
  FormatResultsBottom(shortLine, sizeof shortLine, 7, 0, 7, 99);
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

TEST_F(ResultsMenu, AFullPageIsStillOneMenuWithoutPageKeys) {
  std::vector<support::Call> menus = Present(K, "End Enter");
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Text("bottom"), Msg(MsgResultsCount, int(K)));
  EXPECT_EQ(menus[0].Field("breakKeys")->kind, support::TraceValue::Null);
  EXPECT_EQ(menus[0].Items().size(), size_t(K));
  EXPECT_EQ(editor().CurLine(), int(K) - 1);
}

TEST_F(ResultsMenu, PageEntriesLeadOnAndBack) {
  // Page 1, its last entry to page 2, its first entry back onto result K.
  std::vector<support::Call> menus = Present(2 * K + 1, "End Enter Home Enter Enter");
  ASSERT_EQ(menus.size(), 3u);
  EXPECT_EQ(Bottoms(menus), (std::vector<std::string>{PageBottom(2 * K + 1, 1, K),
                                                      PageBottom(2 * K + 1, K + 1, 2 * K),
                                                      PageBottom(2 * K + 1, 1, K)}));
  std::vector<std::string> first = menus[0].Items(), second = menus[1].Items();
  ASSERT_EQ(first.size(), size_t(K + 1));
  ASSERT_EQ(second.size(), size_t(K + 2));
  EXPECT_EQ(first[0], "a needle");
  EXPECT_NE(first[K].find(std::to_string(K + 1) + "-" + std::to_string(2 * K)), std::string::npos);
  EXPECT_NE(second[0].find("1-" + std::to_string(K)), std::string::npos);
  EXPECT_EQ(menus[1].Int("start"), 1);           // the first result of the page after
  EXPECT_EQ(menus[2].Int("start"), int(K) - 1);  // the last result of the page before
  EXPECT_EQ(editor().CurLine(), int(K) - 1);
  EXPECT_EQ(editor().CurPos(), 2);
}

TEST_F(ResultsMenu, PageKeysReachTheLastResult) {
  const unsigned total = 2 * K + 1;
  std::vector<support::Call> menus =
      Present(total, "CtrlPgUp CtrlPgDn CtrlPgDn CtrlHome CtrlEnd End Enter");
  // Only the keys that lead somewhere are break keys: Ctrl+PgUp on the first
  // page stays the menu's own key.
  ASSERT_EQ(menus.size(), 5u);
  EXPECT_EQ(Bottoms(menus),
            (std::vector<std::string>{PageBottom(total, 1, K), PageBottom(total, K + 1, 2 * K),
                                      PageBottom(total, total, total), PageBottom(total, 1, K),
                                      PageBottom(total, total, total)}));
  EXPECT_EQ(BreakKeys(menus[0]), (std::vector<std::string>{"CtrlPgDn", "CtrlEnd"}));
  EXPECT_EQ(BreakKeys(menus[1]),
            (std::vector<std::string>{"CtrlPgUp", "CtrlPgDn", "CtrlHome", "CtrlEnd"}));
  EXPECT_EQ(BreakKeys(menus[2]), (std::vector<std::string>{"CtrlPgUp", "CtrlHome"}));
  EXPECT_EQ(menus[2].Items().size(), 2u);  // the page before and the one result
  EXPECT_EQ(editor().CurLine(), int(total) - 1);
  EXPECT_EQ(editor().CurPos(), 2);
}

TEST_F(ResultsMenu, EscOnALaterPageLeavesTheCursor) {
  std::vector<support::Call> menus = Present(K + 5, "CtrlPgDn Esc");
  ASSERT_EQ(menus.size(), 2u);
  EXPECT_EQ(editor().CurLine(), 0);
  EXPECT_EQ(editor().CurPos(), 0);
}
