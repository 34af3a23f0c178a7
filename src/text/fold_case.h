// FoldCase: upper-cases OEM text byte for byte the way the four Windows
// character calls do (OEM to ANSI and back, IsCharAlphaA, CharUpperA), for the
// plain case-insensitive search. Offsets in a folded copy are offsets in the
// unfolded text.
// Covered by tests/text/fold_case_test.cpp.
#pragma once

#include <stddef.h>

// Upper-cases the NUL-terminated OEM `text` in place and returns it.
char* FoldCase(char* text);

// Writes the folded form of `length` bytes of `source` to `dest` (which may
// be `source`); NUL bytes stay NUL.
void FoldCopy(char* dest, const char* source, size_t length);

// The 256-entry table behind all three: entry b is the folded form of b.
const unsigned char* FoldCaseTable();

// The folded form of one OEM byte.
unsigned char FoldCaseByte(unsigned char c);
