// Ctrl+Left / Ctrl+Right inside a line and across line ends, with the
// default WordDiv; also through ECTL_PROCESSINPUT as the module sends them.
#include "host/word_motion.h"

#include "host_fixture.h"

namespace host_test {
namespace {

TEST(WordMotion, RightStopsAtDelimiterRunsAndAfterBlanks) {
  struct Case {
    const char* line;
    int from, to;
  } cases[] = {
      {"foo bar", 0, 4}, {"foo bar", 1, 4},  {"foo bar", 3, 4},  {"foo bar", 4, 7},
      {"foo(bar", 0, 3}, {"foo((bar", 3, 8}, {"foo  bar", 0, 5}, {"a.b.c", 0, 1},
      {"a.b.c", 1, 3},   {"\tx", 0, 1},      {"x\t\ty", 0, 3},   {"foo", 3, -1},
      {"foo", 9, -1},    {"", 0, -1},        {"((a", 0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " from " + std::to_string(c.from));
    EXPECT_EQ(c.to, host::WordRight(c.line, c.from, host::kDefaultWordDiv));
  }
}

TEST(WordMotion, LeftStopsAtWordStartsAfterDelimitersOrBlanks) {
  struct Case {
    const char* line;
    int from, to;
  } cases[] = {
      {"foo bar", 7, 4},  {"foo bar", 4, 0}, {"foo bar", 5, 4}, {"foo((", 5, 0},
      {"x foo((", 7, 2},  {"a.b", 3, 2},     {"a.b", 2, 0},     {"foo  ", 5, 0},
      {"foo bar", 20, 4}, {"foo", 0, -1},    {"  foo", 2, 0},   {"(foo", 4, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.line) + " from " + std::to_string(c.from));
    EXPECT_EQ(c.to, host::WordLeft(c.line, c.from, host::kDefaultWordDiv));
  }
}

// Right then Left from inside a word followed by a blank gives the word's start.
TEST(WordMotion, RightThenLeftFindsTheWordAroundTheCursor) {
  std::string line = "int counter_next(void)";
  int right = host::WordRight(line, 6, host::kDefaultWordDiv);
  EXPECT_EQ(16, right);  // the '('
  EXPECT_EQ(4, host::WordLeft(line, right, host::kDefaultWordDiv));
}

using EditorKeys = HostTest;

TEST_F(EditorKeys, WordMotionCrossesLineEnds) {
  h().editor().SetText({"first line", "second"});
  INPUT_RECORD key = {};
  key.EventType = KEY_EVENT;
  key.Event.KeyEvent.bKeyDown = TRUE;
  key.Event.KeyEvent.dwControlKeyState = LEFT_CTRL_PRESSED;
  struct Step {
    WORD vk;
    int line, pos;
  } steps[] = {
      {VK_RIGHT, 0, 6}, {VK_RIGHT, 0, 10}, {VK_RIGHT, 1, 0},
      {VK_RIGHT, 1, 6}, {VK_RIGHT, 1, 6},  // the last line: nothing
      {VK_LEFT, 1, 0},  {VK_LEFT, 0, 10},  {VK_LEFT, 0, 6},
      {VK_LEFT, 0, 0},  {VK_LEFT, 0, 0},
  };
  for (const Step& s : steps) {
    key.Event.KeyEvent.wVirtualKeyCode = s.vk;
    EXPECT_TRUE(info().EditorControl(ECTL_PROCESSINPUT, &key));
    EXPECT_EQ(s.line, h().editor().CurLine());
    EXPECT_EQ(s.pos, h().editor().CurPos());
  }
  EXPECT_NE(std::string::npos, LastTrace().find("\"key\":\"CtrlLeft\""));
}

}  // namespace
}  // namespace host_test
