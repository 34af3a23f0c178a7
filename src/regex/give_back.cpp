// Marks what each repetition knows of its rest (give_back.h).
#include "regex/give_back.h"

#include "regex/first_byte_set.h"
#include "regex/pattern_memory.h"
#include "regex/token_codes.h"

namespace {

bool Overlap(const CharSet& a, const CharSet& b) {
  for (int i = 0; i < 32; ++i)
    if (a.bits[i] & b.bits[i]) return true;
  return false;
}

bool IsFull(const CharSet& set) {
  for (int i = 0; i < 32; ++i)
    if (set.bits[i] != 0xFF) return false;
  return true;
}

// The greedy kinds that back off byte by byte. An optional item does not
// back off at all, and never tries the rest.
bool BacksOff(int kind) {
  return kind == NodeStar || kind == NodePlus || kind == NodeAtLeast || kind == NodeBetween;
}

bool IsLazy(int kind) {
  return kind == NodeLazyStar || kind == NodeLazyPlus || kind == NodeLazyOptional ||
         kind == NodeLazyAtLeast || kind == NodeLazyBetween;
}

// A repetition or alternative that owns the node would walk other
// iterations or members after it, where RestMatches goes straight out.
bool RestIsWalked(const PatternNode* node) {
  for (const PatternNode* owner = node->parent; owner && !IsLookAroundKind(owner->kind);
       owner = owner->parent)
    if (owner->kind != NodeGroup) return false;
  return true;
}

bool IsMarker(const PatternNode* node) {
  return node->kind == NodeItem &&
         (node->operand.value == ItemMarkStart || node->operand.value == ItemMarkEnd);
}

// The rest of `node` as it begins in its own sequence: markers, a one-byte
// test X, then a greedy star Y* of a one-byte test, whose own rest R can
// start with the bytes in `rest`. Let S be the bytes X and Y take that are
// not in `rest`. A try that failed at a position p holding a byte of S then
// fails at p - 1 too, when that holds a byte of S: the star that starts at
// p + 1 in the first try takes the run of Y bytes up to the same q as the
// star that starts at p in the second, so the second backs off over the
// same positions, R failing at each (else the first try had matched, the
// walk after the star being R), and over p, where R cannot start; then both
// stop at their start, and R fails there. R is a function of the position
// alone while the pattern reads no register of its own (no back-reference),
// which the matcher checks. `run` is S; false when the rest does not begin
// so or S is empty.
bool BuildFailRunSet(const PatternNode* node, bool ignoreCase, CharSet* run) {
  ClearSet(run);
  const PatternNode* test = node->next;
  while (test && IsMarker(test)) test = test->next;
  CharSet first, taken, rest;
  if (!test || !BuildByteTestSet(test, ignoreCase, &first)) return false;
  const PatternNode* star = test->next;
  if (!star || star->kind != NodeStar || !star->operand.child) return false;
  if (!BuildByteTestSet(star->operand.child, ignoreCase, &taken)) return false;
  if (!BuildRestStartSet(star, ignoreCase, &rest)) return false;
  bool any = false;
  for (int i = 0; i < 32; ++i) {
    run->bits[i] = static_cast<unsigned char>(first.bits[i] & taken.bits[i] & ~rest.bits[i]);
    any = any || run->bits[i];
  }
  return any;
}

// Whether the first node that RestMatches walks after `node` is a test that
// fails at a byte after a word byte ("\b", "\c"), writing nothing.
bool RestStartsNotAfterWord(const PatternNode* node) {
  for (; node && !IsLookAroundKind(node->kind); node = node->parent) {
    while (node->kind == NodeAlternative && node->next) node = node->next;
    if (!node->next) continue;
    const PatternNode* first = node->next;
    if (first->kind != NodeItem) return false;
    return first->operand.value == ItemWordStart || first->operand.value == ItemNotAfterWord;
  }
  return false;
}

// False only when out of memory.
bool MarkRepetition(PatternNode* node, bool ignoreCase) {
  node->keepsAll = false;
  node->passesRuns = false;
  node->restIsWalked = RestIsWalked(node);
  bool lazy = IsLazy(node->kind);
  if ((!lazy && !BacksOff(node->kind)) || !node->operand.child) return true;
  CharSet rest, taken;
  // A rest that may start with any byte skips nothing.
  if (!BuildRestStartSet(node, ignoreCase, &rest) || IsFull(rest)) return true;
  bool byteTest = BuildByteTestSet(node->operand.child, ignoreCase, &taken);
  node->keepsAll = !lazy && byteTest && !Overlap(taken, rest);
  node->rest = static_cast<RestStart*>(AllocatePatternBlock(sizeof(RestStart)));
  if (!node->rest) return false;
  node->rest->bytes = rest;
  ClearSet(&node->rest->passOver);
  node->passesRuns = !lazy && BuildFailRunSet(node, ignoreCase, &node->rest->failsInRuns);
  node->rest->notAfterWord = RestStartsNotAfterWord(node);
  if (!lazy || !byteTest) return true;
  for (int i = 0; i < 32; ++i)
    node->rest->passOver.bits[i] = static_cast<unsigned char>(taken.bits[i] & ~rest.bits[i]);
  return true;
}

// Nesting is bounded by the pattern's length, as in every pass over the tree.
bool MarkSequence(PatternNode* first, bool ignoreCase) {
  for (PatternNode* node = first; node; node = node->next) {
    if (!MarkRepetition(node, ignoreCase)) return false;
    bool owns = node->kind == NodeGroup || IsPostfixKind(node->kind);
    if (owns && node->operand.child && !MarkSequence(node->operand.child, ignoreCase)) return false;
  }
  return true;
}

}  // namespace

bool MarkRestStarts(PatternNode* root, bool ignoreCase) {
  return !root || MarkSequence(root, ignoreCase);
}
