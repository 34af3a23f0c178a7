// Marks the register use of a compiled tree: first what each node's walk may
// write, from the leaves up, then what the rest after each node may write,
// from the top down. The rest of a node is the remainder of its sequence and
// then the rest of its owner; an alternative's rest over-counts the later
// alternatives of its chain, which only costs a copy.
#include "regex/register_use.h"

#include "regex/pattern_node.h"
#include "regex/token_codes.h"

namespace {

bool HasRegisters(const PatternNode* node) {
  return node->kind == NodeGroup && node->low >= 1 && node->low < kMaxGroups;
}

bool OwnsSequence(const PatternNode* node) {
  return node->kind == NodeGroup || IsPostfixKind(node->kind);
}

// Marks kWalkWrites in the sequence from first and below; returns whether
// any node of the sequence has it.
bool MarkWalks(PatternNode* first, bool* reads) {
  bool any = false;
  for (PatternNode* node = first; node; node = node->next) {
    bool writes = false;
    if (node->kind == NodeItem) {
      writes = node->operand.value == ItemMarkStart || node->operand.value == ItemMarkEnd;
    } else if (node->kind == NodeBackref) {
      *reads = true;
    } else if (OwnsSequence(node) && node->operand.child) {
      writes = MarkWalks(node->operand.child, reads) || HasRegisters(node);
    }
    node->registers = writes ? kWalkWrites : 0;
    any = any || writes;
  }
  return any;
}

// ownerRest: whether the rest after the sequence's owner writes.
void MarkRests(PatternNode* first, bool ownerRest, bool capturesSoFar) {
  const PatternNode* lastWriter = nullptr;
  for (const PatternNode* node = first; node; node = node->next)
    if (node->registers & kWalkWrites) lastWriter = node;
  bool beforeLastWriter = lastWriter != nullptr;
  for (PatternNode* node = first; node; node = node->next) {
    if (node == lastWriter) beforeLastWriter = false;
    bool rest = beforeLastWriter || ownerRest;
    if (rest) node->registers |= kRestWrites;
    if (OwnsSequence(node) && node->operand.child) {
      bool leaving = capturesSoFar && HasRegisters(node);
      MarkRests(node->operand.child, rest || leaving, capturesSoFar);
    }
  }
}

}  // namespace

bool MarkRegisterUse(PatternNode* root) {
  if (!root) return false;
  bool reads = false;
  MarkWalks(root, &reads);
  MarkRests(root, false, reads);
  return reads;
}
