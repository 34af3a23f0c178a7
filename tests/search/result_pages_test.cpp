// Page arithmetic: where pages start and end, which entries lead elsewhere,
// and moves at and past both ends.
#include "search/result_pages.h"

#include <gtest/gtest.h>

namespace {

const unsigned K = kResultsPageSize;

void ExpectPage(const ResultPage& page, unsigned first, unsigned count, bool before, bool after) {
  EXPECT_EQ(page.first, first);
  EXPECT_EQ(page.count, count);
  EXPECT_EQ(page.before, before);
  EXPECT_EQ(page.after, after);
}

}  // namespace

TEST(ResultPages, AListThatFitsIsOnePageWithoutPageEntries) {
  for (unsigned total : {0u, 1u, K}) {
    SCOPED_TRACE(total);
    ResultPage page = PageHolding(total, 0);
    ExpectPage(page, 0, total, false, false);
    EXPECT_EQ(page.Entries(), total);
    EXPECT_EQ(page.EntryMove(0), kPageStay);
    ExpectPage(MovedPage(page, total, kPageNext), 0, total, false, false);
    ExpectPage(MovedPage(page, total, kPageLast), 0, total, false, false);
  }
}

TEST(ResultPages, OneResultMoreMakesASecondPageOfOne) {
  ExpectPage(PageHolding(K + 1, 0), 0, K, false, true);
  ExpectPage(PageHolding(K + 1, K - 1), 0, K, false, true);
  ExpectPage(PageHolding(K + 1, K), K, 1, true, false);
  ExpectPage(PageHolding(K + 1, K + 50), K, 1, true, false);  // past the end: the last page
}

TEST(ResultPages, EntriesOfAMiddlePage) {
  const unsigned total = 3 * K + 7;
  ResultPage page = PageHolding(total, K + 3);
  ExpectPage(page, K, K, true, true);
  ASSERT_EQ(page.Entries(), K + 2);
  EXPECT_EQ(page.EntryMove(0), kPagePrevious);
  EXPECT_EQ(page.EntryMove(1), kPageStay);
  EXPECT_EQ(page.EntryMove(int(K)), kPageStay);
  EXPECT_EQ(page.EntryMove(int(K) + 1), kPageNext);
  EXPECT_EQ(page.FirstResultEntry(), 1);
  EXPECT_EQ(page.LastResultEntry(), int(K));
  EXPECT_EQ(page.EntryResult(1), K);
  EXPECT_EQ(page.EntryResult(int(K)), 2 * K - 1);
  ResultPage last = PageHolding(total, total - 1);
  ExpectPage(last, 3 * K, 7, true, false);
  EXPECT_EQ(last.EntryResult(last.LastResultEntry()), total - 1);
  EXPECT_EQ(last.EntryMove(last.LastResultEntry()), kPageStay);
}

TEST(ResultPages, MovesAndMovesPastTheEnds) {
  const unsigned total = 3 * K + 7;
  ResultPage first = PageHolding(total, 0), last = PageHolding(total, total - 1);
  EXPECT_EQ(MovedPage(first, total, kPageNext).first, K);
  EXPECT_EQ(MovedPage(MovedPage(first, total, kPageNext), total, kPagePrevious).first, 0u);
  EXPECT_EQ(MovedPage(first, total, kPageLast).first, 3 * K);
  EXPECT_EQ(MovedPage(last, total, kPageFirst).first, 0u);
  EXPECT_EQ(MovedPage(last, total, kPagePrevious).first, 2 * K);
  // Nowhere to go: the same page.
  EXPECT_EQ(MovedPage(first, total, kPagePrevious).first, 0u);
  EXPECT_EQ(MovedPage(last, total, kPageNext).first, 3 * K);
  EXPECT_EQ(MovedPage(last, total, kPageStay).first, 3 * K);
}

TEST(ResultPages, TheLargestListStaysInRange) {
  const unsigned total = 0x7FFFFFFF;
  ResultPage last = PageHolding(total, total - 1);
  EXPECT_EQ(last.first + last.count, total);
  EXPECT_FALSE(last.after);
  EXPECT_EQ(last.EntryResult(last.LastResultEntry()), total - 1);
}
