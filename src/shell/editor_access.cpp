// Editor access: the four editor operations go through the host's
// EditorControl and always act on the current editor; CheckForEsc reads the
// console input queue directly, because the host does not hand keys to a
// module while one of its commands runs.
// Covered by tests/shell/editor_access_test.cpp.
#include "shell/editor_access.h"

#include "shell/host_info.h"

// The console input handle is fetched once in the life of the module.
static HANDLE consoleInput;
static bool consoleInputFetched;
// The key that closed one of our messages was Esc and its release is not seen yet.
static bool escReleaseOwed;

EditorCursor GetEditorCursor() {
  EditorInfo info = {};
  HostInfo.EditorControl(ECTL_GETINFO, &info);
  return EditorCursor{info.CurLine, info.CurPos, info.TopScreenLine, info.LeftPos};
}

int SetEditorCursor(int line, int pos, int top, int left) {
  EditorSetPosition position = {};
  position.CurLine = line;
  position.CurPos = pos;
  position.CurTabPos = -1;
  position.TopScreenLine = top;
  position.LeftPos = left;
  position.Overtype = -1;
  return HostInfo.EditorControl(ECTL_SETPOSITION, &position);
}

int SendEditorKey(WORD key, DWORD controlState) {
  INPUT_RECORD record = {};
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = TRUE;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = key;
  record.Event.KeyEvent.dwControlKeyState = controlState;
  return HostInfo.EditorControl(ECTL_PROCESSINPUT, &record);
}

int GetEditorLine(EditorGetString* request, int number) {
  request->StringNumber = number;
  return HostInfo.EditorControl(ECTL_GETSTRING, request);
}

// Every pending record is taken off the queue, whatever its type, so letters
// typed during a scan are lost. A queue that cannot be peeked or read (no
// console, a failing handle) ends the poll at once with what it has seen.
bool CheckForEsc() {
  if (!consoleInputFetched) {
    consoleInput = GetStdHandle(STD_INPUT_HANDLE);
    consoleInputFetched = true;
  }
  bool escSeen = false;
  for (;;) {
    INPUT_RECORD record;
    DWORD available = 0;
    if (!PeekConsoleInputA(consoleInput, &record, 1, &available) || available == 0) break;
    DWORD taken = 0;
    if (!ReadConsoleInputA(consoleInput, &record, 1, &taken) || taken == 0) break;
    if (record.EventType != KEY_EVENT || record.Event.KeyEvent.wVirtualKeyCode != VK_ESCAPE)
      continue;
    bool owed = escReleaseOwed && !record.Event.KeyEvent.bKeyDown;
    escReleaseOwed = false;
    if (!owed) escSeen = true;
  }
  return escSeen;
}

bool ForgetKeyThatClosedMessage(bool closedWithEsc) {
  escReleaseOwed = closedWithEsc;
  return CheckForEsc();
}
