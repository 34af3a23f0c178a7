// Covered by tests/search/result_pages_test.cpp.
#include "search/result_pages.h"

PageMove ResultPage::EntryMove(int entry) const {
  if (before && entry == 0) return kPagePrevious;
  if (after && entry == LastResultEntry() + 1) return kPageNext;
  return kPageStay;
}

ResultPage PageHolding(unsigned total, unsigned index) {
  ResultPage page = {0, total, false, false};
  if (total <= kResultsPageSize) return page;
  if (index >= total) index = total - 1;
  page.first = index - index % kResultsPageSize;
  unsigned left = total - page.first;
  page.count = left < kResultsPageSize ? left : kResultsPageSize;
  page.before = page.first > 0;
  page.after = page.first + page.count < total;
  return page;
}

ResultPage MovedPage(const ResultPage& page, unsigned total, PageMove move) {
  switch (move) {
    case kPageFirst: return PageHolding(total, 0);
    case kPagePrevious: return page.before ? PageHolding(total, page.first - 1) : page;
    case kPageNext: return page.after ? PageHolding(total, page.first + page.count) : page;
    case kPageLast: return PageHolding(total, total ? total - 1 : 0);
    case kPageStay: break;
  }
  return page;
}
