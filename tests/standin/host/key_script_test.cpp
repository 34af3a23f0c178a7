// Key scripts: names, text, typed-ahead keys and how they reach the console
// input queue.
#include "host/key_script.h"

#include "host_fixture.h"
#include "host/host_state.h"

namespace host_test {
namespace {

TEST(KeyScript, NamesAndTextBecomeKeys) {
  struct Case {
    const char* script;
    WORD vk;
    DWORD control;
    unsigned char ch;
  } cases[] = {
      {"Enter", VK_RETURN, 0, '\r'},
      {"Esc", VK_ESCAPE, 0, 27},
      {"ShiftTab", VK_TAB, SHIFT_PRESSED, '\t'},
      {"CtrlLeft", VK_LEFT, LEFT_CTRL_PRESSED, 0},
      {"AltShiftF9", VK_F9, LEFT_ALT_PRESSED | SHIFT_PRESSED, 0},
      {"ShiftAltF9", VK_F9, LEFT_ALT_PRESSED | SHIFT_PRESSED, 0},
      {"F12", VK_F12, 0, 0},
      {"AltX", 'X', LEFT_ALT_PRESSED, 'x'},
      {"CtrlY", 'Y', LEFT_CTRL_PRESSED, 25},
      {"\"a\"", 'A', 0, 'a'},
      {"\"Q\"", 'Q', SHIFT_PRESSED, 'Q'},
      {"\"я\"", 0, 0, 0xEF},
      {"\"\\\"\"", 0, 0, '"'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.script);
    std::vector<host::ScriptKey> keys;
    std::string error;
    ASSERT_TRUE(host::ParseKeyScript(c.script, &keys, &error)) << error;
    ASSERT_EQ(1u, keys.size());
    EXPECT_EQ(c.vk, keys[0].vk);
    EXPECT_EQ(c.control, keys[0].control);
    EXPECT_EQ(c.ch, keys[0].ch);
  }
}

TEST(KeyScript, ErrorsLeaveTheKeysAlone) {
  const char* bad[] = {"Entr",   "\"open",  "! Esc",  "CtrlCtrl",    "Ctrl",   "!Snap",
                       "Alt?",   "Esc@",    "Esc@ms", "Esc@-1",      "Esc@3s", "!Esc@3",
                       "Snap@2", "Esc@1x2", "Entr@2", "Esc@99999999"};
  for (const char* script : bad) {
    SCOPED_TRACE(script);
    std::vector<host::ScriptKey> keys(1);
    std::string error;
    EXPECT_FALSE(host::ParseKeyScript(std::string("Enter ") + script, &keys, &error));
    EXPECT_EQ(1u, keys.size());
    EXPECT_FALSE(error.empty());
  }
}

TEST(KeyScript, CommentsMarksAndNamesBack) {
  std::vector<host::ScriptKey> keys;
  std::string error;
  ASSERT_TRUE(
      host::ParseKeyScript("# a comment line\nF11 !Esc \"ab\" !\"c\" Snap\n", &keys, &error));
  ASSERT_EQ(6u, keys.size());
  EXPECT_FALSE(keys[0].typeAhead);
  EXPECT_TRUE(keys[1].typeAhead);
  EXPECT_TRUE(keys[4].typeAhead);
  EXPECT_TRUE(keys[5].snap);
  EXPECT_EQ("AltShiftF9", host::KeyName(VK_F9, SHIFT_PRESSED | LEFT_ALT_PRESSED, 0));
  EXPECT_EQ("CtrlRight", host::KeyName(VK_RIGHT, RIGHT_CTRL_PRESSED, 0));
  EXPECT_EQ("\"a\"", host::KeyName('A', 0, 'a'));
  EXPECT_EQ("AltA", host::KeyName('A', LEFT_ALT_PRESSED, 'a'));
}

TEST(KeyScript, KeysCanWaitForPollsOrMilliseconds) {
  std::vector<host::ScriptKey> keys;
  std::string error;
  ASSERT_TRUE(host::ParseKeyScript("Esc@3 CtrlA@0 Enter@250ms Down", &keys, &error)) << error;
  ASSERT_EQ(4u, keys.size());
  EXPECT_EQ(VK_ESCAPE, keys[0].vk);
  EXPECT_EQ(3, keys[0].afterPolls);
  EXPECT_EQ(-1, keys[0].afterMs);
  EXPECT_EQ(0, keys[1].afterPolls);
  EXPECT_EQ(LEFT_CTRL_PRESSED, keys[1].control);
  EXPECT_EQ(250, keys[2].afterMs);
  EXPECT_EQ(-1, keys[2].afterPolls);
  EXPECT_FALSE(keys[3].Timed());
}

using KeyQueue = HostTest;

// A key waiting for polls reaches the queue at the module's Nth poll after
// the key before it was taken, and holds back the keys behind it.
TEST_F(KeyQueue, TimedKeyIsQueuedAtTheNthPoll) {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  DWORD pending = 99;
  Keys("Enter Esc@2 !\"x\" Down");
  FarMenuItem items[] = {MenuItem("a"), MenuItem("b")};
  EXPECT_EQ(0, info().Menu(0, -1, -1, 0, 0, "", nullptr, nullptr, nullptr, nullptr, items, 2));
  h().state().OnConsolePoll();
  GetNumberOfConsoleInputEvents(in, &pending);
  EXPECT_EQ(1u, pending);  // the release of the Enter that closed the menu
  h().state().OnConsolePoll();
  GetNumberOfConsoleInputEvents(in, &pending);
  EXPECT_EQ(5u, pending);  // Esc, then the typed-ahead x behind it
  EXPECT_EQ(1, h().PendingScriptKeys());
}

// When input is wanted before the module has polled enough, the waiting key
// comes first, so the script's order holds.
TEST_F(KeyQueue, TimedKeyStillWaitingComesBeforeTheNextKey) {
  Keys("Esc@1000 Down");
  FarMenuItem items[] = {MenuItem("a"), MenuItem("b")};
  EXPECT_EQ(-1, info().Menu(0, -1, -1, 0, 0, "", nullptr, nullptr, nullptr, nullptr, items, 2));
  EXPECT_EQ(1, h().PendingScriptKeys());
  Keys("Esc@5ms");  // after Down: the menu moves to "b", then waits out the delay
  EXPECT_EQ(-1, info().Menu(0, -1, -1, 0, 0, "", nullptr, nullptr, nullptr, nullptr, items, 2));
  EXPECT_EQ(0, h().PendingScriptKeys());
}

// Keys wait in the script until a modal loop asks; typed-ahead keys go into
// the console queue right after the key before them is taken.
TEST_F(KeyQueue, TypedAheadKeysReachTheConsoleQueueAfterTheKeyBeforeThem) {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  DWORD pending = 99;
  Keys("Enter !Esc Down");
  GetNumberOfConsoleInputEvents(in, &pending);
  EXPECT_EQ(0u, pending);
  FarMenuItem items[] = {MenuItem("a"), MenuItem("b")};
  EXPECT_EQ(0, info().Menu(0, -1, -1, 0, 0, "", nullptr, nullptr, nullptr, nullptr, items, 2));
  INPUT_RECORD records[4];
  DWORD got = 0;
  ASSERT_TRUE(PeekConsoleInputA(in, records, 4, &got));
  // The Enter's release, then Esc pressed and released, waiting for whoever polls.
  ASSERT_EQ(3u, got);
  EXPECT_EQ(VK_RETURN, records[0].Event.KeyEvent.wVirtualKeyCode);
  EXPECT_FALSE(records[0].Event.KeyEvent.bKeyDown);
  EXPECT_EQ(VK_ESCAPE, records[1].Event.KeyEvent.wVirtualKeyCode);
  EXPECT_TRUE(records[1].Event.KeyEvent.bKeyDown);
  EXPECT_FALSE(records[2].Event.KeyEvent.bKeyDown);
  EXPECT_EQ(1, h().PendingScriptKeys());
  EXPECT_EQ(-1, info().Menu(0, -1, -1, 0, 0, "", nullptr, nullptr, nullptr, nullptr, items, 2));
  EXPECT_EQ(1, h().PendingScriptKeys());  // Down is still waiting
}

TEST_F(KeyQueue, TypeAheadWritesAtOnceAndALeadingMarkToo) {
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  DWORD pending = 0;
  ASSERT_TRUE(h().TypeAhead("Esc \"x\""));
  GetNumberOfConsoleInputEvents(in, &pending);
  EXPECT_EQ(4u, pending);
  FlushConsoleInputBuffer(in);
  Keys("!Esc Enter");
  GetNumberOfConsoleInputEvents(in, &pending);
  EXPECT_EQ(2u, pending);
  EXPECT_FALSE(h().QueueKeys("Nonsense"));
}

}  // namespace
}  // namespace host_test
