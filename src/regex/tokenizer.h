// The envelope "/body/flags" and the tokenizer, which turns the body into
// 32-bit token codes (token_codes.h). Covered by tests/regex/tokenizer_test.cpp.
#pragma once

#include "regex/compile_error.h"

struct PatternFlags {
  bool ignoreCase;  // "i"
  bool skipBlanks;  // "x"
};

// Reads the envelope of text[0, length) and tokenizes its body into tokens,
// which must hold `length` slots (each token consumes at least one byte of
// the body, so that is never too small). Returns CompileOk and sets *count
// and *flags, or the reason of the failure; nothing is read outside the text.
CompileError TokenizePattern(const char* text, int length, int* tokens, int* count,
                             PatternFlags* flags);
