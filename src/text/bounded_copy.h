// Copies of byte strings into fixed buffers that never write past the
// buffer: CopyCut for terminated texts, CopyPadded for zero-filled fields.
// Covered by tests/text/bounded_copy_test.cpp.
#pragma once

#include <stddef.h>

// Copies at most size - 1 bytes of `source` and a terminator into `dest`.
// Returns the length copied.
size_t CopyCut(char* dest, const char* source, size_t size);

// Copies the first n bytes of `source` (all of it when shorter) into `dest`
// and fills with zero bytes up to n bytes in all. Writes nothing beyond n
// bytes: a caller that wants a terminator after n bytes writes it itself.
void CopyPadded(char* dest, const char* source, size_t n);
