// Plain mode of FindText and the string helpers. The substring search is
// memchr for the first byte and memcmp for the rest: the libraries' vectorised
// loops do the scanning, and a start closer to the end than the needle is
// long is never tried.
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

const char* FindSubstring(const char* haystack, const char* needle) {
  return FindBytes(haystack, strlen(haystack), needle, strlen(needle));
}

void CopyPadded(char* dest, const char* source, size_t n) {
  size_t length = strnlen(source, n);
  memcpy(dest, source, length);
  memset(dest + length, 0, n - length);
}

int FindText(int patternMode, const char* line, const char* text, int* position, int group,
             char* groupBuffer, const char* prefix, const char* suffix) {
  if (patternMode) return FindPattern(line, text, position, group, groupBuffer, prefix, suffix);
  const char* found = FindSubstring(line, text);
  if (!found) return 0;
  *position = int(found - line);
  return 1;
}
