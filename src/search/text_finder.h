// FindText: does one line contain the search text (plain mode) or match the
// pattern (pattern mode, in pattern_search.cpp), and where does the match
// begin. FindSubstring and FindBytes are the substring searches it shares.
// Covered by tests/search/text_finder_test.cpp and pattern_search_test.cpp.
#pragma once

#include <stddef.h>

#include "search/pattern_search.h"

// Returns 1 when `line` contains `text` (patternMode 0: byte-exact substring,
// leftmost) or matches the pattern prefix + text + suffix (patternMode non-zero)
// and stores the byte offset of the match start through `position`.
// Plain mode: not found returns 0 and leaves *position as it was; `group`,
// `groupBuffer`, `prefix` and `suffix` are ignored.
// Pattern mode: a pattern that does not compile returns 0, leaves *position
// untouched and shows the invalid-pattern warning once per search command; a
// compiled pattern that does not match sets *position to -1 and returns 0. On
// a match, a non-null `groupBuffer` receives the text of capture `group`
// (empty when that group did not take part or `group` is outside 0..15).
int FindText(int patternMode, const char* line, const char* text, int* position, int group,
             char* groupBuffer, const char* prefix, const char* suffix);

// First occurrence of `needle` in `haystack`, or null. An empty needle is
// found at the start, even in an empty haystack.
const char* FindSubstring(const char* haystack, const char* needle);

// FindSubstring over measured bytes: the first `needleLength` bytes of
// `needle` within the first `haystackLength` bytes of `haystack`, or null.
const char* FindBytes(const char* haystack, size_t haystackLength, const char* needle,
                      size_t needleLength);

// A folded needle for FindFoldedBytes, settled once per search: `text` is
// already folded through `table`, and `firsts` lists the bytes that fold to
// its first byte, so the scan can look for them with memchr.
enum { kMaxFoldedFirsts = 4 };  // more preimages than this: a table scan
struct FoldedNeedle {
  const char* text;
  size_t length;
  const unsigned char* table;  // 256 entries
  unsigned char firsts[kMaxFoldedFirsts];
  int firstCount;  // -1: more than kMaxFoldedFirsts bytes fold to text[0]
};
FoldedNeedle PrepareFoldedNeedle(const char* folded, size_t length, const unsigned char* table);

// The first place in `haystack` whose folded bytes equal the needle, or null:
// the same answer as FindBytes on a copy of the haystack folded through the
// needle's table, without making the copy.
const char* FindFoldedBytes(const char* haystack, size_t haystackLength,
                            const FoldedNeedle& needle);
