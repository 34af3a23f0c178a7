// Byte sets: the CharSet of a class and the four constant letter tables of
// code page 866 (Latin letters plus the Cyrillic ones), and case folding.
// Covered by tests/regex/char_set_test.cpp.
#pragma once

// One bit per byte value v: bit (v mod 8) of byte (v div 8), least
// significant bit first.
struct CharSet {
  unsigned char bits[32];
};
static_assert(sizeof(CharSet) == 32, "a class set is 32 bytes");

extern const CharSet UpperSet;  // A-Z, 0x80-0x9F, 0xF0 0xF2 0xF4 0xF6
extern const CharSet LowerSet;  // a-z, 0xA0-0xAF, 0xE0-0xEF, 0xF1 0xF3 0xF5 0xF7
extern const CharSet WordSet;   // 0-9, A-Z, _, a-z, 0x80-0xAF, 0xE0-0xF7
extern const CharSet DigitSet;  // 0-9

inline bool InSet(const CharSet& set, unsigned char byte) {
  return (set.bits[byte >> 3] >> (byte & 7)) & 1;
}
inline void AddToSet(CharSet* set, unsigned char byte) {
  set->bits[byte >> 3] = static_cast<unsigned char>(set->bits[byte >> 3] | (1u << (byte & 7)));
}
inline void RemoveFromSet(CharSet* set, unsigned char byte) {
  set->bits[byte >> 3] = static_cast<unsigned char>(set->bits[byte >> 3] & ~(1u << (byte & 7)));
}
void ClearSet(CharSet* set);
void AddRange(CharSet* set, int low, int high);  // nothing when low > high
void AddSet(CharSet* set, const CharSet& members);
void AddComplement(CharSet* set, const CharSet& members);

// Lower-case partner of a code page 866 upper-case letter, else the byte
// itself: A-Z and А-П (0x80-0x8F) by +0x20, Р-Я (0x90-0x9F) by +0x50 onto
// р-я (0xE0-0xEF), Ё Є Ї Ў (0xF0 0xF2 0xF4 0xF6) by +1. Adding 32 to every
// upper-case byte would fold Р-Я onto box-drawing characters and Ё onto a
// control byte. The letters are those the plain case-insensitive search folds
// through the Windows calls (OEM 866 and ANSI 1251), so a word it finds as
// text is found by a pattern with /i too.
unsigned char FoldByte(unsigned char byte);
// The upper-case letter that FoldByte maps onto `folded`, else `folded`
// itself: FoldByte's inverse on its image. No byte has more than one such
// letter, so `folded` and its partner are every byte that folds onto `folded`.
unsigned char UpperPartner(unsigned char folded);
