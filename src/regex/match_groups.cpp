// Reading a capture out of a filled MatchGroups.
#include "regex/pattern_object.h"

#include <cstring>

int CopyGroupText(const char* text, const MatchGroups* groups, int g, char* buffer,
                  int bufferSize) {
  if (!buffer || bufferSize < 1) return 0;
  int length = 0;
  if (text && groups && g >= 0 && g < kMaxGroups && g < groups->groupCount) {
    int start = groups->groupStart[g];
    int end = groups->groupEnd[g];
    if (start >= 0 && end > start) length = end - start;
    if (length > bufferSize - 1) length = bufferSize - 1;
    if (length > 0) std::memcpy(buffer, text + start, length);
  }
  buffer[length] = '\0';
  return length;
}
