// The search dialog and the word pick-up: the first half of a search command.
// Covered by tests/search/search_dialog_test.cpp.
#pragma once

#include "search/line_scan.h"
#include "shell/editor_access.h"

enum { kSearchTextSize = 512 };  // the search text: 511 characters and the terminator

// The last search text accepted with OK and not empty; lives as long as the
// module, never stored.
extern char LastSearchText[kSearchTextSize];

// Ctrl+Right then Ctrl+Left in the editor: the text between the two points on
// the cursor line, trimmed and converted to OEM, goes into `dest` (cut to 511
// characters); `dest` is left as it was when no word lies there. The cursor
// and the view are put back to `start` in every case.
void PickWord(char (&dest)[kSearchTextSize], const EditorCursor& start);

// Reads the start cursor, proposes the text (the picked word with PickWord on,
// else LastSearchText), chooses the rule set for the edited file and shows
// the dialog, going to the rule-set menu and back as often as asked. On OK
// takes the scan's first step, writes the seven switches into the options
// record (in memory only) and returns true with the accepted text in
// `searchText`; false on Cancel or Esc, with nothing written back.
bool RunSearchDialog(LineScan* scan, char (&searchText)[kSearchTextSize], EditorCursor* start);
