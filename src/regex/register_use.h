// Which nodes can change the registers when walked, marked once per
// compilation, so that the matcher copies the registers only around walks
// that could leave an abandoned capture behind. Covered by
// tests/regex/registers_test.cpp.
#pragma once

#include "regex/pattern_node.h"

enum RegisterUse : unsigned char {
  // Walking the node may write a register: it is or holds a group with
  // registers (1 to 15) or a "\m"/"\M" marker.
  kWalkWrites = 1,
  // Walking what follows the node, as RestMatches does, may write one.
  kRestWrites = 2,
};

// Sets `registers` of every node under root and returns whether the pattern
// reads its own registers, that is, holds a back-reference. In such a
// pattern RestMatches gives every group it leaves its capture so far, so
// leaving a group with registers counts as a write.
bool MarkRegisterUse(PatternNode* root);
