// Covered by tests/search/results_menu_test.cpp.
#include "search/message_format.h"

#include "shell/win_api.h"
#include "text/bounded_copy.h"

#include <string.h>

void FormatWithText(char* dest, size_t size, const char* format, const char* text) {
  if (size == 0) return;
  // The result is at most strlen(format) + strlen(text) long, so cutting the
  // text to what is left of the scratch keeps wsprintfA inside it; cutting it
  // to the destination avoids copying what would be cut anyway.
  size_t formatLength = strlen(format);
  size_t room = formatLength < kFormatScratchSize - 1 ? kFormatScratchSize - 1 - formatLength : 0;
  if (room > size - 1) room = size - 1;
  char cut[kFormatScratchSize];
  CopyCut(cut, text, room + 1);
  char scratch[kFormatScratchSize];
  wsprintfA(scratch, format, cut);
  CopyCut(dest, scratch, size);
}

void FormatWithNumber(char* dest, size_t size, const char* format, int number) {
  if (size == 0) return;
  char scratch[kFormatScratchSize];
  wsprintfA(scratch, format, number);
  CopyCut(dest, scratch, size);
}

void FormatWithNumbers(char* dest, size_t size, const char* format, int first, int second,
                       int third) {
  if (size == 0) return;
  char scratch[kFormatScratchSize];
  wsprintfA(scratch, format, first, second, third);
  CopyCut(dest, scratch, size);
}
