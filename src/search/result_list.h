// The found lines of one search command: SearchResult records in a growable,
// owning ResultList.
// Covered by tests/search/result_list_test.cpp.
#pragma once

#include <stddef.h>

enum {
  kResultTextSize = 512,     // a found line: 511 characters and the terminator
  kResultFunctionSize = 64,  // a function name: 63 characters and the terminator
  // A line whose match starts too far in for kResultMatchKept bytes of it to
  // fit the text field is stored from kResultContextKept bytes before the match.
  kResultMatchKept = 64,
  kResultContextKept = 32,
};

// One found line. A result made by AddSearchResult lives in its list's store
// and ends with the terminator of `text` (kResultBlockHead plus the text's
// length and one bytes), so a short line does not cost the whole field:
// never copy a stored result by value, nor read its text past the NUL.
struct SearchResult {
  int line;                            // 0-based line number in the edited file
  int position;                        // byte offset of the match start in the whole line
  int textStart;                       // byte offset in the whole line where `text` starts
  char function[kResultFunctionSize];  // name current when the line was found, or empty
  char text[kResultTextSize];          // OEM line, untrimmed and unfolded; a long line is cut
                                       // to the stretch round its match
};
enum {
  kResultBlockHead = offsetof(SearchResult, text),
  // One block of a list's store holds a few hundred results, so a search
  // that finds most lines makes an allocation per few hundred of them.
  kResultStoreBlock = 65536,
};

// A growable array of pointers that owns the blocks it points to: blocks
// handed to Add, and the results Append makes in the list's own store.
// SetCapacity is its one virtual operation and the list's own operations
// call it through the virtual slot. A full array grows by half its size, at
// least by `delta`.
class ResultList {
 public:
  // Starts empty with `initialCapacity` slots (none if that allocation fails).
  ResultList(unsigned initialCapacity, unsigned delta);
  // A list in its own GlobalAlloc block, for Destroy with bit 0; null when
  // the block cannot be allocated.
  static ResultList* Create(unsigned initialCapacity, unsigned delta);

  // Resizes the pointer array to max(n, count) slots, at most 0x7FFFFFFF.
  // When the new array cannot be allocated the list keeps its old one.
  virtual void SetCapacity(unsigned n);
  // Appends `element` and takes ownership of it. Returns the new count; when
  // the array is full and cannot grow the element is released instead and the
  // count returned unchanged, so nothing is ever stored past the array.
  unsigned Add(SearchResult* element);
  // Appends room for a result of `size` bytes from the list's store and
  // returns it, uninitialised, for the caller to fill at once. Null, and
  // nothing appended, when the array is full and cannot grow, or the store
  // has no room and no new block can be had.
  SearchResult* Append(size_t size);
  // The element at `index`, or null when index >= count.
  SearchResult* Get(unsigned index) const;
  // Releases every element and the array; bit 0 of `flags` also releases the
  // list itself (only for a list made by Create).
  void Destroy(unsigned flags);

  unsigned Count() const { return count; }
  unsigned Capacity() const { return capacity; }

 private:
  struct StoreBlock;
  bool HasSlot();

  // An item with bit 0 set lives in the store and is not released alone.
  SearchResult** items;
  unsigned count;
  unsigned capacity;
  unsigned delta;
  StoreBlock* store;  // the newest block, which links to the older ones
  size_t storeUsed;   // bytes of the newest block in use, its link included
};

// Allocates a result for `line` at `position` with copies of `text` and
// `function` (null gives an empty field; longer texts are cut to the field,
// a text from shortly before `position` when the match would not fit)
// and adds it to `list`. Returns the stored result, or null when it could not
// be allocated or stored: the line is then dropped.
const SearchResult* AddSearchResult(ResultList* list, int line, int position, const char* text,
                                    const char* function);
