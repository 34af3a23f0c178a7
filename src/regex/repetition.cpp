// The repetition kinds. A greedy repetition takes what it can, then backs
// off one byte at a time (whatever the operand's length, so it may end in
// the middle of a repetition), asking RestMatches at each step; a lazy one
// asks RestMatches before each further walk. Repetition is a loop: only the
// operand walk and RestMatches recurse.
//
// Operands that can match the empty string would repeat for ever: greedy
// star, plus and at-least stop at the first walk that does not move
// textPos (an at-least then counts its missing repetitions as matched
// empty), lazy star and lazy plus succeed where they are, a lazy at-least
// leaves its loop once it has its n repetitions. The counted kinds are
// bounded by their counts anyway; a between never backs off below where it
// began, which would step over bytes it never took.
#include "regex/char_set.h"
#include "regex/pattern_object.h"
#include "regex/token_codes.h"

// Walks the operand while it succeeds and moves; returns the number of
// successful walks, and whether the last of them stalled (did not move).
int PatternObject::RepeatGreedily(const PatternNode* node, bool* stalled) {
  *stalled = false;
  int taken = RepeatByteTest(node);
  if (taken >= 0) return taken;
  for (int walks = 0;; ++walks) {
    const char* before = textPos;
    if (!WalkOperand(node)) return walks;
    if (textPos <= before) {
      *stalled = true;
      return walks + 1;
    }
  }
}

namespace {

// Whether the node tests one byte against a set (a class, "\w", "\d" and the
// like) and, if so, the set and the InSet answer that matches.
bool IsByteTest(const PatternNode* node, const CharSet** set, bool* member) {
  *member = node->kind != NodeNegClass;
  if (node->kind == NodeClass || node->kind == NodeNegClass) {
    *set = node->operand.set;
    return true;
  }
  if (node->kind != NodeItem) return false;
  switch (node->operand.value) {
    case ItemWord: *set = &WordSet; return true;
    case ItemDigit: *set = &DigitSet; return true;
    case ItemUpper: *set = &UpperSet; return true;
    case ItemLower: *set = &LowerSet; return true;
    case ItemNotWord:
      *set = &WordSet;
      *member = false;
      return true;
    case ItemNotDigit:
      *set = &DigitSet;
      *member = false;
      return true;
  }
  return false;
}

}  // namespace

// The greedy walks of an operand that tests one byte, as one loop: the
// operand's walks, each a node walk, would take the same bytes, count the
// same steps and mark a cut the same way. -1 when the loop does not apply:
// the operand is no byte test, or the step limit or an interrupt check
// would come due within the walks (the walks one by one then meet it), or
// the shortcuts are off for a comparison.
int PatternObject::RepeatByteTest(const PatternNode* node) {
  const CharSet* set;
  bool member;
  if (!prefilterEnabled || gaveUp || !IsByteTest(node->operand.child, &set, &member)) return -1;
  const char* at = textPos;
  while (at != textEnd && InSet(*set, static_cast<unsigned char>(*at)) == member) ++at;
  unsigned long walks = static_cast<unsigned long>(at - textPos) + 1;  // the last one fails
  if (stepLimit && walks > stepLimit - steps) return -1;
  if (interruptCheck && walks >= pollCountdown) return -1;
  if (stepLimit) steps += walks;
  if (interruptCheck) pollCountdown -= walks;
  if (at == textEnd && textCut) touchedCut = true;
  int taken = static_cast<int>(at - textPos);
  textPos = at;
  return taken;
}

// Steps back from textPos towards start until the rest matches; succeeds at
// start at the latest, leaving the decision to the nodes after it.
bool PatternObject::BackOff(const PatternNode* node, const char* start) {
  while (!RestMatches(node)) {
    if (gaveUp) return false;
    if (textPos <= start) return true;
    --textPos;
  }
  return true;
}

bool PatternObject::MatchStar(const PatternNode* node) {
  const char* start = textPos;
  bool stalled;
  RepeatGreedily(node, &stalled);
  return BackOff(node, start);
}

bool PatternObject::MatchPlus(const PatternNode* node) {
  const char* start = textPos;
  if (!WalkOperand(node)) return false;
  bool stalled;
  if (textPos > start) RepeatGreedily(node, &stalled);
  return BackOff(node, start);  // down to start itself, not to the first repetition
}

bool PatternObject::MatchLazyStar(const PatternNode* node) {
  while (!RestMatches(node)) {
    const char* before = textPos;
    if (!WalkOperand(node) || textPos <= before) return true;
  }
  return true;
}

bool PatternObject::MatchLazyPlus(const PatternNode* node) {
  if (!WalkOperand(node)) return false;
  return MatchLazyStar(node);
}

bool PatternObject::MatchLazyOptional(const PatternNode* node) {
  if (RestMatches(node)) return true;
  return WalkOperand(node);
}

bool PatternObject::MatchAtLeast(const PatternNode* node) {
  const char* start = textPos;
  const int least = node->low;
  bool stalled;
  int walks = RepeatGreedily(node, &stalled);
  if (stalled && walks < least) walks = least;
  for (;;) {
    if (walks < least) {
      textPos = start;
      return false;
    }
    --walks;
    if (RestMatches(node)) return true;
    if (gaveUp) return false;
    if (textPos <= start) return true;
    --textPos;
  }
}

bool PatternObject::MatchBetween(const PatternNode* node) {
  const char* start = textPos;
  const int least = node->low;
  int walks = 0;
  for (; walks < least; ++walks) {
    if (!WalkOperand(node)) {
      textPos = start;
      return false;
    }
  }
  while (walks < node->high && WalkOperand(node)) ++walks;
  for (;;) {
    if (RestMatches(node)) return true;
    --walks;
    if (gaveUp || textPos <= start) {
      textPos = start;
      return false;
    }
    --textPos;
    if (walks < least) {
      textPos = start;
      return false;
    }
  }
}

bool PatternObject::MatchLazyAtLeast(const PatternNode* node) {
  const char* start = textPos;
  const int least = node->low;
  int walks = 0;
  for (;;) {  // the operand is tried once before the rest, even for n = 0
    const char* before = textPos;
    if (!WalkOperand(node)) break;
    ++walks;
    if (walks >= least && (RestMatches(node) || textPos <= before)) break;
  }
  if (walks >= least) return true;
  textPos = start;
  return false;
}

bool PatternObject::MatchLazyBetween(const PatternNode* node) {
  const char* start = textPos;
  int walks = 0;
  for (; walks < node->low; ++walks) {
    if (!WalkOperand(node)) {
      textPos = start;
      return false;
    }
  }
  while (!RestMatches(node)) {
    ++walks;
    if (!WalkOperand(node) || walks > node->high) {
      textPos = start;
      return false;
    }
  }
  return true;
}
