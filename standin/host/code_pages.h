// The host's code page tables: OEM 866 and ANSI 1251 against Unicode, and
// UTF-8 for files and the terminal. The host converts; the module never sees
// anything but single-byte text.
// Covered by tests/standin/host/code_pages_test.cpp.
#pragma once

#include <stdint.h>

#include <string>

namespace host {

// Unicode of an OEM 866 byte as text (0x00-0x7F are ASCII).
uint32_t OemToUnicode(unsigned char c);
// Unicode of an OEM 866 byte as a screen glyph: the control bytes 0x01-0x1F
// and 0x7F show the console's pictures (0x19 is an arrow, 0x1E a triangle).
uint32_t OemGlyph(unsigned char c);
uint32_t AnsiToUnicode(unsigned char c);
// -1 when the character has no form in the code page.
int UnicodeToOem(uint32_t u);
int UnicodeToAnsi(uint32_t u);
unsigned char AnsiToOemByte(unsigned char c);  // '?' when 866 lacks the character
unsigned char OemToAnsiByte(unsigned char c);  // '?' when 1251 lacks the character

void AppendUtf8(uint32_t u, std::string* out);
// Decodes one character at text[*pos] and advances; malformed bytes give -1
// and advance by one.
int32_t NextUtf8(const std::string& text, size_t* pos);
// UTF-8 to OEM; characters without an OEM form (and malformed bytes) become
// '?', and *unmapped (when given) counts them.
std::string Utf8ToOem(const std::string& text, int* unmapped = nullptr);
std::string Utf8ToAnsi(const std::string& text, int* unmapped = nullptr);
// Utf8ToOem without a second copy of the text (for whole files).
void Utf8ToOemInPlace(std::string* text, int* unmapped = nullptr);
std::string OemToUtf8(const std::string& text);
std::string AnsiToUtf8(const std::string& text);

}  // namespace host
