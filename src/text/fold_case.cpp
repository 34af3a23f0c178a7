// The fold is a 256-entry table filled once from the Windows calls, since the
// code pages do not change while the host runs. A byte is folded only when it
// is a letter in ANSI and comes back unchanged from OEM to ANSI and back, so
// OEM bytes with no ANSI counterpart stay as they are.
// Covered by tests/text/fold_case_test.cpp (against the calls, all 256 bytes).
#include "text/fold_case.h"

#include "shell/win_api.h"

namespace {

unsigned char foldTable[256];
bool foldTableFilled;

unsigned char FoldThroughWindows(unsigned char c) {
  char oem = char(c), ansi = 0, back = 0;
  OemToCharBuffA(&oem, &ansi, 1);
  CharToOemBuffA(&ansi, &back, 1);
  if (!IsCharAlphaA(ansi) || back != oem) return c;
  // A pointer whose high word is zero makes CharUpperA take it as a character.
  LPSTR asCharacter = reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<BYTE>(ansi)));
  char upper = char(reinterpret_cast<ULONG_PTR>(CharUpperA(asCharacter)) & 0xFF);
  char upperOem = 0;
  CharToOemBuffA(&upper, &upperOem, 1);
  return static_cast<unsigned char>(upperOem);
}

const unsigned char* FilledFoldTable() {
  if (!foldTableFilled) {
    foldTable[0] = 0;
    for (int c = 1; c < 256; ++c) foldTable[c] = FoldThroughWindows(static_cast<unsigned char>(c));
    foldTableFilled = true;
  }
  return foldTable;
}

}  // namespace

const unsigned char* FoldCaseTable() {
  return FilledFoldTable();
}

unsigned char FoldCaseByte(unsigned char c) {
  return FilledFoldTable()[c];
}

char* FoldCase(char* text) {
  const unsigned char* table = FilledFoldTable();
  for (unsigned char* p = reinterpret_cast<unsigned char*>(text); *p; ++p) *p = table[*p];
  return text;
}

void FoldCopy(char* dest, const char* source, size_t length) {
  const unsigned char* table = FilledFoldTable();
  const unsigned char* from = reinterpret_cast<const unsigned char*>(source);
  unsigned char* to = reinterpret_cast<unsigned char*>(dest);
  for (size_t i = 0; i < length; ++i) to[i] = table[from[i]];
}
