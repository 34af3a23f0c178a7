// Plain mode of FindText and the substring searches. The substring search is
// memchr for the first byte and memcmp for the rest: the libraries' vectorised
// loops do the scanning, and a start closer to the end than the needle is
// long is never tried. The case-insensitive search looks for every byte that
// folds to the needle's first byte with memchr, one pointer ahead for each,
// and compares the rest through the fold table, so no folded copy is made.
// Covered by tests/search/text_finder_test.cpp.
#include "search/text_finder.h"

#include "search/pattern_search.h"

#include <string.h>

const char* FindBytes(const char* haystack, size_t haystackLength, const char* needle,
                      size_t needleLength) {
  if (needleLength == 0) return haystack;
  if (needleLength > haystackLength) return nullptr;
  const char first = needle[0];
  const char* at = haystack;
  // The last start that leaves room for the whole needle.
  const char* lastStart = haystack + (haystackLength - needleLength);
  while (at <= lastStart) {
    at = static_cast<const char*>(memchr(at, first, size_t(lastStart - at) + 1));
    if (!at) return nullptr;
    if (memcmp(at + 1, needle + 1, needleLength - 1) == 0) return at;
    ++at;
  }
  return nullptr;
}

FoldedNeedle PrepareFoldedNeedle(const char* folded, size_t length, const unsigned char* table) {
  FoldedNeedle needle = {folded, length, table, {}, 0};
  if (length == 0) return needle;
  const unsigned char first = static_cast<unsigned char>(folded[0]);
  for (int c = 0; c < 256; ++c) {
    if (table[c] != first) continue;
    if (needle.firstCount == kMaxFoldedFirsts) {
      needle.firstCount = -1;
      break;
    }
    needle.firsts[needle.firstCount++] = static_cast<unsigned char>(c);
  }
  return needle;
}

namespace {

bool RestMatchesFolded(const unsigned char* at, const FoldedNeedle& needle) {
  const unsigned char* text = reinterpret_cast<const unsigned char*>(needle.text);
  for (size_t j = 1; j < needle.length; ++j)
    if (needle.table[at[j]] != text[j]) return false;
  return true;
}

// For a first byte with many preimages: every start through the table.
const char* FindFoldedByTable(const unsigned char* at, const unsigned char* lastStart,
                              const FoldedNeedle& needle) {
  const unsigned char first = static_cast<unsigned char>(needle.text[0]);
  for (; at <= lastStart; ++at)
    if (needle.table[*at] == first && RestMatchesFolded(at, needle))
      return reinterpret_cast<const char*>(at);
  return nullptr;
}

const unsigned char* NextByte(const unsigned char* from, const unsigned char* lastStart,
                              unsigned char byte) {
  return static_cast<const unsigned char*>(memchr(from, byte, size_t(lastStart - from) + 1));
}

}  // namespace

const char* FindFoldedBytes(const char* haystack, size_t haystackLength,
                            const FoldedNeedle& needle) {
  if (needle.length == 0) return haystack;
  if (needle.length > haystackLength) return nullptr;
  const unsigned char* at = reinterpret_cast<const unsigned char*>(haystack);
  const unsigned char* lastStart = at + (haystackLength - needle.length);
  if (needle.firstCount < 0) return FindFoldedByTable(at, lastStart, needle);
  // next[k]: the next place of firsts[k] at or after `at`, null when none.
  const unsigned char* next[kMaxFoldedFirsts];
  for (int k = 0; k < needle.firstCount; ++k) next[k] = NextByte(at, lastStart, needle.firsts[k]);
  for (;;) {
    int nearest = -1;
    for (int k = 0; k < needle.firstCount; ++k)
      if (next[k] && (nearest < 0 || next[k] < next[nearest])) nearest = k;
    if (nearest < 0) return nullptr;
    const unsigned char* start = next[nearest];
    if (RestMatchesFolded(start, needle)) return reinterpret_cast<const char*>(start);
    next[nearest] =
        start < lastStart ? NextByte(start + 1, lastStart, needle.firsts[nearest]) : nullptr;
  }
}

const char* FindSubstring(const char* haystack, const char* needle) {
  return FindBytes(haystack, strlen(haystack), needle, strlen(needle));
}

int FindText(int patternMode, const char* line, const char* text, int* position, int group,
             char* groupBuffer, const char* prefix, const char* suffix) {
  if (patternMode) return FindPattern(line, text, position, group, groupBuffer, prefix, suffix);
  const char* found = FindSubstring(line, text);
  if (!found) return 0;
  *position = int(found - line);
  return 1;
}
