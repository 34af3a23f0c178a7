// Greedy repetitions that never need to give back. A greedy repetition of a
// one-byte test takes what it can, then steps back one byte at a time and
// tries the rest of the pattern at each step. When the rest can start with
// none of the bytes the operand takes, every such try fails, reading only
// the byte there and the one before it and changing no register: the
// repetition can go straight from where it stopped to where it began. This
// changes no result, no register and no "\m"/"\M" position, only the number
// of node walks. Covered by tests/regex/give_back_test.cpp (on and off
// compared).
#pragma once

#include "regex/pattern_node.h"

// Sets keepsAll of every node under root; reads nothing but the tree.
void MarkKeepsAll(PatternNode* root, bool ignoreCase);
