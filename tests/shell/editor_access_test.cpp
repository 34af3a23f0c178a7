// The editor operations through the host stand-in's editor, and the Esc poll
// over the console input queue.
#include "shell/editor_access.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fault_injection.h"
#include "support/module_host.h"

namespace {

class EditorAccess : public support::ModuleTest {
 protected:
  void Write(const std::vector<INPUT_RECORD>& records) {
    DWORD written = 0;
    ASSERT_TRUE(WriteConsoleInputA(GetStdHandle(STD_INPUT_HANDLE), records.data(),
                                   DWORD(records.size()), &written));
    ASSERT_EQ(written, records.size());
  }
};

INPUT_RECORD Key(WORD vk, bool down, char ch = 0) {
  INPUT_RECORD record = {};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = vk;
  record.Event.KeyEvent.uChar.AsciiChar = ch;
  return record;
}

INPUT_RECORD Focus() {
  INPUT_RECORD record = {};
  record.EventType = FOCUS_EVENT;
  record.Event.FocusEvent.bSetFocus = TRUE;
  return record;
}

}  // namespace

TEST_F(EditorAccess, CursorReadIsPutBackExactly) {
  std::vector<std::string> lines(300, "some text that is long enough to scroll");
  SetLines(lines);
  editor().SetCursor(150, 20, 140, 7);
  const EditorCursor saved = GetEditorCursor();
  EXPECT_EQ(saved.CurLine, 150);
  EXPECT_EQ(saved.CurPos, 20);
  EXPECT_EQ(saved.TopScreenLine, 140);
  EXPECT_EQ(saved.LeftPos, 7);
  SetEditorCursor(3, -1, -1, -1);  // as the scan moves through the lines
  EXPECT_EQ(editor().CurLine(), 3);
  SetEditorCursor(saved.CurLine, saved.CurPos, saved.TopScreenLine, saved.LeftPos);
  const EditorCursor back = GetEditorCursor();
  EXPECT_EQ(back.CurLine, 150);
  EXPECT_EQ(back.CurPos, 20);
  EXPECT_EQ(back.TopScreenLine, 140);
  EXPECT_EQ(back.LeftPos, 7);
  std::vector<support::Call> moves = Calls("EditorControl", "ECTL_SETPOSITION");
  ASSERT_EQ(moves.size(), 2u);
  EXPECT_EQ(moves[0].Int("curPos"), -1);
  EXPECT_EQ(moves[0].Int("curTabPos"), -1);
  EXPECT_EQ(moves[0].Int("overtype"), -1);
}

TEST_F(EditorAccess, LineIsReadFromTheCursorLine) {
  SetLines({"first", "", "third line"});
  EditorGetString request = {};
  SetEditorCursor(2, -1, -1, -1);
  GetEditorLine(&request, -1);
  EXPECT_EQ(std::string(request.StringText, size_t(request.StringLength)), "third line");
  SetEditorCursor(1, -1, -1, -1);
  GetEditorLine(&request, -1);
  EXPECT_EQ(request.StringLength, 0);
  EXPECT_EQ(request.StringNumber, -1);
}

TEST_F(EditorAccess, KeysAreTypedIntoTheEditor) {
  SetLines({"alpha beta gamma"});
  editor().SetCursor(0, 7);
  SendEditorKey(VK_RIGHT, LEFT_CTRL_PRESSED);
  const int right = editor().CurPos();
  SendEditorKey(VK_LEFT, LEFT_CTRL_PRESSED);
  EXPECT_GT(right, 7);
  EXPECT_EQ(editor().CurPos(), 6);  // the start of "beta"
  std::vector<support::Call> keys = Calls("EditorControl", "ECTL_PROCESSINPUT");
  ASSERT_EQ(keys.size(), 2u);
  EXPECT_EQ(keys[0].Int("eventType"), KEY_EVENT);
  EXPECT_TRUE(keys[0].Int("down"));
  EXPECT_FALSE(editor().Modified());
}

TEST_F(EditorAccess, CheckForEscConsumesEveryPendingRecord) {
  struct Case {
    const char* name;
    std::vector<INPUT_RECORD> records;
    bool esc;
  } cases[] = {
      {"nothing", {}, false},
      {"press and release", {Key(VK_ESCAPE, true), Key(VK_ESCAPE, false)}, true},
      {"release only", {Key(VK_ESCAPE, false)}, true},
      {"letters and Esc", {Key('A', true, 'a'), Key(VK_ESCAPE, true), Key('B', true, 'b')}, true},
      {"letters only", {Key('A', true, 'a'), Key('A', false, 'a')}, false},
      {"other events", {Focus(), Key(VK_RETURN, true)}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (!c.records.empty()) Write(c.records);
    EXPECT_EQ(CheckForEsc(), c.esc);
    EXPECT_EQ(PendingConsoleInput(), 0u);
    EXPECT_FALSE(CheckForEsc());  // nothing left to see
  }
}

// After one of the module's own messages: the queue is emptied, and when Esc
// closed it, its release that comes later is no Esc of the user's; the next
// release, and any press, count again, also a press already queued when the
// message returns.
TEST_F(EditorAccess, KeyThatClosedAMessageIsNoEsc) {
  Write({Key(VK_ESCAPE, false), Key(VK_ESCAPE, true), Key(VK_ESCAPE, false)});
  EXPECT_TRUE(ForgetKeyThatClosedMessage(true));  // pressed twice: the second one stops
  EXPECT_EQ(PendingConsoleInput(), 0u);

  Write({Key(VK_ESCAPE, false), Key('A', true, 'a')});
  EXPECT_FALSE(ForgetKeyThatClosedMessage(true));
  EXPECT_EQ(PendingConsoleInput(), 0u);
  Write({Key(VK_ESCAPE, false)});
  EXPECT_TRUE(CheckForEsc());  // the owed release was among the records emptied

  ForgetKeyThatClosedMessage(true);
  Write({Key('A', true, 'a'), Key(VK_ESCAPE, false)});
  EXPECT_FALSE(CheckForEsc());  // released after the message had gone
  Write({Key(VK_ESCAPE, false)});
  EXPECT_TRUE(CheckForEsc());

  ForgetKeyThatClosedMessage(true);
  Write({Key(VK_ESCAPE, true), Key(VK_ESCAPE, false)});
  EXPECT_TRUE(CheckForEsc());  // a new press counts

  ForgetKeyThatClosedMessage(false);  // closed with Enter: every Esc counts
  Write({Key(VK_ESCAPE, false)});
  EXPECT_TRUE(CheckForEsc());
}

TEST_F(EditorAccess, CheckForEscReturnsAtOnceWhenTheQueueCannotBeRead) {
  if (!fault::Available()) GTEST_SKIP() << "needs the stand-in's console controls";
  Write({Key(VK_ESCAPE, true)});
  fault::SetConsoleInputFails(true);
  EXPECT_FALSE(CheckForEsc());
  fault::SetConsoleInputFails(false);
  EXPECT_TRUE(CheckForEsc());  // the record was left where it was
}
