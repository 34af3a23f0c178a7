// ResultList growth and ownership, AddSearchResult's limits.
#include "search/result_list.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "search/results_menu.h"
#include "shell/win_api.h"
#include "support/fault_injection.h"

namespace {

SearchResult* NewResult(int line) {
  SearchResult* result = static_cast<SearchResult*>(GlobalAlloc(GMEM_FIXED, sizeof(SearchResult)));
  result->line = line;
  return result;
}

// Counts the calls through the virtual slot, so a test sees that Add and
// Destroy go through it.
class CountingList : public ResultList {
 public:
  using ResultList::ResultList;
  void SetCapacity(unsigned n) override {
    ++calls;
    ResultList::SetCapacity(n);
  }
  int calls = 0;
};

}  // namespace

TEST(ResultList, GrowsByHalfItsSizeAndAtLeastByItsStep) {
  ResultList list(10, 5);
  EXPECT_EQ(list.Capacity(), 10u);
  // 10 -> 15 is the step and half at once; from 15 on half is larger.
  const unsigned expected[] = {10, 10, 15, 15, 22, 33, 49};
  const unsigned counts[] = {1, 10, 11, 15, 16, 23, 34};
  unsigned added = 0;
  for (size_t k = 0; k < sizeof counts / sizeof counts[0]; ++k) {
    while (added < counts[k]) {
      EXPECT_EQ(list.Add(NewResult(int(added))), added + 1);
      ++added;
    }
    SCOPED_TRACE(counts[k]);
    EXPECT_EQ(list.Capacity(), expected[k]);
  }
  for (unsigned i = 0; i < added; ++i) ASSERT_EQ(list.Get(i)->line, int(i));
  EXPECT_EQ(list.Get(added), nullptr);
  EXPECT_EQ(list.Get(unsigned(-1)), nullptr);
  list.Destroy(2);
  EXPECT_EQ(list.Count(), 0u);
  EXPECT_EQ(list.Capacity(), 0u);
}

TEST(ResultList, AStepLargerThanHalfStaysTheGrowth) {
  ResultList list(4, 100);
  for (int i = 0; i < 5; ++i) list.Add(NewResult(i));
  EXPECT_EQ(list.Capacity(), 104u);
  list.Destroy(2);
  ResultList stepless(0, 0);  // a step of 0 still grows by one slot
  EXPECT_EQ(stepless.Add(NewResult(0)), 1u);
  EXPECT_EQ(stepless.Capacity(), 1u);
  stepless.Destroy(2);
}

TEST(ResultList, ManyResultsTakeFewReallocations) {
  CountingList list(10, 5);
  list.calls = 0;
  for (int i = 0; i < 200000; ++i) list.Add(NewResult(i));
  EXPECT_EQ(list.Count(), 200000u);
  EXPECT_LE(list.calls, 30);  // a fixed step of 5 takes 40,000
  EXPECT_EQ(list.Get(199999)->line, 199999);
  list.Destroy(2);
}

TEST(ResultList, AddAndDestroyGoThroughTheVirtualSlot) {
  CountingList list(1, 1);
  list.calls = 0;
  list.Add(NewResult(0));  // fits: no call
  list.Add(NewResult(1));  // full: grows
  EXPECT_EQ(list.calls, 1);
  list.Destroy(2);
  EXPECT_EQ(list.calls, 2);
}

TEST(ResultList, SetCapacityNeverDropsBelowTheCount) {
  ResultList list(2, 5);
  list.Add(NewResult(0));
  list.Add(NewResult(1));
  list.SetCapacity(0);
  EXPECT_EQ(list.Capacity(), 2u);
  EXPECT_EQ(list.Get(1)->line, 1);
  list.SetCapacity(40);
  EXPECT_EQ(list.Capacity(), 40u);
  EXPECT_EQ(list.Get(0)->line, 0);
  list.Destroy(2);
}

TEST(ResultList, ZeroCapacityHoldsNoArray) {
  ResultList list(0, 3);
  EXPECT_EQ(list.Capacity(), 0u);
  EXPECT_EQ(list.Get(0), nullptr);
  EXPECT_EQ(list.Add(NewResult(7)), 1u);
  EXPECT_EQ(list.Capacity(), 3u);
  list.Destroy(2);
}

TEST(ResultList, DestroyWithBitZeroReleasesACreatedList) {
  ResultList* list = ResultList::Create(10, 5);
  ASSERT_NE(list, nullptr);
  list->Add(NewResult(3));
  list->Destroy(1);  // the leak checks of the fault tests catch a block left behind
}

TEST(AddSearchResult, CopiesAndCutsBothTexts) {
  ResultList list(10, 5);
  std::string longLine(700, 'x');
  longLine[600] = 'y';
  std::string longName(100, 'n');
  const SearchResult* result = AddSearchResult(&list, 12, 50, longLine.c_str(), longName.c_str());
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->line, 12);
  EXPECT_EQ(result->position, 50);
  EXPECT_EQ(result->textStart, 0);
  EXPECT_EQ(std::string(result->text), std::string(kResultTextSize - 1, 'x'));
  EXPECT_EQ(std::string(result->function), std::string(kResultFunctionSize - 1, 'n'));
  const SearchResult* bare = AddSearchResult(&list, 0, 0, nullptr, nullptr);
  ASSERT_NE(bare, nullptr);
  EXPECT_STREQ(bare->text, "");
  EXPECT_STREQ(bare->function, "");
  EXPECT_EQ(list.Count(), 2u);
  list.Destroy(2);
}

// A match too far in for the field: the copy starts shortly before it, and
// the position still counts in the whole line, for the jump.
TEST(AddSearchResult, StoresALongLineFromShortlyBeforeAFarMatch) {
  struct Case {
    size_t length, position;
    int textStart;
  } cases[] = {
      {600, 447, 0},  // the match and 63 bytes after it still fit from the start
      {600, 448, 448 - kResultContextKept},
      {600, 520, 520 - kResultContextKept},
      {100000, 99990, 99990 - kResultContextKept},
      {100000, 50000, 50000 - kResultContextKept},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    std::string line(c.length, '.');
    line.replace(c.position, 6, "needle");
    ResultList list(10, 5);
    const SearchResult* result = AddSearchResult(&list, 3, int(c.position), line.c_str(), "");
    ASSERT_NE(result, nullptr);
    EXPECT_EQ(result->position, int(c.position));
    EXPECT_EQ(result->textStart, c.textStart);
    EXPECT_EQ(std::string(result->text), line.substr(size_t(c.textStart), kResultTextSize - 1));
    char entry[kMenuTextSize];
    FormatResultEntry(entry, *result, ResultColumns{1, 0}, false, false);
    EXPECT_NE(std::string(entry).find("needle"), std::string::npos) << entry;
    list.Destroy(2);
  }
}

TEST(AddSearchResult, PositionPastTheTextKeepsItsStart) {
  ResultList list(10, 5);
  const SearchResult* result = AddSearchResult(&list, 0, 5000, "short", "");
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(result->textStart, 0);
  EXPECT_STREQ(result->text, "short");
  list.Destroy(2);
}

TEST(ResultList, FullArrayThatCannotGrowDropsTheNewElement) {
  if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
  const long live = fault::LiveAllocations();
  {
    ResultList list(2, 5);
    list.Add(NewResult(0));
    list.Add(NewResult(1));
    SearchResult* extra = NewResult(2);
    fault::FailAllocation(1);  // the grown array
    EXPECT_EQ(list.Add(extra), 2u);
    fault::FailAllocation(0);
    EXPECT_EQ(list.Capacity(), 2u);
    EXPECT_EQ(list.Get(1)->line, 1);
    EXPECT_EQ(list.Add(NewResult(3)), 3u);  // the next growth succeeds
    EXPECT_EQ(list.Get(2)->line, 3);
    list.Destroy(2);
  }
  EXPECT_EQ(fault::LiveAllocations(), live);  // the dropped element was released
}

TEST(ResultList, FailedLargeGrowthFallsBackToTheStep) {
  if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
  const long live = fault::LiveAllocations();
  {
    ResultList list(40, 5);
    for (int i = 0; i < 40; ++i) list.Add(NewResult(i));
    SearchResult* extra = NewResult(40);
    fault::FailAllocation(1);  // the array half as large again
    EXPECT_EQ(list.Add(extra), 41u);
    fault::FailAllocation(0);
    EXPECT_EQ(list.Capacity(), 45u);
    EXPECT_EQ(list.Get(40)->line, 40);
    list.Destroy(2);
  }
  EXPECT_EQ(fault::LiveAllocations(), live);
}

TEST(ResultList, FailedFirstArrayLeavesAnEmptyListThatStillGrows) {
  if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
  const long live = fault::LiveAllocations();
  fault::FailAllocation(1);
  ResultList list(10, 5);
  fault::FailAllocation(0);
  EXPECT_EQ(list.Capacity(), 0u);
  EXPECT_EQ(list.Add(NewResult(0)), 1u);
  EXPECT_EQ(list.Capacity(), 5u);
  list.Destroy(2);
  EXPECT_EQ(fault::LiveAllocations(), live);
}

TEST(AddSearchResult, ManyResultsShareFewBlocks) {
  if (!fault::Available()) GTEST_SKIP() << "counting blocks needs the stand-in";
  const long live = fault::LiveAllocations();
  {
    ResultList list(10, 5);
    for (int i = 0; i < 100000; ++i) {
      std::string text = "2026-12-08 event " + std::to_string(i) + " handled by worker";
      ASSERT_NE(AddSearchResult(&list, i, 11, text.c_str(), i % 2 ? "handle" : ""), nullptr);
    }
    // About 130 bytes a result: a block per 500 of them, and the array.
    EXPECT_LE(fault::LiveAllocations() - live, 250);
    for (int i : {0, 1, 4999, 99999}) {
      SCOPED_TRACE(i);
      const SearchResult* result = list.Get(unsigned(i));
      EXPECT_EQ(result->line, i);
      EXPECT_EQ(result->position, 11);
      EXPECT_EQ(std::string(result->text),
                "2026-12-08 event " + std::to_string(i) + " handled by worker");
      EXPECT_STREQ(result->function, i % 2 ? "handle" : "");
    }
    list.Destroy(2);
  }
  EXPECT_EQ(fault::LiveAllocations(), live);
}

TEST(AddSearchResult, ABlockThatCannotBeHadDropsTheLineAndTheNextOneStoresIt) {
  if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
  const long live = fault::LiveAllocations();
  {
    ResultList list(10, 5);
    list.Add(NewResult(0));    // a block of its own, among stored results
    fault::FailAllocation(1);  // the store's first block
    EXPECT_EQ(AddSearchResult(&list, 1, 0, "one", ""), nullptr);
    fault::FailAllocation(0);
    EXPECT_EQ(list.Count(), 1u);
    ASSERT_NE(AddSearchResult(&list, 2, 0, "two", ""), nullptr);
    list.Add(NewResult(3));
    EXPECT_EQ(list.Count(), 3u);
    EXPECT_STREQ(list.Get(1)->text, "two");
    EXPECT_EQ(list.Get(2)->line, 3);
    EXPECT_EQ(list.Append(kResultStoreBlock), nullptr);  // never more than a block
    EXPECT_EQ(list.Count(), 3u);
    list.Destroy(2);
  }
  EXPECT_EQ(fault::LiveAllocations(), live);
}
