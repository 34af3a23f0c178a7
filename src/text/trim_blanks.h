// TrimBlanks, the trimming every text column and typed number uses.
// Covered by tests/text/trim_blanks_test.cpp.
#pragma once

// Removes trailing, then leading bytes 9 to 13 and 32 in place (no byte of 128
// or above counts as blank) and returns `text`.
char* TrimBlanks(char* text);
