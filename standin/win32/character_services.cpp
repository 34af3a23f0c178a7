// OemToCharBuffA, CharToOemBuffA, IsCharAlphaA, CharUpperA, CharLowerA, GetOEMCP,
// GetACP for a Russian Windows: OEM code page 866, ANSI code page 1251. Every
// answer comes from the recorded tables in code_pages.cpp.
// Covered by tests/standin/win32/character_services_test.cpp.
#include "code_pages.h"
#include "shell/win_api.h"

namespace {

BOOL MapBuffer(const unsigned char* table, LPCSTR src, LPSTR dst, DWORD length) {
  if (!src || !dst) return FALSE;
  for (DWORD i = 0; i < length; ++i)
    dst[i] = static_cast<char>(table[static_cast<unsigned char>(src[i])]);
  return TRUE;
}

// A pointer whose high word is zero carries one character in its low byte (the
// real functions ignore the rest of the low word) and the answer comes back the
// same way; anything else is a zero-terminated string changed in place.
LPSTR MapCharOrString(const unsigned char* table, LPSTR text) {
  uintptr_t value = reinterpret_cast<uintptr_t>(text);
  if ((value >> 16) == 0)
    return reinterpret_cast<LPSTR>(static_cast<uintptr_t>(table[value & 0xFF]));
  for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p; ++p) *p = table[*p];
  return text;
}

}  // namespace

extern "C" {

BOOL WINAPI OemToCharBuffA(LPCSTR lpszSrc, LPSTR lpszDst, DWORD cchDstLength) {
  return MapBuffer(standin::kOemToAnsi, lpszSrc, lpszDst, cchDstLength);
}

BOOL WINAPI CharToOemBuffA(LPCSTR lpszSrc, LPSTR lpszDst, DWORD cchDstLength) {
  return MapBuffer(standin::kAnsiToOem, lpszSrc, lpszDst, cchDstLength);
}

BOOL WINAPI IsCharAlphaA(CHAR ch) {
  return standin::kAnsiIsAlpha[static_cast<unsigned char>(ch)] ? TRUE : FALSE;
}

LPSTR WINAPI CharUpperA(LPSTR lpsz) {
  return MapCharOrString(standin::kAnsiUpper, lpsz);
}

LPSTR WINAPI CharLowerA(LPSTR lpsz) {
  return MapCharOrString(standin::kAnsiLower, lpsz);
}

UINT WINAPI GetOEMCP(void) {
  return 866;
}

UINT WINAPI GetACP(void) {
  return 1251;
}

}  // extern "C"
