// ResultList over the global heap. Each result is one fixed block, as long as
// its line needs (a million short results are not half a gigabyte); the pointer
// array grows by half its size, at least by `delta`, so n results cost a few
// dozen re-allocations and O(n) copying in all, instead of n / delta copies.
// Covered by tests/search/result_list_test.cpp.
#include "search/result_list.h"

#include "shell/win_api.h"
#include "text/bounded_copy.h"

#include <new>
#include <stdint.h>
#include <string.h>

namespace {

const unsigned kMaxCapacity = 0x7FFFFFFF;

// `count` slots and `growth` more, capped at kMaxCapacity.
unsigned Widened(unsigned count, uint64_t growth) {
  uint64_t wanted = uint64_t(count) + growth;
  return wanted > kMaxCapacity ? kMaxCapacity : unsigned(wanted);
}

// The least growth: the step, or one slot when the step is 0.
uint64_t LeastGrowth(unsigned step) {
  return step ? step : 1;
}

// Where the stored copy of a found line starts: at the line's start while
// the first kResultMatchKept bytes of the match fit the field, else shortly
// before the match, so that the menu entry can always show it. A position
// past the text's end (no caller makes one) keeps the start.
size_t StoredTextStart(const char* text, int position) {
  if (position < 0 || size_t(position) + kResultMatchKept <= kResultTextSize - 1) return 0;
  size_t from = size_t(position) - kResultContextKept;
  return strnlen(text, from) == from ? from : 0;
}

}  // namespace

ResultList::ResultList(unsigned initialCapacity, unsigned growthStep)
    : items(nullptr), count(0), capacity(0), delta(growthStep) {
  SetCapacity(initialCapacity);
}

ResultList* ResultList::Create(unsigned initialCapacity, unsigned growthStep) {
  void* block = GlobalAlloc(GMEM_FIXED, sizeof(ResultList));
  if (!block) return nullptr;
  return new (block) ResultList(initialCapacity, growthStep);
}

void ResultList::SetCapacity(unsigned n) {
  if (n < count) n = count;
  if (n > kMaxCapacity) n = kMaxCapacity;
  if (n == capacity) return;
  SearchResult** grown = nullptr;
  if (n != 0) {
    if (n > SIZE_MAX / sizeof(SearchResult*)) return;
    grown = static_cast<SearchResult**>(GlobalAlloc(GMEM_FIXED, n * sizeof(SearchResult*)));
    if (!grown) return;
    if (count) memcpy(grown, items, count * sizeof(SearchResult*));
  }
  if (items) GlobalFree(items);
  items = grown;
  capacity = n;
}

unsigned ResultList::Add(SearchResult* element) {
  if (count == capacity) {
    // Half as much again keeps the copying linear in the number of results.
    const uint64_t half = count / 2, least = LeastGrowth(delta);
    SetCapacity(Widened(count, half > least ? half : least));
    // Near the end of the heap the larger block may not exist while the
    // step still does.
    if (count == capacity && half > least) SetCapacity(Widened(count, least));
  }
  if (count == capacity) {
    if (element) GlobalFree(element);
    return count;
  }
  items[count++] = element;
  return count;
}

SearchResult* ResultList::Get(unsigned index) const {
  return index < count ? items[index] : nullptr;
}

void ResultList::Destroy(unsigned flags) {
  for (unsigned i = 0; i < count; ++i)
    if (items[i]) GlobalFree(items[i]);
  count = 0;
  SetCapacity(0);
  if (items) {
    GlobalFree(items);
    items = nullptr;
    capacity = 0;
  }
  if (flags & 1) GlobalFree(this);
}

const SearchResult* AddSearchResult(ResultList* list, int line, int position, const char* text,
                                    const char* function) {
  if (!text) text = "";
  const size_t start = StoredTextStart(text, position);
  text += start;
  size_t length = strnlen(text, kResultTextSize - 1);
  SearchResult* result =
      static_cast<SearchResult*>(GlobalAlloc(GMEM_FIXED, kResultBlockHead + length + 1));
  if (!result) return nullptr;
  result->line = line;
  result->position = position;
  result->textStart = int(start);
  CopyCut(result->function, function ? function : "", sizeof result->function);
  memcpy(result->text, text, length);
  result->text[length] = '\0';
  unsigned before = list->Count();
  if (list->Add(result) == before) return nullptr;
  return result;
}
