// The search command: the dialog hands over to the scan only a non-empty
// text; the options chosen in the dialog are in force even when it does not.
// Covered by tests/search/search_dialog_test.cpp and tests/e2e.
#include "search/search_command.h"

#include "search/line_scan.h"
#include "search/search_dialog.h"
#include "text/bounded_copy.h"

void RunSearchCommand() {
  LineScan scan;
  char searchText[kSearchTextSize];
  EditorCursor start;
  if (!RunSearchDialog(&scan, searchText, &start)) return;
  if (!searchText[0]) return;
  CopyCut(LastSearchText, searchText, sizeof LastSearchText);
  RunLineScan(&scan, searchText, start);
}
