// Console input: records come out first in first out, Peek leaves them, Read
// takes them. Against Windows these need a real console: under Wine run from a
// terminal they run, under ctest (no console) they skip; a handle that is not
// a console fails the same way in both builds.
#include "support/fault_injection.h"
#include "shell/win_api.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

INPUT_RECORD Key(WORD virtualKey, BOOL down) {
  INPUT_RECORD r = {};
  r.EventType = KEY_EVENT;
  r.Event.KeyEvent.bKeyDown = down;
  r.Event.KeyEvent.wRepeatCount = 1;
  r.Event.KeyEvent.wVirtualKeyCode = virtualKey;
  return r;
}

class ConsoleInput : public ::testing::Test {
 protected:
  void SetUp() override {
    input_ = GetStdHandle(STD_INPUT_HANDLE);
    DWORD count = 0;
    if (!GetNumberOfConsoleInputEvents(input_, &count)) GTEST_SKIP() << "no console to read";
    ASSERT_TRUE(FlushConsoleInputBuffer(input_));
  }
  void TearDown() override { fault::SetConsoleInputFails(false); }
  void Write(const INPUT_RECORD* records, DWORD n) {
    DWORD written = 0;
    ASSERT_TRUE(WriteConsoleInputA(input_, records, n, &written));
    ASSERT_EQ(n, written);
  }
  HANDLE input_ = nullptr;
};

// A real console (a terminal under Wine) may slip in records of its own, such
// as focus events, at any time; only the key records are ours to check.
std::vector<WORD> KeysIn(const INPUT_RECORD* records, DWORD count) {
  std::vector<WORD> keys;
  for (DWORD i = 0; i < count; ++i)
    if (records[i].EventType == KEY_EVENT)
      keys.push_back(records[i].Event.KeyEvent.wVirtualKeyCode |
                     (records[i].Event.KeyEvent.bKeyDown ? 0x1000 : 0));
  return keys;
}

TEST_F(ConsoleInput, PeekLeavesAndReadTakesInOrder) {
  const INPUT_RECORD keys[] = {Key(VK_ESCAPE, TRUE), Key(VK_ESCAPE, FALSE), Key(VK_F1, TRUE)};
  const std::vector<WORD> written = {0x1000 | VK_ESCAPE, VK_ESCAPE, 0x1000 | VK_F1};
  Write(keys, 3);
  DWORD count = 0;
  ASSERT_TRUE(GetNumberOfConsoleInputEvents(input_, &count));
  EXPECT_LE(3u, count);
  INPUT_RECORD seen[16] = {};
  ASSERT_TRUE(PeekConsoleInputA(input_, seen, 16, &count));
  EXPECT_EQ(written, KeysIn(seen, count));
  ASSERT_TRUE(PeekConsoleInputA(input_, seen, 16, &count));
  EXPECT_EQ(written, KeysIn(seen, count));  // still there
  std::vector<WORD> read;
  for (int i = 0; i < 16 && read.size() < 3; ++i) {
    ASSERT_TRUE(ReadConsoleInputA(input_, seen, 1, &count));
    ASSERT_EQ(1u, count);  // one at a time
    std::vector<WORD> key = KeysIn(seen, count);
    read.insert(read.end(), key.begin(), key.end());
  }
  EXPECT_EQ(written, read);
  ASSERT_TRUE(PeekConsoleInputA(input_, seen, 16, &count));
  EXPECT_TRUE(KeysIn(seen, count).empty());
}

TEST_F(ConsoleInput, FlushEmptiesTheQueue) {
  const INPUT_RECORD keys[] = {Key('A', TRUE), Key('A', FALSE)};
  Write(keys, 2);
  ASSERT_TRUE(FlushConsoleInputBuffer(input_));
  DWORD count = 9;
  ASSERT_TRUE(GetNumberOfConsoleInputEvents(input_, &count));
  EXPECT_EQ(0u, count);
}

TEST_F(ConsoleInput, PeekOfZeroRecordsReportsZero) {
  const INPUT_RECORD key = Key('B', TRUE);
  Write(&key, 1);
  INPUT_RECORD seen = {};
  DWORD count = 9;
  ASSERT_TRUE(PeekConsoleInputA(input_, &seen, 0, &count));
  EXPECT_EQ(0u, count);
}

TEST(ConsoleInputHandles, AHandleThatIsNoConsoleFails) {
  HANDLE bogus = reinterpret_cast<HANDLE>(0x1234);
  INPUT_RECORD seen = {};
  DWORD count = 77;
  SetLastError(0);
  EXPECT_FALSE(PeekConsoleInputA(bogus, &seen, 1, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  EXPECT_EQ(77u, count);
  EXPECT_FALSE(ReadConsoleInputA(INVALID_HANDLE_VALUE, &seen, 1, &count));
  EXPECT_FALSE(GetNumberOfConsoleInputEvents(bogus, &count));
}

TEST_F(ConsoleInput, InjectedFailureBreaksReadingButNotWriting) {
  if (!fault::Available()) GTEST_SKIP() << "needs the stand-in";
  fault::SetConsoleInputFails(true);
  const INPUT_RECORD key = Key(VK_ESCAPE, TRUE);
  Write(&key, 1);
  INPUT_RECORD seen = {};
  DWORD count = 77;
  EXPECT_FALSE(PeekConsoleInputA(input_, &seen, 1, &count));
  EXPECT_FALSE(ReadConsoleInputA(input_, &seen, 1, &count));
  EXPECT_EQ(static_cast<DWORD>(ERROR_INVALID_HANDLE), GetLastError());
  fault::SetConsoleInputFails(false);
  ASSERT_TRUE(ReadConsoleInputA(input_, &seen, 1, &count));
  EXPECT_EQ(1u, count);
}

// The real ReadConsoleInputA waits for input; the stand-in cannot (nothing else
// would fill the queue), so it reports 0 records at once.
TEST_F(ConsoleInput, StandinReadOfAnEmptyQueueReturnsNothing) {
  if (!fault::Available()) GTEST_SKIP() << "the real one waits for a key";
  INPUT_RECORD seen = {};
  DWORD count = 77;
  EXPECT_TRUE(ReadConsoleInputA(input_, &seen, 1, &count));
  EXPECT_EQ(0u, count);
}

}  // namespace
