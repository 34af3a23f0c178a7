// The line scan: walks the chosen range of the edited file line by line,
// tracks the current function name, tests each line with the text finder and
// collects the found lines; then puts the cursor back and presents them.
// Covered by tests/search/line_scan_test.cpp.
#pragma once

#include "search/results_menu.h"
#include "shell/editor_access.h"

enum {
  kSearchCopySize = 512,    // the search text as the scan works on it (511 characters)
  kFunctionNameSize = 512,  // currentFunction: a FindText group buffer
  kProgressLineSize = 80,
  kProgressMinStep = 11,  // ranges of 1,100 lines or more show progress
};

// The state of one scan, local to one search command.
struct LineScan {
  char searchCopy[kSearchCopySize];         // folded for the plain case-insensitive search
  char currentFunction[kFunctionNameSize];  // name of the latest header line, shortened
  ResultColumns columns;                    // lineNumberWidth and functionWidth
  int totalLines;                           // the line count when the dialog closed
};

// First step, taken as soon as the search dialog is accepted: clears the
// function-name state and reads TotalLines from the editor.
void PrepareLineScan(LineScan* scan);

// Everything after: folds the search text, scans the range that the options
// Before and After give around `start` with progress and Esc from 1,100 lines
// on, puts cursor and view back to `start`, presents the results (jumping to
// the chosen match; after Esc those found so far, with the line the scan
// stopped at) and releases everything. `searchText` (cut to 511
// characters) is the text as typed. Options and the active rule come from the
// module's settings object.
void RunLineScan(LineScan* scan, const char* searchText, const EditorCursor& start);
