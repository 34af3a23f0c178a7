// Blanks are the C locale's white space only: in code page 866 the bytes above
// 0x7F are letters and box drawing, and 0xFF (a no-break space) is kept.
// Covered by tests/text/trim_blanks_test.cpp.
#include "text/trim_blanks.h"

#include <string.h>

namespace {

bool IsBlank(unsigned char c) {
  return c == ' ' || (c >= 9 && c <= 13);
}

}  // namespace

char* TrimBlanks(char* text) {
  size_t length = strlen(text);
  while (length > 0 && IsBlank(static_cast<unsigned char>(text[length - 1]))) --length;
  text[length] = '\0';
  size_t lead = 0;
  while (lead < length && IsBlank(static_cast<unsigned char>(text[lead]))) ++lead;
  if (lead) memmove(text, text + lead, length - lead + 1);
  return text;
}
