// The first-byte analysis. For every node it finds what the node does at a
// position whose byte lies outside its set `bytes`: it fails without writing
// a register, or (when `passes`) it may also succeed there without consuming
// and without writing. A node that might write a register or read one
// before consuming is `unsafe`, and an unsafe prefix makes the set unusable.
// A sequence takes the sets of its nodes up to the first one that cannot
// pass; an alternative chain takes the union of its members. A repetition
// that stops at zero leaves textPos at the start, so what it hands on to the
// rest of the pattern (RestMatches) is walked at the same position and is
// covered by the nodes that follow it here.
#include "regex/first_byte_set.h"

#include "regex/register_use.h"
#include "regex/token_codes.h"

namespace {

struct Start {
  CharSet bytes;
  bool passes;
  bool unsafe;
};

enum { kMaxDepth = 64 };  // deeper nesting gives up, which is always sound

struct Analysis {
  bool ignoreCase;
  // Look-arounds count as unsafe: one may read up to the end of the text
  // before the rest fails, and a repetition that skips such walks must not
  // change what they leave behind there.
  bool noLookArounds;
  // The rest of a repetition, tried at a position that holds a byte and
  // abandoned when it fails: "$" fails there, and what the rest writes
  // before it fails is put back (RestMatches), so a marker or a group
  // that may hold without consuming only passes.
  bool restAtByte;
  // A start position past the start of the text, where "^" fails, and
  // where what an attempt that fails wrote is cleared before the next one.
  bool pastStart;
};

Start Nothing(bool passes) {
  Start start;
  ClearSet(&start.bytes);
  start.passes = passes;
  start.unsafe = false;
  return start;
}

Start Unsafe() {
  Start start = Nothing(true);
  start.unsafe = true;
  return start;
}

// The bytes that fold onto the same byte as `wanted`: the folded byte and
// its one partner.
void AddFoldedPreimages(CharSet* set, unsigned char wanted) {
  unsigned char folded = FoldByte(wanted);
  AddToSet(set, folded);
  AddToSet(set, UpperPartner(folded));
}

Start ItemStart(const Analysis& analysis, int code) {
  Start start = Nothing(false);
  if (IsLiteralToken(code)) {
    unsigned char wanted = static_cast<unsigned char>(code);
    if (!analysis.ignoreCase) {
      AddToSet(&start.bytes, wanted);
      return start;
    }
    AddFoldedPreimages(&start.bytes, wanted);
    return start;
  }
  switch (code) {
    case ItemTextEnd: return Nothing(!analysis.restAtByte);
    case ItemTextStart: return Nothing(!analysis.pastStart);
    case ItemWordStart:
    case ItemWordEnd:
    case ItemNotAfterWord: return Nothing(true);  // zero width, writes nothing
    case ItemMarkStart:
    case ItemMarkEnd: return analysis.restAtByte || analysis.pastStart ? Nothing(true) : Unsafe();
    case ItemDigit: AddSet(&start.bytes, DigitSet); return start;
    case ItemNotDigit: AddComplement(&start.bytes, DigitSet); return start;
    case ItemWord: AddSet(&start.bytes, WordSet); return start;
    case ItemNotWord: AddComplement(&start.bytes, WordSet); return start;
    case ItemUpper: AddSet(&start.bytes, UpperSet); return start;
    case ItemLower: AddSet(&start.bytes, LowerSet); return start;
    case ItemBlank:
      AddToSet(&start.bytes, ' ');
      AddToSet(&start.bytes, '\t');
      return start;
    case ItemNotBlank:
      AddRange(&start.bytes, 0, 255);
      RemoveFromSet(&start.bytes, ' ');
      RemoveFromSet(&start.bytes, '\t');
      return start;
    case ItemAny: AddRange(&start.bytes, 0, 255); return start;
  }
  return Unsafe();  // a code this analysis does not know
}

Start SequenceStart(const Analysis& analysis, const PatternNode* node, int depth);

bool ConsumesOneByte(int code) {
  return IsLiteralToken(code) || code == ItemAny || (code >= ItemDigit && code <= ItemLower);
}

// The operand of a postfix operator: a single node.
Start NodeStart(const Analysis& analysis, const PatternNode* node, int depth) {
  if (depth > kMaxDepth) return Unsafe();
  switch (node->kind) {
    case NodeEmpty: return Nothing(true);
    case NodeItem: return ItemStart(analysis, node->operand.value);
    case NodeClass:
    case NodeNegClass: {
      Start start = Nothing(false);
      if (node->kind == NodeClass)
        AddSet(&start.bytes, *node->operand.set);
      else
        AddComplement(&start.bytes, *node->operand.set);
      return start;
    }
    case NodeGroup: {
      // A group writes its register when its body succeeds: only a body
      // that consumes first keeps that write behind the first byte.
      Start body = SequenceStart(analysis, node->operand.child, depth + 1);
      return body.passes && !analysis.restAtByte && !analysis.pastStart ? Unsafe() : body;
    }
    case NodePlus:
    case NodeLazyPlus: return NodeStart(analysis, node->operand.child, depth + 1);
    case NodeAtLeast:
    case NodeBetween:
    case NodeLazyAtLeast:
    case NodeLazyBetween: {
      Start operand = NodeStart(analysis, node->operand.child, depth + 1);
      if (node->low < 1 || node->high == 0) operand.passes = true;
      return operand;
    }
    case NodeStar:
    case NodeLazyStar:
    case NodeOptional:
    case NodeLazyOptional: {
      Start operand = NodeStart(analysis, node->operand.child, depth + 1);
      operand.passes = true;
      return operand;
    }
    case NodeLookAhead:
      if (analysis.noLookArounds) return Unsafe();
      return NodeStart(analysis, node->operand.child, depth + 1);
    case NodeLookBehind:
    case NodeNegLookBehind:
    case NodeNegLookAhead:
      // Looks at other bytes or succeeds where its operand fails: a filter
      // at most, and sound to pass over only when its walk writes nothing.
      if (analysis.noLookArounds) return Unsafe();
      return (node->operand.child->registers & kWalkWrites) ? Unsafe() : Nothing(true);
    default: return Unsafe();  // back-references, an alternative as an operand
  }
}

void Merge(Start* into, const Start& from) {
  AddSet(&into->bytes, from.bytes);
  into->unsafe = into->unsafe || from.unsafe;
}

Start SequenceStart(const Analysis& analysis, const PatternNode* node, int depth) {
  Start start = Nothing(true);
  while (node && start.passes && !start.unsafe) {
    Start part = Nothing(false);
    if (node->kind == NodeAlternative) {
      // A chain: every member is tried at the same position, the last one
      // being the first node after the chain that is not an alternative.
      for (; node->kind == NodeAlternative && node->next; node = node->next) {
        Start member = NodeStart(analysis, node->operand.child, depth + 1);
        Merge(&part, member);
        part.passes = part.passes || member.passes;
      }
      // A bar that ends the sequence leaves nothing that must match.
      Start last = NodeStart(analysis, node->kind == NodeAlternative ? node->operand.child : node,
                             depth + 1);
      if (node->kind == NodeAlternative) last.passes = true;
      Merge(&part, last);
      part.passes = part.passes || last.passes;
    } else {
      part = NodeStart(analysis, node, depth + 1);
    }
    Merge(&start, part);
    start.passes = part.passes;
    node = node->next;
  }
  return start;
}

}  // namespace

namespace {

void BuildStartSet(const PatternNode* root, const Analysis& analysis, FirstByteSet* first) {
  first->usable = false;
  ClearSet(&first->bytes);
  if (!root || root->kind != NodeGroup) return;
  Start start = SequenceStart(analysis, root->operand.child, 0);
  if (start.passes || start.unsafe) return;
  first->bytes = start.bytes;
  first->usable = true;
}

}  // namespace

void BuildFirstByteSet(const PatternNode* root, bool ignoreCase, FirstByteSet* first) {
  Analysis analysis = {ignoreCase, false, false, false};
  BuildStartSet(root, analysis, first);
}

void BuildLaterByteSet(const PatternNode* root, bool ignoreCase, FirstByteSet* later) {
  Analysis analysis = {ignoreCase, false, false, true};
  BuildStartSet(root, analysis, later);
}

// The rest as RestMatches walks it: the remainder of the node's sequence,
// then of each owner's, out to the top level or to a look-around, where the
// rest ends and holds.
bool BuildRestStartSet(const PatternNode* node, bool ignoreCase, CharSet* bytes) {
  ClearSet(bytes);
  Analysis analysis = {ignoreCase, true, true, false};
  for (; node && !IsLookAroundKind(node->kind); node = node->parent) {
    while (node->kind == NodeAlternative && node->next) node = node->next;
    if (!node->next) continue;
    Start part = SequenceStart(analysis, node->next, 0);
    if (part.unsafe) return false;
    AddSet(bytes, part.bytes);
    if (!part.passes) return true;
  }
  return false;
}

bool BuildByteTestSet(const PatternNode* node, bool ignoreCase, CharSet* bytes) {
  ClearSet(bytes);
  bool consumesOne = node->kind == NodeClass || node->kind == NodeNegClass ||
                     (node->kind == NodeItem && ConsumesOneByte(node->operand.value));
  if (!consumesOne) return false;
  Analysis analysis = {ignoreCase, true, false, false};
  Start start = NodeStart(analysis, node, 0);
  if (start.passes || start.unsafe) return false;
  *bytes = start.bytes;
  return true;
}

const char* NextFirstByte(const FirstByteSet& first, const char* position, const char* end) {
  for (; position < end; ++position)
    if (InSet(first.bytes, static_cast<unsigned char>(*position))) return position;
  return nullptr;
}
