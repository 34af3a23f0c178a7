// Texts of the compile errors, for the tester and for test messages.
#include "regex/compile_error.h"

static const char* const kCompileErrorTexts[CompileErrorCount] = {
    "no error",
    "no pattern",
    "pattern too long",
    "pattern does not begin with /",
    "no closing /",
    "] without [",
    ") without (",
    "} without {",
    "(, ), [ or { inside a count",
    "unclosed [",
    "unclosed (",
    "unclosed {",
    "\\x needs two hexadecimal digits",
    "count is not a number from 0 to 255",
    "repetition, | or look-around with nothing before it",
    "out of memory",
};

const char* CompileErrorText(CompileError error) {
  if (error < 0 || error >= CompileErrorCount) return "unknown error";
  return kCompileErrorTexts[error];
}
