#include "word_motion.h"

#include <string.h>

namespace host {

const char kDefaultWordDiv[] = "~!%^&*()+|{}:\"<>?`-=\\[];',./";

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDelimiter(char c, const std::string& wordDiv) {
  return c != 0 && wordDiv.find(c) != std::string::npos;
}

}  // namespace

int WordRight(const std::string& line, int pos, const std::string& wordDiv) {
  int length = static_cast<int>(line.size());
  if (pos >= length) return -1;
  if (pos < 0) pos = 0;
  ++pos;
  while (pos < length) {
    char c = line[pos], prev = line[pos - 1];
    if (IsDelimiter(c, wordDiv) && !IsDelimiter(prev, wordDiv)) break;
    if (!IsBlank(c) && IsBlank(prev)) break;
    ++pos;
  }
  return pos;
}

int WordLeft(const std::string& line, int pos, const std::string& wordDiv) {
  if (pos <= 0) return -1;
  int length = static_cast<int>(line.size());
  if (pos > length) pos = length;
  if (pos == 0) return 0;
  --pos;
  while (pos > 0) {
    char c = line[pos], prev = line[pos - 1];
    if (!IsBlank(c) && !IsDelimiter(c, wordDiv) && IsDelimiter(prev, wordDiv)) break;
    if (!IsBlank(c) && IsBlank(prev)) break;
    --pos;
  }
  return pos;
}

}  // namespace host
