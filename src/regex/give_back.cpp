// Marks the repetitions that never need to give back (give_back.h).
#include "regex/give_back.h"

#include "regex/char_set.h"
#include "regex/first_byte_set.h"

namespace {

bool Overlap(const CharSet& a, const CharSet& b) {
  for (int i = 0; i < 32; ++i)
    if (a.bits[i] & b.bits[i]) return true;
  return false;
}

// The greedy kinds that back off byte by byte. Lazy kinds try the rest
// before they take a byte, and an optional item does not back off at all.
bool BacksOff(int kind) {
  return kind == NodeStar || kind == NodePlus || kind == NodeAtLeast || kind == NodeBetween;
}

bool KeepsAll(const PatternNode* node, bool ignoreCase) {
  if (!BacksOff(node->kind) || !node->operand.child) return false;
  CharSet taken, rest;
  if (!BuildByteTestSet(node->operand.child, ignoreCase, &taken)) return false;
  if (!BuildRestStartSet(node, ignoreCase, &rest)) return false;
  return !Overlap(taken, rest);
}

// Nesting is bounded by the pattern's length, as in every pass over the tree.
void MarkSequence(PatternNode* first, bool ignoreCase) {
  for (PatternNode* node = first; node; node = node->next) {
    node->keepsAll = KeepsAll(node, ignoreCase);
    bool owns = node->kind == NodeGroup || IsPostfixKind(node->kind);
    if (owns && node->operand.child) MarkSequence(node->operand.child, ignoreCase);
  }
}

}  // namespace

void MarkKeepsAll(PatternNode* root, bool ignoreCase) {
  if (root) MarkSequence(root, ignoreCase);
}
