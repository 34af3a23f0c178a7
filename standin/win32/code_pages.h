// Code page 866 (OEM) and 1251 (ANSI) tables, recorded byte for byte from the
// real functions (Wine with LC_ALL=ru_RU.UTF-8: OEM 866, ANSI 1251), so that the
// stand-in's character services and registry name order match Windows exactly.
// Covered by tests/standin/win32/character_services_test.cpp and registry_order_test.cpp.
#pragma once

#include <stdint.h>

namespace standin {

extern const unsigned char kOemToAnsi[256];    // OemToCharBuffA, best fit included
extern const unsigned char kAnsiToOem[256];    // CharToOemBuffA, '?' where nothing fits
extern const unsigned char kAnsiUpper[256];    // CharUpperA
extern const unsigned char kAnsiLower[256];    // CharLowerA
extern const unsigned char kAnsiIsAlpha[256];  // IsCharAlphaA
extern const uint16_t kAnsiToUnicode[256];     // MultiByteToWideChar(1251); 0x98 -> U+0098

// The ANSI byte for a UTF-16 unit, or '?' when code page 1251 has none.
char AnsiFromUnicode(uint16_t unit);

// The registry compares names by their lower-cased UTF-16 units; this is that
// unit for one ANSI byte.
inline uint16_t AnsiNameKey(unsigned char c) {
  return kAnsiToUnicode[kAnsiLower[c]];
}

}  // namespace standin
