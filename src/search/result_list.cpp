// ResultList over the global heap. Each result takes as much of a store
// block as its line needs (a million short results are not half a gigabyte),
// and a block holds a few hundred results; the pointer array grows by half
// its size, at least by `delta`, so n results cost a few dozen
// re-allocations and O(n) copying in all, instead of n / delta copies.
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

// Results in the store are marked in the array by bit 0, which no result's
// address has: a result's alignment is that of its int fields.
static_assert(alignof(SearchResult) >= 2, "bit 0 of a result's address is free");
const uintptr_t kStoredBit = 1;

bool IsStored(const SearchResult* item) {
  return (reinterpret_cast<uintptr_t>(item) & kStoredBit) != 0;
}

SearchResult* Untagged(SearchResult* item) {
  return reinterpret_cast<SearchResult*>(reinterpret_cast<uintptr_t>(item) & ~kStoredBit);
}

size_t Aligned(size_t size) {
  const size_t align =
      alignof(SearchResult) > alignof(void*) ? alignof(SearchResult) : alignof(void*);
  return (size + align - 1) / align * align;
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

// The function field: most results of a search without the function column
// have no name, and two library calls for it would cost more than the rest
// of the copy.
void CopyName(char* field, const char* name) {
  if (name[0])
    CopyCut(field, name, kResultFunctionSize);
  else
    field[0] = '\0';
}

}  // namespace

struct ResultList::StoreBlock {
  StoreBlock* older;
};

ResultList::ResultList(unsigned initialCapacity, unsigned growthStep)
    : items(nullptr), count(0), capacity(0), delta(growthStep), store(nullptr), storeUsed(0) {
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

// Whether there is a free slot, after growing a full array if need be.
bool ResultList::HasSlot() {
  if (count == capacity) {
    // Half as much again keeps the copying linear in the number of results.
    const uint64_t half = count / 2, least = LeastGrowth(delta);
    SetCapacity(Widened(count, half > least ? half : least));
    // Near the end of the heap the larger block may not exist while the
    // step still does.
    if (count == capacity && half > least) SetCapacity(Widened(count, least));
  }
  return count < capacity;
}

unsigned ResultList::Add(SearchResult* element) {
  if (!HasSlot()) {
    if (element) GlobalFree(element);
    return count;
  }
  items[count++] = element;
  return count;
}

SearchResult* ResultList::Append(size_t size) {
  const size_t head = Aligned(sizeof(StoreBlock));
  size = Aligned(size);
  if (size > kResultStoreBlock - head || !HasSlot()) return nullptr;
  if (!store || kResultStoreBlock - storeUsed < size) {
    StoreBlock* block = static_cast<StoreBlock*>(GlobalAlloc(GMEM_FIXED, kResultStoreBlock));
    if (!block) return nullptr;
    block->older = store;
    store = block;
    storeUsed = head;
  }
  SearchResult* result =
      reinterpret_cast<SearchResult*>(reinterpret_cast<char*>(store) + storeUsed);
  storeUsed += size;
  items[count++] =
      reinterpret_cast<SearchResult*>(reinterpret_cast<uintptr_t>(result) | kStoredBit);
  return result;
}

SearchResult* ResultList::Get(unsigned index) const {
  return index < count ? Untagged(items[index]) : nullptr;
}

void ResultList::Destroy(unsigned flags) {
  for (unsigned i = 0; i < count; ++i)
    if (items[i] && !IsStored(items[i])) GlobalFree(items[i]);
  while (store) {
    StoreBlock* older = store->older;
    GlobalFree(store);
    store = older;
  }
  storeUsed = 0;
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
  SearchResult* result = list->Append(kResultBlockHead + length + 1);
  if (!result) return nullptr;
  result->line = line;
  result->position = position;
  result->textStart = int(start);
  CopyName(result->function, function ? function : "");
  memcpy(result->text, text, length);
  result->text[length] = '\0';
  return result;
}
