// Formatting a language-file message with its one argument into a fixed
// buffer. wsprintfA writes at most 1024 bytes, so each message is formatted
// into a scratch buffer of that size first and then cut to the destination:
// no message text, however long, and no argument can overflow it.
// Covered by tests/search/results_menu_test.cpp.
#pragma once

#include <stddef.h>

enum { kFormatScratchSize = 1024 };

// `format` holds one "%s"; `text` is cut as far as needed to fit.
void FormatWithText(char* dest, size_t size, const char* format, const char* text);
// `format` holds one "%d".
void FormatWithNumber(char* dest, size_t size, const char* format, int number);
// `format` holds up to three "%d", filled in order.
void FormatWithNumbers(char* dest, size_t size, const char* format, int first, int second,
                       int third);
