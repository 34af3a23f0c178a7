// Why a compilation failed. The texts in compile_error.cpp follow this order:
// keep them in sync.
#pragma once

enum CompileError {
  CompileOk,
  ErrNoPattern,
  ErrTooLong,
  ErrNoOpeningSlash,
  ErrNoClosingSlash,
  ErrStrayClassClose,
  ErrStrayGroupClose,
  ErrStrayBraceClose,
  ErrInsideBraces,
  ErrUnclosedClass,
  ErrUnclosedGroup,
  ErrUnclosedBrace,
  ErrBadHexEscape,
  ErrBadCount,
  ErrNothingToRepeat,
  ErrOutOfMemory,
  CompileErrorCount
};

// A short English reason for people reading the tester's output; never null.
const char* CompileErrorText(CompileError error);
