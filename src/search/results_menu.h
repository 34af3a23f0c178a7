// The results menu: one entry per found line, with an optional right-aligned
// line-number column and an optional function-name column, each closed by the
// byte 0xB3 (the OEM single vertical line), then the trimmed line. Choosing an
// entry moves the cursor to the start of its match. A list longer than
// kResultsPageSize is shown a page at a time (result_pages.h).
// Covered by tests/search/results_menu_test.cpp.
#pragma once

#include "search/result_list.h"

#include <stddef.h>

struct Options;

enum {
  kResultsTitleSize = 256,  // title and bottom line; a long search text is cut
  kMenuTextSize = 128,      // FarMenuItem::Text: an entry is cut to 127 characters
  kColumnSeparator = 0xB3,
};

// The column widths the line scan gathers while it adds results.
struct ResultColumns {
  int lineNumberWidth;     // digits of the largest line + 1 shown; 1 when none
  unsigned functionWidth;  // length of the longest function name among the results
};

// Widens `columns` for `result` (the line number only when `lines` is on).
void WidenColumns(ResultColumns* columns, const SearchResult& result, bool lines);

// The text of one menu entry, cut to kMenuTextSize - 1 characters.
void FormatResultEntry(char* entry, const SearchResult& result, const ResultColumns& columns,
                       bool lines, bool functions);

// `stoppedLine` of a scan that ran to the end of its range.
enum { kScanNotStopped = -1 };

// The menu's bottom line (`size` bytes): the number of results, which of them
// are shown when `shown` from index `first` are not all `total`, and for a
// scan stopped with Esc the line it stopped at, `stoppedLine` + 1; a stopped
// scan that found nothing says so instead of giving a count.
void FormatResultsBottom(char* bottom, size_t size, unsigned total, unsigned first, unsigned shown,
                         int stoppedLine);

// Shows the results of a search for `searchText` (as typed), or the
// nothing-found warning when there are none and ZeroWarn is on, jumps to the
// chosen match and destroys the list's contents (flags 2) on every path.
// `stoppedLine` is the 0-based line at which Esc stopped the scan (it was not
// examined, or not to its end), or kScanNotStopped.
void PresentResults(ResultList* list, const char* searchText, const ResultColumns& columns,
                    const Options& options, int stoppedLine);
