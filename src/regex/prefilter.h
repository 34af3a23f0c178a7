// What every match of a compiled pattern must find in the text: literal
// bytes that a successful walk always tests with success somewhere in
// [textStart, textEnd). A text that lacks one of them cannot match, so the
// matcher rejects it with a memchr instead of trying every start position.
// Covered by tests/regex/prefilter_test.cpp (prefilter on and off compared).
#pragma once

#include "regex/pattern_node.h"

enum { kMaxRequiredBytes = 8 };  // more would cost more scans than they save

struct Prefilter {
  int count;  // required literal bytes found, at most kMaxRequiredBytes
  unsigned char bytes[kMaxRequiredBytes];
};

// Collects the required bytes of the tree under root (distinct, in pattern
// order). Only nodes that a match must walk successfully count: the
// sequences of the root and of required groups, the operands of pluses,
// counts with a lower bound of one or more, and positive look-arounds;
// never an alternative, the last alternative of a chain, or an optional part.
void BuildPrefilter(const PatternNode* root, Prefilter* prefilter);

// Whether the text holds every required byte; with ignoreCase a byte of the
// same fold will do.
bool PassesPrefilter(const Prefilter& prefilter, bool ignoreCase, const char* text,
                     const char* end);
