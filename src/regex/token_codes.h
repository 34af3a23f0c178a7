// Token codes of the pattern language: the tokenizer's output and, for the
// item codes, the operands of NodeItem. The numbers are part of the engine's
// representation (tests, dumps and the tester print them): never renumber.
#pragma once

enum TokenCode : int {
  // 0 to 255: a literal byte.
  TokLiteralLimit = 256,
  TokStar = 4097,
  TokPlus = 4098,
  TokOptional = 4099,
  TokLazyStar = 4100,
  TokLazyPlus = 4101,
  TokLazyOptional = 4102,
  TokBar = 4107,
  TokLookBehind = 4352,     // + distance 0 to 9
  TokNegLookBehind = 4608,  // + distance 0 to 9
  TokLookAhead = 4864,
  TokNegLookAhead = 5120,
  TokRefBackref = 8448,  // + group 0 to 19, "\y" and digits
  TokBackref = 8704,     // + group 0 to 19, "\" and digits
  ItemAny = 16384,
  ItemTextStart = 16385,
  ItemTextEnd = 16386,
  ItemDigit = 16387,
  ItemNotDigit = 16388,
  ItemWord = 16389,
  ItemNotWord = 16390,
  ItemBlank = 16391,
  ItemNotBlank = 16392,
  ItemUpper = 16393,
  ItemLower = 16394,
  ItemWordStart = 16395,
  ItemWordEnd = 16396,
  ItemNotAfterWord = 16397,
  ItemMarkStart = 16398,
  ItemMarkEnd = 16399,
  TokGroupOpen = 28673,
  TokGroupClose = 28674,
  TokClassOpen = 28675,
  TokClassClose = 28676,
  TokNegClassOpen = 28677,
  TokBraceOpen = 28678,
  TokBraceClose = 28679,
  TokLazyBraceClose = 28680,
  TokRangeDash = 28681,
};

enum {
  kMaxLookBehind = 9,     // one digit after "?#" or "?~"
  kMaxBackrefGroup = 19,  // "\19" is the highest back-reference that can be written
};

inline bool IsItemCode(int token) {
  return token >= ItemAny && token <= ItemMarkEnd;
}
inline bool IsLiteralToken(int token) {
  return token >= 0 && token < TokLiteralLimit;
}
