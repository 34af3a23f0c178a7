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
#include "regex/pattern_object.h"

// Walks the operand while it succeeds and moves; returns the number of
// successful walks, and whether the last of them stalled (did not move).
int PatternObject::RepeatGreedily(const PatternNode* node, bool* stalled) {
  *stalled = false;
  for (int walks = 0;; ++walks) {
    const char* before = textPos;
    if (!WalkOperand(node)) return walks;
    if (textPos <= before) {
      *stalled = true;
      return walks + 1;
    }
  }
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
