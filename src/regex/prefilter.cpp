// The prefilter: required literal bytes of a compiled tree, and the scan
// that rejects a text lacking one. A match walks every node of the top-level
// sequence with success (but the last alternative of a chain, skipped when
// an earlier one matched), a group walks its body, a plus and a count from
// one up walk their operand once before anything can be given back, and a
// positive look-around walks its operand inside the text. A literal item
// that succeeds has its byte at textPos, so the byte is in the text.
#include "regex/prefilter.h"

#include <cstring>

#include "regex/char_set.h"
#include "regex/token_codes.h"

namespace {

void Require(Prefilter* prefilter, unsigned char byte) {
  for (int i = 0; i < prefilter->count; ++i)
    if (prefilter->bytes[i] == byte) return;
  if (prefilter->count < kMaxRequiredBytes) prefilter->bytes[prefilter->count++] = byte;
}

void CollectSequence(const PatternNode* node, Prefilter* prefilter, int depth);

// The node must be walked with success by every match.
void CollectNode(const PatternNode* node, Prefilter* prefilter, int depth) {
  if (depth > 64) return;  // deeper nesting only loses bytes, never soundness
  switch (node->kind) {
    case NodeItem:
      if (IsLiteralToken(node->operand.value))
        Require(prefilter, static_cast<unsigned char>(node->operand.value));
      return;
    case NodeGroup: CollectSequence(node->operand.child, prefilter, depth + 1); return;
    case NodePlus:
    case NodeLazyPlus:
    case NodeLookAhead:
    case NodeLookBehind: CollectNode(node->operand.child, prefilter, depth + 1); return;
    case NodeAtLeast:
    case NodeBetween:
    case NodeLazyAtLeast:
    case NodeLazyBetween:
      if (node->low >= 1) CollectNode(node->operand.child, prefilter, depth + 1);
      return;
    default: return;
  }
}

void CollectSequence(const PatternNode* node, Prefilter* prefilter, int depth) {
  bool afterAlternative = false;
  for (; node; node = node->next) {
    bool alternative = node->kind == NodeAlternative;
    if (!alternative && !afterAlternative) CollectNode(node, prefilter, depth);
    afterAlternative = alternative;
  }
}

bool HoldsFolded(unsigned char wanted, const char* text, const char* end) {
  unsigned char folded = FoldByte(wanted);
  unsigned char partner = UpperPartner(folded);
  size_t length = size_t(end - text);
  if (memchr(text, folded, length)) return true;
  return partner != folded && memchr(text, partner, length);
}

}  // namespace

void BuildPrefilter(const PatternNode* root, Prefilter* prefilter) {
  prefilter->count = 0;
  if (root && root->kind == NodeGroup) CollectSequence(root->operand.child, prefilter, 0);
}

bool PassesPrefilter(const Prefilter& prefilter, bool ignoreCase, const char* text,
                     const char* end) {
  for (int i = 0; i < prefilter.count; ++i) {
    unsigned char byte = prefilter.bytes[i];
    bool held = ignoreCase ? HoldsFolded(byte, text, end)
                           : memchr(text, byte, size_t(end - text)) != nullptr;
    if (!held) return false;
  }
  return true;
}
