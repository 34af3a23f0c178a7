// Editor access: read and move the cursor of the current editor, read lines,
// type keys into it, and notice Esc during a long scan.
#pragma once

#include "shell/plugin_api.h"

struct EditorCursor {
  int CurLine;
  int CurPos;
  int TopScreenLine;
  int LeftPos;
};

// Cursor line, position, top screen line and left column of the editor.
EditorCursor GetEditorCursor();
// -1 leaves a value unchanged. Returns the host's result.
int SetEditorCursor(int line, int pos, int top, int left);
// Types one key press into the editor. Returns the host's result.
int SendEditorKey(WORD key, DWORD controlState);
// Fills `request` for line `number` (-1: the cursor line). Returns the host's result.
int GetEditorLine(EditorGetString* request, int number);
// Consumes every pending console input record; true when an Esc was among
// them, pressed or released (a press may have gone elsewhere), except the one
// release that ForgetKeyThatClosedMessage leaves owed.
bool CheckForEsc();
// Called when one of the module's own messages returns during a scan: the key
// that closed it must not stop the scan. Empties the console input queue once,
// and when the message was closed with Esc, the first release of Esc that
// comes later (before any press of Esc) does not count either, since a real
// keyboard releases the key after the message has gone. True when the emptied
// records held an Esc besides that release: the user pressed Esc again, and
// the caller must stop as CheckForEsc would.
bool ForgetKeyThatClosedMessage(bool closedWithEsc);
