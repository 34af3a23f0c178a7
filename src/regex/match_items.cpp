// The item codes of NodeItem: single bytes, anchors, word tests, and the
// "\m"/"\M" markers. ignoreCase affects literal bytes only.
#include "regex/char_set.h"
#include "regex/pattern_object.h"
#include "regex/token_codes.h"

namespace {

bool IsBlank(unsigned char byte) {
  return byte == ' ' || byte == '\t';
}

// Whether the byte matches a consuming item code.
bool ByteMatches(int code, unsigned char byte) {
  switch (code) {
    case ItemAny: return true;
    case ItemDigit: return InSet(DigitSet, byte);
    case ItemNotDigit: return !InSet(DigitSet, byte);
    case ItemWord: return InSet(WordSet, byte);
    case ItemNotWord: return !InSet(WordSet, byte);
    case ItemBlank: return IsBlank(byte);
    case ItemNotBlank: return !IsBlank(byte);
    case ItemUpper: return InSet(UpperSet, byte);
    case ItemLower: return InSet(LowerSet, byte);
  }
  return false;
}

}  // namespace

// The zero-width items other than the markers, at textPos. A cut is not the
// end of the text: there the byte past it decides.
bool PatternObject::TestPosition(int code) const {
  bool atEnd = textPos == textEnd && !textCut;
  bool atStart = textPos == textStart;
  bool wordHere = !atEnd && InSet(WordSet, static_cast<unsigned char>(*textPos));
  bool wordBefore = !atStart && InSet(WordSet, static_cast<unsigned char>(textPos[-1]));
  switch (code) {
    case ItemTextStart: return atStart;
    case ItemTextEnd: return atEnd;
    case ItemWordStart: return atEnd || (wordHere && !wordBefore);
    case ItemWordEnd: return atEnd || (!wordHere && wordBefore);
    case ItemNotAfterWord: return atEnd || !wordBefore;
  }
  return false;
}

bool PatternObject::TestItem(int code) {
  if (code == ItemMarkStart || code == ItemMarkEnd) {
    short offset = static_cast<short>(textPos - textStart);
    (code == ItemMarkStart ? groups->groupStart : groups->groupEnd)[0] = offset;
    ++registerWrites;
    return true;
  }
  bool zeroWidth = code == ItemTextStart || code == ItemTextEnd ||
                   (code >= ItemWordStart && code <= ItemNotAfterWord);
  if (zeroWidth) return TestPosition(code);
  if (OutOfText()) return false;
  unsigned char byte = static_cast<unsigned char>(*textPos);
  bool matched;
  if (IsLiteralToken(code)) {
    unsigned char wanted = static_cast<unsigned char>(code);
    matched = ignoreCase ? FoldByte(byte) == FoldByte(wanted) : byte == wanted;
  } else {
    matched = ByteMatches(code, byte);
  }
  if (matched) ++textPos;
  return matched;
}
