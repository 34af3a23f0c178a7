// The constant byte tables and the set helpers.
#include "regex/char_set.h"

#include <cstring>

namespace {

struct ByteRange {
  int low, high;
};

template <int N>
constexpr CharSet SetOf(const ByteRange (&ranges)[N]) {
  CharSet set{};
  for (int r = 0; r < N; ++r) {
    for (int v = ranges[r].low; v <= ranges[r].high; ++v) {
      set.bits[v >> 3] = static_cast<unsigned char>(set.bits[v >> 3] | (1u << (v & 7)));
    }
  }
  return set;
}

// 0xF0-0xF7 pair upper and lower case: Ё ё Є є Ї ї Ў ў.
constexpr ByteRange kUpper[] = {{0x41, 0x5A}, {0x80, 0x9F}, {0xF0, 0xF0},
                                {0xF2, 0xF2}, {0xF4, 0xF4}, {0xF6, 0xF6}};
constexpr ByteRange kLower[] = {{0x61, 0x7A}, {0xA0, 0xAF}, {0xE0, 0xEF}, {0xF1, 0xF1},
                                {0xF3, 0xF3}, {0xF5, 0xF5}, {0xF7, 0xF7}};
constexpr ByteRange kWord[] = {{0x30, 0x39}, {0x41, 0x5A}, {0x5F, 0x5F},
                               {0x61, 0x7A}, {0x80, 0xAF}, {0xE0, 0xF7}};
constexpr ByteRange kDigit[] = {{0x30, 0x39}};

}  // namespace

const CharSet UpperSet = SetOf(kUpper);
const CharSet LowerSet = SetOf(kLower);
const CharSet WordSet = SetOf(kWord);
const CharSet DigitSet = SetOf(kDigit);

void ClearSet(CharSet* set) {
  std::memset(set->bits, 0, sizeof set->bits);
}

void AddRange(CharSet* set, int low, int high) {
  for (int v = low; v <= high; ++v) AddToSet(set, static_cast<unsigned char>(v));
}

void AddSet(CharSet* set, const CharSet& members) {
  for (int i = 0; i < 32; ++i)
    set->bits[i] = static_cast<unsigned char>(set->bits[i] | members.bits[i]);
}

void AddComplement(CharSet* set, const CharSet& members) {
  for (int i = 0; i < 32; ++i) {
    set->bits[i] = static_cast<unsigned char>(set->bits[i] | ~members.bits[i]);
  }
}

namespace {

constexpr unsigned char Fold(unsigned char byte) {
  if ((byte >= 0x41 && byte <= 0x5A) || (byte >= 0x80 && byte <= 0x8F)) return byte + 0x20;
  if (byte >= 0x90 && byte <= 0x9F) return byte + 0x50;
  if (byte >= 0xF0 && byte <= 0xF7 && byte % 2 == 0) return byte + 1;
  return byte;
}

// The fold's inverse, made from the fold itself so the two cannot drift
// apart: entry f is the byte other than f that folds onto f, else f.
struct FoldInverse {
  unsigned char partner[256];
};

constexpr FoldInverse MakeFoldInverse() {
  FoldInverse inverse{};
  for (int b = 0; b < 256; ++b) inverse.partner[b] = static_cast<unsigned char>(b);
  for (int b = 0; b < 256; ++b) {
    const unsigned char folded = Fold(static_cast<unsigned char>(b));
    if (folded != b) inverse.partner[folded] = static_cast<unsigned char>(b);
  }
  return inverse;
}

constexpr FoldInverse kFoldInverse = MakeFoldInverse();

// What the users of the inverse rely on: folded bytes fold onto themselves,
// and at most one other byte folds onto any byte, so the folded byte and its
// partner are all the bytes that fold onto it.
constexpr bool FoldHasOnePartnerEach() {
  for (int b = 0; b < 256; ++b) {
    const unsigned char folded = Fold(static_cast<unsigned char>(b));
    if (Fold(folded) != folded) return false;
    if (folded != b && kFoldInverse.partner[folded] != b) return false;
  }
  return true;
}
static_assert(FoldHasOnePartnerEach(), "every byte has at most one upper-case partner");

}  // namespace

unsigned char FoldByte(unsigned char byte) {
  return Fold(byte);
}

unsigned char UpperPartner(unsigned char folded) {
  return kFoldInverse.partner[folded];
}
