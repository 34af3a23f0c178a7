// From tokens to the node tree: sequences, groups and their numbering,
// classes, counted repetitions, the postfix pass. Covered by
// tests/regex/tree_builder_test.cpp.
#pragma once

#include "regex/compile_error.h"
#include "regex/pattern_node.h"

enum {
  kMaxGroups16 = 16,  // group numbers 0 to 15 have registers; later groups get 16
  kMaxCount = 255,    // highest count of a counted repetition
};

// A fresh node (kind NodeEmpty, nothing linked) from the pattern allocator;
// null when out of memory.
PatternNode* NewPatternNode(PatternNode* parent);

// Builds the body of the root group from tokens[0, count): root becomes
// group 0 and *groupCount the number of groups, group 0 included (at most
// 16). On failure the partial tree hangs from root, for FreeNodes to release.
CompileError BuildPatternTree(const int* tokens, int count, PatternNode* root, int* groupCount);

// The decimal number of the literal digit tokens in [from, to): 0 when the
// range is empty, -1 when a token is not a digit, and kMaxCount + 1 for every
// number above kMaxCount.
int ParseCount(const int* tokens, int from, int to);

// The code of the first item when it can reject an anchored match at once:
// a literal byte, "^" or "\b" reached through groups and pluses; else 0.
int FindFirstItem(const PatternNode* root);

// Releases the node's next chain and everything the node owns; the node
// itself belongs to whoever holds it. Iterative along sequences, so a long
// sequence costs no stack; recursion follows operand nesting only.
void FreeNodes(PatternNode* node);
