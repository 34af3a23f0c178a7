// Pages of a results list too long for one menu. The host adds menu items in
// time that grows with the square of their number and cannot be interrupted
// meanwhile (10,000 items take it about half a second, 100,000 about two
// minutes), so a long list is shown kResultsPageSize results at a time, with
// an entry before and after the results that leads to the neighbouring page.
// Covered by tests/search/result_pages_test.cpp.
#pragma once

const unsigned kResultsPageSize = 10000;

// Where the user goes from a page: nowhere (a result was chosen), or to
// another page.
enum PageMove { kPageStay, kPageFirst, kPagePrevious, kPageNext, kPageLast };

struct ResultPage {
  unsigned first;  // index of its first result in the list
  unsigned count;  // results shown, at most kResultsPageSize
  bool before;     // entry 0 leads to the previous page
  bool after;      // the last entry leads to the next page

  unsigned Entries() const { return count + (before ? 1 : 0) + (after ? 1 : 0); }
  // The entry of the page's first or last result.
  int FirstResultEntry() const { return before ? 1 : 0; }
  int LastResultEntry() const { return FirstResultEntry() + int(count) - 1; }
  // The move an entry stands for: kPageStay for the entries of results.
  PageMove EntryMove(int entry) const;
  // The list index of the result behind a result entry.
  unsigned EntryResult(int entry) const { return first + unsigned(entry - FirstResultEntry()); }
};

// The page of `total` results that holds result `index` (the last page when
// index is past the end). With total <= kResultsPageSize the one page holds
// everything and has no page entries.
ResultPage PageHolding(unsigned total, unsigned index);

// The page `move` leads to from `page`; the same page for kPageStay or a move
// past either end.
ResultPage MovedPage(const ResultPage& page, unsigned total, PageMove move);
