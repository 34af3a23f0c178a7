// The bytes an unanchored match can start with. At a start position whose
// byte is not in the set (or at the end of the text) the walk fails before
// it writes any register, so the start loop may skip such positions without
// changing a result, a register or a "\m"/"\M" position. When that cannot be
// shown (a match may be empty or may write a register without consuming a
// byte, a back-reference may match anything) the set is not used.
// Covered by tests/regex/prefilter_test.cpp (on and off compared).
#pragma once

#include "regex/char_set.h"
#include "regex/pattern_node.h"

struct FirstByteSet {
  bool usable;  // false: every start position must be tried
  CharSet bytes;
};

// Reads the register marks of the tree: MarkRegisterUse runs first.
void BuildFirstByteSet(const PatternNode* root, bool ignoreCase, FirstByteSet* first);
// The same for start positions past the start of the text, where "^" fails
// and the start loop clears what a failed attempt wrote (so "\m", "\M" and
// a group that may hold without consuming only pass): a pattern such as
// "(^a)|(<b)" starts past the start only at "<".
void BuildLaterByteSet(const PatternNode* root, bool ignoreCase, FirstByteSet* later);

// The bytes that what follows node, as the matcher's RestMatches walks it,
// can start with: when the rest is tried at a position that holds a byte
// not in the set, it fails, reading no byte but the one there and the one
// before, and RestMatches leaves no register changed. False when that
// cannot be shown: the rest may hold without consuming, or look around, or
// read a register, before it consumes. At the end of the text the set says
// nothing ("$" may hold there).
bool BuildRestStartSet(const PatternNode* node, bool ignoreCase, CharSet* bytes);
// The bytes a node that consumes exactly one byte (a class, a literal, "."
// and the byte items) takes; false for any other node.
bool BuildByteTestSet(const PatternNode* node, bool ignoreCase, CharSet* bytes);

// The first position in [position, end) whose byte is in the set, or null.
const char* NextFirstByte(const FirstByteSet& first, const char* position, const char* end);
