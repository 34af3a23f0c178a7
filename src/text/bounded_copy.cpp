// Both copies measure with strnlen, so a source without a terminator within
// the limit is never read past it.
// Covered by tests/text/bounded_copy_test.cpp.
#include "text/bounded_copy.h"

#include <string.h>

size_t CopyCut(char* dest, const char* source, size_t size) {
  if (size == 0) return 0;
  size_t length = strnlen(source, size - 1);
  memcpy(dest, source, length);
  dest[length] = '\0';
  return length;
}

void CopyPadded(char* dest, const char* source, size_t n) {
  size_t length = strnlen(source, n);
  memcpy(dest, source, length);
  memset(dest + length, 0, n - length);
}
