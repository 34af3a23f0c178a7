// The scan through the host stand-in's editor: ranges, progress and Esc, the
// cursor put back, folding, function names, the jump, and the warnings.
#include "search/line_scan.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "search/pattern_search.h"
#include "search/text_finder.h"
#include "settings/options.h"
#include "shell/messages.h"
#include "support/fault_injection.h"
#include "support/module_host.h"

namespace {

const std::string kBar = "\xB3";

class LineScanTest : public support::ModuleTest {
 protected:
  // Runs a whole scan for `text` from the editor's current cursor.
  void Scan(const char* text) {
    LineScan scan;
    PrepareLineScan(&scan);
    RunLineScan(&scan, text, GetEditorCursor());
  }

  // The entries of the one results menu, or nothing when none was shown.
  std::vector<std::string> Entries() {
    std::vector<support::Call> menus = Calls("Menu");
    EXPECT_LE(menus.size(), 1u);
    return menus.empty() ? std::vector<std::string>() : menus.back().Items();
  }

  // 1-based line numbers of the entries (Lines on).
  std::vector<int> FoundLines() {
    std::vector<int> numbers;
    for (const std::string& entry : Entries()) numbers.push_back(std::stoi(entry));
    return numbers;
  }

  void SetRule(int regNum, const char* match, const char* ignore) {
    settings.rule.RegNum = regNum;
    strcpy(settings.rule.Match, match);
    strcpy(settings.rule.Ignore, ignore);
  }

  std::vector<std::string> Lines(int count, const std::string& text) {
    return std::vector<std::string>(size_t(count), text);
  }
};

}  // namespace

TEST_F(LineScanTest, RangeFollowsBeforeAfterAndTheCursorLine) {
  struct Case {
    int before, after, cursor;
    std::vector<int> found;
  } cases[] = {
      {0, 0, 2, {1, 2, 3, 4, 5}},  // Global
      {1, 0, 2, {1, 2}},           // above the cursor line, which is left out
      {1, 0, 0, {}},               // nothing above line 0
      {0, 1, 2, {3, 4, 5}},        // from the cursor line on
      {0, 1, 4, {5}},              // the last line only
      {1, 1, 2, {}},               // both on: empty
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.before << c.after << c.cursor);
    SetLines({"x1", "x2", "x3", "x4", "x5"});
    editor().SetCursor(c.cursor, 0);
    settings.options.Lines = 1;
    settings.options.Before = c.before;
    settings.options.After = c.after;
    host().ClearTrace();
    Scan("x");
    EXPECT_EQ(FoundLines(), c.found);
    EXPECT_EQ(Calls("Message").size(), c.found.empty() ? 1u : 0u);  // the nothing-found warning
  }
}

TEST_F(LineScanTest, UsesTheLineCountReadWhenTheDialogClosed) {
  SetLines({"x", "x", "x"});
  settings.options.Lines = 1;
  LineScan scan;
  PrepareLineScan(&scan);
  SetLines({"x", "x", "x", "x", "x"});
  RunLineScan(&scan, "x", GetEditorCursor());
  EXPECT_EQ(FoundLines(), (std::vector<int>{1, 2, 3}));
}

TEST_F(LineScanTest, ProgressFromElevenHundredLinesOn) {
  for (int count : {1099, 1100}) {
    SCOPED_TRACE(count);
    SetLines(Lines(count, "needle"));
    host().ClearTrace();
    Scan("needle");
    bool shown = count == 1100;
    EXPECT_EQ(Calls("SaveScreen").size(), shown ? 1u : 0u);
    EXPECT_EQ(Calls("RestoreScreen").size(), shown ? 1u : 0u);
    std::vector<support::Call> boxes = Calls("Message");
    EXPECT_EQ(boxes.size(), shown ? 100u : 0u);  // lines 0, 11, 22, ... 1089
    EXPECT_EQ(Entries().size(), size_t(count));
    if (!shown) continue;
    EXPECT_EQ(boxes[0].Items(),
              (std::vector<std::string>{Msg(MsgSearchTitle), Msg(MsgProgressPercent, 0), ""}));
    EXPECT_EQ(boxes[1].Items()[2], Msg(MsgProgressFound, 11));
    EXPECT_EQ(boxes[99].Items()[1], Msg(MsgProgressPercent, 99));
    EXPECT_EQ(boxes[0].Int("buttons"), 0);
  }
}

TEST_F(LineScanTest, ProgressTicksCountFromTheStartOfTheRange) {
  // After on, cursor on line 5 of 1,105: the range is 1,100 lines from line
  // 5, so the ticks fall on lines 5, 16, ... and the percentages count from 5.
  SetLines(Lines(1105, "needle"));
  editor().SetCursor(5, 0);
  settings.options.After = 1;
  host().ClearTrace();
  Scan("needle");
  std::vector<support::Call> boxes = Calls("Message");
  ASSERT_EQ(boxes.size(), 100u);
  EXPECT_EQ(boxes[0].Items(),
            (std::vector<std::string>{Msg(MsgSearchTitle), Msg(MsgProgressPercent, 0), ""}));
  EXPECT_EQ(boxes[1].Items()[2], Msg(MsgProgressFound, 11));
  EXPECT_EQ(boxes[99].Items()[1], Msg(MsgProgressPercent, 99));
  EXPECT_EQ(boxes[99].Items()[2], Msg(MsgProgressFound, 1089));
  EXPECT_EQ(Entries().size(), 1100u);
}

TEST_F(LineScanTest, EscWaitingAtTheFirstTickExaminesNoLine) {
  SetLines(Lines(1100, "needle"));
  editor().SetCursor(500, 2);
  host().TypeAhead("Esc");
  host().ClearTrace();
  Scan("needle");
  EXPECT_EQ(Calls("EditorControl", "ECTL_GETSTRING").size(), 0u);
  EXPECT_TRUE(Calls("Menu").empty());
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_EQ(messages.size(), 1u);  // no progress box, only the warning that says it stopped
  EXPECT_EQ(messages[0].Items(), (std::vector<std::string>{Msg(MsgResultsTitle, "needle"),
                                                           Msg(MsgStoppedEmpty, 1), Msg(MsgOk)}));
  EXPECT_EQ(Calls("RestoreScreen").size(), 1u);
  EXPECT_EQ(editor().CurLine(), 500);
  EXPECT_EQ(editor().CurPos(), 2);
}

// A stopped scan keeps what it found and says where it stopped; a whole scan
// gives the count alone.
TEST_F(LineScanTest, EscAtATickKeepsTheResultsAndNamesTheLine) {
  if (!fault::Available()) GTEST_SKIP() << "a key timed by console polls needs the stand-in";
  SetLines(Lines(1100, "needle"));
  host().QueueKeys("Esc@2");  // typed at the second tick's poll
  Scan("needle");
  std::vector<support::Call> menus = Calls("Menu");
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Items().size(), 11u);  // lines 0 to 10; the tick of line 11 saw the Esc
  EXPECT_EQ(menus[0].Text("bottom"), Msg(MsgResultsCount, 11) + Msg(MsgResultsStopped, 12));
  ClearCalls();
  Scan("needle");
  menus = Calls("Menu");
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0].Text("bottom"), Msg(MsgResultsCount, 1100));
}

TEST_F(LineScanTest, StoppedScanThatFoundNothingIsSilentWithoutZeroWarn) {
  SetLines(Lines(1100, "needle"));
  settings.options.ZeroWarn = 0;
  host().TypeAhead("Esc");
  Scan("needle");
  EXPECT_TRUE(Calls("Menu").empty());
  EXPECT_TRUE(Calls("Message").empty());
}

// The key that closes the invalid-pattern warning in the middle of a scan
// leaves its release in the console queue; the scan must not take it for an
// Esc of the user's. A second Esc typed ahead behind that release still stops it.
TEST_F(LineScanTest, KeyThatClosedTheBadPatternWarningDoesNotStopTheScan) {
  const char* const scripts[] = {
      "Esc@1000",  // pressed and released when the warning wants a key
      "Esc",       // the same, as the warning's own loop takes it
  };
  for (const char* script : scripts) {
    SCOPED_TRACE(script);
    SetLines(Lines(1100, "x"));
    SetRule(1, "/\\w/", "/(/");
    settings.options.CFunc = 1;
    host().ClearTrace();
    host().QueueKeys(script);
    Scan("x");
    std::vector<support::Call> messages = Calls("Message");
    ASSERT_EQ(messages.size(), 101u);  // the progress boxes and the warning
    EXPECT_EQ(messages[1].Items()[1], Msg(MsgBadPattern));
    EXPECT_EQ(messages[1].Int("result"), -1);
    EXPECT_EQ(Entries().size(), 1100u);
    EXPECT_EQ(Calls("Menu")[0].Text("bottom"), Msg(MsgResultsCount, 1100));
    EXPECT_EQ(PendingConsoleInput(), 0u);
  }
  host().ClearTrace();
  host().QueueKeys("Esc !Esc");
  Scan("x");
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_GE(messages.size(), 2u);
  EXPECT_EQ(messages[1].Items()[1], Msg(MsgBadPattern));
  EXPECT_LT(Entries().size(), 1100u);
}

// The pattern backtracks for minutes on the long line; the Esc typed ahead is
// read by the poll during that match, with no progress tick in a 3-line file.
class EscWhileMatching : public LineScanTest {
 protected:
  void SetUp() override {
    LineScanTest::SetUp();
    SetEscPollInterval(1000);
    settings.options.RegExp = 1;
    settings.options.Case = 1;
    settings.options.Lines = 1;
  }
  void TearDown() override {
    SetEscPollInterval(0);
    LineScanTest::TearDown();
  }
  const std::string slowLine = std::string(200, 'a') + "b bc";
};

TEST_F(EscWhileMatching, EndsTheScanAsAnEscAtATick) {
  SetLines({"abc", slowLine, "abc"});
  editor().SetCursor(2, 1);
  host().TypeAhead("Esc");
  Scan("a*a*a*a*bc");
  EXPECT_EQ(FoundLines(), std::vector<int>({1}));  // the long line and the one after it: not found
  EXPECT_EQ(Calls("Menu")[0].Text("bottom"), Msg(MsgResultsCount, 1) + Msg(MsgResultsStopped, 2));
  EXPECT_EQ(PendingConsoleInput(), 0u);
  EXPECT_EQ(editor().CurLine(), 2);
  EXPECT_EQ(editor().CurPos(), 1);
}

TEST_F(EscWhileMatching, EscAloneSaysTheScanStopped) {
  SetLines({"x", slowLine});
  host().TypeAhead("Esc");
  Scan("a*a*a*a*bc");
  EXPECT_TRUE(Calls("Menu").empty());
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].Items()[0], Msg(MsgResultsTitle, "a*a*a*a*bc"));
  EXPECT_EQ(messages[0].Items()[1], Msg(MsgStoppedEmpty, 2));
}

TEST_F(EscWhileMatching, EscDuringTheHeaderTestEndsTheScanToo) {
  settings.options.CFunc = 1;
  SetRule(0, "/a*a*a*a*bc/", "");
  SetLines({"abc", slowLine, "abc"});
  host().TypeAhead("Esc");
  Scan("abc");
  EXPECT_EQ(FoundLines(), std::vector<int>({1}));
  EXPECT_EQ(Calls("Menu")[0].Text("bottom"), Msg(MsgResultsCount, 1) + Msg(MsgResultsStopped, 2));
}

// Polls that see no Esc never change a result: the slow match still ends in
// its match, letters typed meanwhile are taken off the queue as at a tick,
// and a scan after one ended by Esc runs whole.
TEST_F(EscWhileMatching, MatchWithoutEscIsKeptWhole) {
  SetLines({std::string(20, 'a') + "b bc", "abc"});
  host().TypeAhead("\"x\"");
  Scan("a*a*a*a*bc");
  EXPECT_EQ(FoundLines(), std::vector<int>({1, 2}));
  EXPECT_EQ(PendingConsoleInput(), 0u);

  host().TypeAhead("Esc");
  SetLines({slowLine});
  Scan("a*a*a*a*bc");
  SetLines({std::string(20, 'a') + "b bc", "abc"});
  host().ClearTrace();
  Scan("a*a*a*a*bc");
  EXPECT_EQ(FoundLines(), std::vector<int>({1, 2}));
}

TEST_F(EscWhileMatching, NoPollOutsideAScan) {
  host().TypeAhead("Esc");
  int position = 0;
  std::string line = std::string(14, 'a') + "b bc";
  EXPECT_EQ(FindText(1, line.c_str(), "a*a*a*a*bc", &position, 0, nullptr, "/", "/"), 1);
  EXPECT_EQ(position, 16);
  EXPECT_EQ(PendingConsoleInput(), 2u);
}

TEST_F(LineScanTest, LettersTypedDuringTheScanAreLost) {
  SetLines(Lines(1100, "needle"));
  editor().SetCursor(5, 3);
  host().TypeAhead("\"abc\" Enter");
  Scan("needle");
  EXPECT_EQ(Entries().size(), 1100u);
  EXPECT_EQ(PendingConsoleInput(), 0u);
  EXPECT_EQ(editor().CurLine(), 5);  // the Enter never reached the results menu
  EXPECT_EQ(editor().Line(0), "needle");
  EXPECT_FALSE(editor().Modified());
}

TEST_F(LineScanTest, CursorAndViewArePutBackExactly) {
  std::vector<std::string> lines;
  for (int i = 0; i < 200; ++i) lines.push_back("line " + std::to_string(i) + "    x");
  SetLines(lines);
  editor().SetCursor(120, 6, 110, 3);
  const EditorCursor before = GetEditorCursor();
  ASSERT_EQ(before.TopScreenLine, 110);
  ASSERT_EQ(before.LeftPos, 3);
  Scan("x");
  const EditorCursor after = GetEditorCursor();
  EXPECT_EQ(after.CurLine, 120);
  EXPECT_EQ(after.CurPos, 6);
  EXPECT_EQ(after.TopScreenLine, 110);
  EXPECT_EQ(after.LeftPos, 3);
}

TEST_F(LineScanTest, FoldedSearchKeepsTheLettersOfTheFile) {
  SetLines({"aBc def", "ABC", "abd", "\x80\xA1\xA2"});
  Scan("abc");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"aBc def", "ABC"}));
  ClearCalls();
  Scan("\xA0\x81");  // Cyrillic, lower then upper case
  EXPECT_EQ(Entries(), (std::vector<std::string>{"\x80\xA1\xA2"}));
  ClearCalls();
  settings.options.Case = 1;
  Scan("abc");
  EXPECT_TRUE(Entries().empty());
}

TEST_F(LineScanTest, CaseInsensitivePatternKeepsItsEscapesAndGetsTheFlag) {
  SetLines({"aB1", "Bx"});
  settings.options.RegExp = 1;
  Scan("b\\d");  // folding the text would turn \d into \D
  EXPECT_EQ(Entries(), (std::vector<std::string>{"aB1"}));
  ClearCalls();
  settings.options.Case = 1;
  Scan("b\\d");
  EXPECT_TRUE(Entries().empty());
}

TEST_F(LineScanTest, EmptyLineIsNeverFound) {
  SetLines({"", "a", ""});
  settings.options.RegExp = 1;
  settings.options.Lines = 1;
  Scan("^$|a|");
  EXPECT_EQ(FoundLines(), (std::vector<int>{2}));
}

TEST_F(LineScanTest, FunctionNamesComeFromTheNearestHeaderAbove) {
  SetLines({"x0", "alpha(", "x2", "beta( x3", "x4", "if( x5", "if x6"});
  SetRule(1, "/^(\\w+)\\(/", "/^if/");
  settings.options.CFunc = 1;
  Scan("x");
  EXPECT_EQ(Entries(), (std::vector<std::string>{
                           "     " + kBar + "x0",  // before any header: no name
                           "alpha" + kBar + "x2",
                           "beta " + kBar + "beta( x3",  // a found header shows its own name
                           "beta " + kBar + "x4",
                           "beta " + kBar + "if( x5",  // Ignore keeps the previous name
                           "beta " + kBar + "if x6",
                       }));
}

TEST_F(LineScanTest, LinesBeforeTheFirstHeaderInTheRangeHaveNoName) {
  SetLines({"alpha(", "x1", "beta(", "x3"});
  SetRule(1, "/^(\\w+)\\(/", "");
  settings.options.CFunc = 1;
  settings.options.After = 1;
  editor().SetCursor(1, 0);
  Scan("x");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"    " + kBar + "x1", "beta" + kBar + "x3"}));
}

TEST_F(LineScanTest, LongFunctionNamesAreShortened) {
  const std::string name40 = "abcdefghijklmnopqrstuvwxyz0123456789ABCD";
  const std::string name32 = name40.substr(0, 32);
  SetLines({name32 + "( x", name40 + "( x"});
  SetRule(1, "/^(\\w+)\\(/", "");
  settings.options.CFunc = 1;
  Scan("x");
  const std::string cut = name40.substr(0, 30) + "...";
  EXPECT_EQ(Entries(), (std::vector<std::string>{name32 + " " + kBar + name32 + "( x",
                                                 cut + kBar + name40 + "( x"}));
}

TEST_F(LineScanTest, NumberColumnIsAsWideAsTheLargestNumber) {
  SetLines(Lines(10, "x"));
  settings.options.Lines = 1;
  Scan("x");
  std::vector<std::string> entries = Entries();
  ASSERT_EQ(entries.size(), 10u);
  EXPECT_EQ(entries[0], " 1" + kBar + "x");
  EXPECT_EQ(entries[9], "10" + kBar + "x");
}

TEST_F(LineScanTest, AllBlankFoundLineShowsAnEmptyText) {
  SetLines({" \t  \t"});
  settings.options.Lines = 1;
  Scan("\t");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"1" + kBar}));
}

TEST_F(LineScanTest, JumpGoesToTheStartOfTheWholeMatch) {
  struct Case {
    int regExp;
    const char* text;
    int position;
  } cases[] = {
      {0, "bar", 4},
      {1, "x(bar)", 3},      // the whole match, not the group
      {1, "xx x\\mbar", 4},  // \m moves the reported start
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    SetLines({"foo", "xx xbar"});
    editor().SetCursor(0, 0);
    settings.options.RegExp = c.regExp;
    host().QueueKeys("Enter");
    Scan(c.text);
    EXPECT_EQ(editor().CurLine(), 1);
    EXPECT_EQ(editor().CurPos(), c.position);
  }
}

TEST_F(LineScanTest, PlainSearchEndsAtANulByteInEitherCase) {
  for (int caseSensitive : {1, 0}) {
    SCOPED_TRACE(caseSensitive);
    host().ClearTrace();
    settings.options.Case = caseSensitive;
    settings.options.Lines = 1;
    SetLines({std::string("ab\0needle", 9), std::string("needle\0x", 8),
              std::string("x\0needle needle", 16), "NEEDLE \xA0\x80"});
    Scan("needle");
    std::vector<std::string> expected = {"2" + kBar + "needle"};
    if (!caseSensitive) expected.push_back("4" + kBar + "NEEDLE \xA0\x80");
    EXPECT_EQ(Entries(), expected);
  }
}

TEST_F(LineScanTest, LongFoundLineIsStoredCutButJumpsIntoTheWholeLine) {
  SetLines({std::string(600, 'a') + "needle"});
  host().QueueKeys("Enter");
  Scan("needle");
  EXPECT_EQ(editor().CurPos(), 600);
  std::vector<std::string> entries = Entries();
  ASSERT_EQ(entries.size(), 1u);
  // The copy is stored from shortly before the match, so the entry shows it.
  EXPECT_EQ(entries[0], "..." + std::string(kResultContextKept, 'a') + "needle");
}

TEST_F(LineScanTest, TwoInvalidPatternsGiveOneWarningNamingTheFirst) {
  SetLines({"a(", "b(", "c("});
  SetRule(1, "/\\w/", "/(/");  // Ignore fails first, on the first line
  settings.options.CFunc = 1;
  settings.options.RegExp = 1;
  Scan("(");
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_EQ(messages.size(), 2u);  // the warning, then nothing found
  EXPECT_EQ(messages[0].Items(),
            (std::vector<std::string>{Msg(MsgError), Msg(MsgBadPattern), "/(/", Msg(MsgOk)}));
  EXPECT_EQ(messages[1].Items()[0], Msg(MsgResultsTitle, "("));
  ClearCalls();
  Scan("(");  // a new search warns again
  EXPECT_EQ(Calls("Message").size(), 2u);
}

// Match rejects every line by its first byte, before Ignore would run: an
// invalid Ignore is still compiled, and reported, on the first line.
TEST_F(LineScanTest, InvalidIgnoreIsReportedWhenMatchRejectsEveryLine) {
  SetLines({"a(", "b(", "c("});
  for (const char* ignore : {"/(/", "/x/"}) {
    SCOPED_TRACE(ignore);
    ClearCalls();
    SetRule(1, "/^z(\\w+)/", ignore);
    settings.options.CFunc = 1;
    Scan("(");
    std::vector<support::Call> messages = Calls("Message");
    bool invalid = ignore[1] == '(';
    ASSERT_EQ(messages.size(), invalid ? 1u : 0u);
    EXPECT_EQ(Entries().size(), 3u);
    if (invalid) {
      EXPECT_EQ(messages[0].Items(),
                (std::vector<std::string>{Msg(MsgError), Msg(MsgBadPattern), "/(/", Msg(MsgOk)}));
    }
  }
}

// Lines that Match rejects at once and lines it must walk, with an Ignore
// that would hold on some of both: the names are those of the lines that
// Match takes and Ignore leaves.
TEST_F(LineScanTest, FunctionNamesWhenMatchRejectsSomeLinesFirst) {
  SetLines({"int f(x)", "  f(1);", "int g(y)", "if (x)", "  if (y) h(2);", "int if_(z)"});
  SetRule(1, "/^\\w+\\s+(\\w+)\\(/", "/if/");
  settings.options.CFunc = 1;
  Scan("(");
  EXPECT_EQ(Entries(),
            (std::vector<std::string>{"f" + kBar + "int f(x)", "f" + kBar + "f(1);",
                                      "g" + kBar + "int g(y)", "g" + kBar + "if (x)",
                                      "g" + kBar + "if (y) h(2);", "g" + kBar + "int if_(z)"}));
}

TEST_F(LineScanTest, InvalidSearchPatternIsNamedWithItsEnvelope) {
  SetLines({"a"});
  settings.options.RegExp = 1;
  Scan("a)");
  std::vector<support::Call> messages = Calls("Message");
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].Items()[2], "/a)/i");
}

namespace {

// Fault loops: the nth allocation fails, n = 1, 2, ... until a scan runs
// without reaching it. Every run must release all it took, and lose at most
// the one line or result whose block failed (or show no menu when the menu
// array failed). A line dropped for want of memory may be a header line, so
// later names may change: the loops compare the found line numbers.
class LineScanFaults : public LineScanTest {
 protected:
  void TearDown() override {
    SetPatternCacheEnabled(true);
    LineScanTest::TearDown();
  }

  void RunFaultLoop(const char* text, bool cache) {
    if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
    settings.options.Lines = 1;
    SetPatternCacheEnabled(cache);
    ClearCalls();
    Scan(text);
    const std::vector<int> all = FoundLines();
    ASSERT_GE(all.size(), 16u);  // enough to grow the list twice
    for (unsigned n = 1;; ++n) {
      SCOPED_TRACE(n);
      ClearCalls();
      // Compiled patterns outlive a search: release them around each run, so
      // that every run compiles and the count shows only what the run kept.
      ReleasePatternObjects();
      const long live = fault::LiveAllocations();
      fault::FailAllocation(n);
      Scan(text);
      const bool reached = !fault::AllocationFaultArmed();
      fault::FailAllocation(0);
      ReleasePatternObjects();
      EXPECT_EQ(fault::LiveAllocations(), live);
      EXPECT_EQ(editor().CurLine(), 0);
      for (const support::Call& message : Calls("Message"))
        EXPECT_NE(message.Items()[1], Msg(MsgBadPattern));  // no memory is no bad pattern
      std::vector<int> found = FoundLines();
      if (!reached) {
        EXPECT_EQ(found, all);
        EXPECT_GT(n, 3u);
        break;
      }
      if (found.empty()) {  // only when the menu array failed
        EXPECT_TRUE(Calls("Menu").empty());
        continue;
      }
      size_t missing = 0;
      for (size_t i = 0, j = 0; i < all.size(); ++i) {
        if (j < found.size() && found[j] == all[i])
          ++j;
        else
          ++missing;
      }
      EXPECT_EQ(missing, all.size() - found.size());
      EXPECT_LE(missing, 1u);
    }
  }
};

}  // namespace

TEST_F(LineScanFaults, PlainSearchLosesAndLeaksNothing) {
  std::vector<std::string> lines;
  for (int i = 0; i < 30; ++i) lines.push_back(i % 3 ? "x " + std::to_string(i) : "y");
  SetLines(lines);
  RunFaultLoop("X", true);
}

TEST_F(LineScanFaults, PatternSearchWithFunctionNamesLosesAndLeaksNothing) {
  std::vector<std::string> lines;
  for (int i = 0; i < 20; ++i)
    lines.push_back(i % 5 == 0 ? "fn" + std::to_string(i) + "(" : "  x " + std::to_string(i));
  SetLines(lines);
  SetRule(1, "/^(\\w+)\\(/", "/^\\s*#/");
  settings.options.RegExp = 1;
  settings.options.CFunc = 1;
  for (bool cache : {true, false}) {
    SCOPED_TRACE(cache);
    RunFaultLoop("x \\d", cache);
  }
}

TEST_F(LineScanTest, UnreadableConsoleNeverStopsTheScan) {
  if (!fault::Available()) GTEST_SKIP() << "needs the stand-in's console controls";
  SetLines(Lines(1100, "needle"));
  host().TypeAhead("Esc");
  fault::SetConsoleInputFails(true);
  Scan("needle");
  fault::SetConsoleInputFails(false);
  EXPECT_EQ(Entries().size(), 1100u);
  EXPECT_EQ(Calls("Message").size(), 100u);
}

TEST_F(LineScanTest, LineIsSearchedOnlyUpToANulByte) {
  SetLines({std::string("ab\0needle", 9), std::string("needle\0x", 8), std::string("x\0y", 3)});
  settings.options.Lines = 1;
  Scan("needle");
  EXPECT_EQ(FoundLines(), (std::vector<int>{2}));
  ClearCalls();
  settings.options.Case = 1;  // the unfolded path
  Scan("needle");
  EXPECT_EQ(FoundLines(), (std::vector<int>{2}));
  ClearCalls();
  settings.options.RegExp = 1;
  Scan("needle");
  EXPECT_EQ(FoundLines(), (std::vector<int>{2}));
}
