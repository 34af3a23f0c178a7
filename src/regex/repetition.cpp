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
//
// Registers: a walk of the operand that fails and is not the end of the
// repetition is undone (WalkOrUndo). A greedy repetition that backs off
// holds the registers of the iterations that end at or before textPos; its
// iterations are not stored, so it replays them from the registers it
// began with: while it backs off when the rest reads registers, else once,
// where it stops.
#include "regex/char_set.h"
#include "regex/give_back.h"
#include "regex/pattern_object.h"
#include "regex/register_use.h"
#include "regex/saved_registers.h"
#include "regex/token_codes.h"

// Walks the operand while it succeeds and moves; returns the number of
// successful walks, and whether the last of them stalled (did not move).
int PatternObject::RepeatGreedily(const PatternNode* node, bool* stalled) {
  *stalled = false;
  int taken = RepeatByteTest(node);
  if (taken >= 0) return taken;
  for (int walks = 0;; ++walks) {
    const char* before = textPos;
    if (!WalkOrUndo(node)) return walks;
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

bool IsBlank(char byte) {
  return byte == ' ' || byte == '\t';
}

// The end of the run of bytes from `at` that the one-byte test `node` takes,
// as TestItem and MatchNode test them; null when the node is no such test.
const char* ByteRunEnd(const PatternNode* node, bool ignoreCase, const char* at, const char* end) {
  const CharSet* set;
  bool member;
  if (IsByteTest(node, &set, &member)) {
    while (at != end && InSet(*set, static_cast<unsigned char>(*at)) == member) ++at;
    return at;
  }
  if (node->kind != NodeItem) return nullptr;
  int code = node->operand.value;
  if (IsLiteralToken(code)) {
    char wanted = static_cast<char>(code);
    if (!ignoreCase) {
      while (at != end && *at == wanted) ++at;
      return at;
    }
    unsigned char folded = FoldByte(static_cast<unsigned char>(wanted));
    while (at != end && FoldByte(static_cast<unsigned char>(*at)) == folded) ++at;
    return at;
  }
  switch (code) {
    case ItemAny: return end;
    case ItemBlank:
      while (at != end && IsBlank(*at)) ++at;
      return at;
    case ItemNotBlank:
      while (at != end && !IsBlank(*at)) ++at;
      return at;
  }
  return nullptr;
}

}  // namespace

// The greedy walks of an operand that tests one byte, as one loop: the
// operand's walks, each a node walk, would take the same bytes, count the
// same steps and mark a cut the same way. -1 when the loop does not apply:
// the operand is no byte test, or the step limit or an interrupt check
// would come due within the walks (the walks one by one then meet it), or
// the shortcuts are off for a comparison.
int PatternObject::RepeatByteTest(const PatternNode* node) {
  if (!prefilterEnabled || gaveUp) return -1;
  const char* at = ByteRunEnd(node->operand.child, ignoreCase != 0, textPos, textEnd);
  if (!at) return -1;
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

void PatternObject::StartKeeping(const PatternNode* node, KeptIterations* kept) {
  kept->active = (node->registers & kWalkWrites) != 0;
  if (!kept->active) return;
  kept->before = *groups;
  kept->start = textPos;
}

// Puts the registers of the iterations that end at or before textPos in
// place, unless they are there already.
void PatternObject::KeepIterations(const PatternNode* node, KeptIterations* kept) {
  if (!kept->active || textPos >= kept->heldEnd) return;
  const char* to = textPos;
  *groups = kept->before;
  ++registerWrites;
  textPos = kept->start;
  for (int walks = 0; walks < kept->walks; ++walks) {
    const char* before = textPos;
    SavedRegisters held;
    SaveRegisters(*groups, &held);
    if (!WalkOperand(node) || textPos > to) {
      RestoreRegisters(held, groups);
      textPos = before;
      break;
    }
    if (textPos == before) break;  // stalled: no later iteration moves either
  }
  kept->heldEnd = textPos;
  textPos = to;
}

// Whether the rest, having failed where the repetition stopped, fails at
// every byte it took as well, so that stepping back through them would only
// repeat the failure (give_back.h).
bool PatternObject::KeepsAll(const PatternNode* node) const {
  return node->keepsAll && keepAllEnabled && prefilterEnabled;
}

// Whether a repetition that keeps all it took can stop where it stopped
// without trying the rest there first: the walk goes on with that very rest,
// and where it fails there, it fails at the start too, on a byte the
// repetition took. The repetition's operand tests one byte and writes no
// register. Spares a try of the rest, which would itself try the rest of
// every such repetition after it.
bool PatternObject::DecidesAtStop(const PatternNode* node) const {
  return KeepsAll(node) && node->restIsWalked;
}

// Whether trying the rest at textPos would fail on the byte there, or on a
// word byte before it, and change nothing (give_back.h), so that the try can
// be skipped. At the end of the text the rest is always tried: it may hold
// there, or want the byte past a cut.
bool PatternObject::RestCannotStart(const PatternNode* node) const {
  if (!node->rest || !keepAllEnabled || !prefilterEnabled || textPos == textEnd) return false;
  if (!InSet(node->rest->bytes, static_cast<unsigned char>(*textPos))) return true;
  return node->rest->notAfterWord && textPos != textStart &&
         InSet(WordSet, static_cast<unsigned char>(textPos[-1]));
}

bool PatternObject::TryRest(const PatternNode* node) {
  return !RestCannotStart(node) && RestMatches(node);
}

// The walks of a lazy one-byte operand over the bytes where the rest cannot
// start, as one loop; returns how many bytes it passed over. Each would be a
// failed try of the rest and one node walk of the operand, counted as that
// walk; none when the step limit or an interrupt check would come due
// within them (the walks one by one then meet it).
int PatternObject::PassOver(const PatternNode* node) {
  if (!node->rest || !keepAllEnabled || !prefilterEnabled || gaveUp) return 0;
  const CharSet& over = node->rest->passOver;
  const char* at = textPos;
  while (at != textEnd && InSet(over, static_cast<unsigned char>(*at))) ++at;
  unsigned long walks = static_cast<unsigned long>(at - textPos);
  if (stepLimit && walks > stepLimit - steps) return 0;
  if (interruptCheck && walks >= pollCountdown) return 0;
  if (stepLimit) steps += walks;
  if (interruptCheck) pollCountdown -= walks;
  textPos = at;
  return static_cast<int>(walks);
}

// After a try of the rest failed at textPos: steps back over the bytes
// before it where a try would fail the same way (give_back.h), to the last
// of them. Only while the rest depends on nothing but the position.
void PatternObject::PassFailingRun(const PatternNode* node, const char* start) {
  if (readsRegisters || !keepAllEnabled || !prefilterEnabled) return;
  const CharSet& run = node->rest->failsInRuns;
  if (textPos == textEnd || !InSet(run, static_cast<unsigned char>(*textPos))) return;
  while (textPos > start && InSet(run, static_cast<unsigned char>(textPos[-1]))) --textPos;
}

// Moves textPos back towards start over the positions where the rest cannot
// start, as BackOff's loop steps over them one at a time, in a loop of its
// own: backing off through a word before "\b" passes most of them.
void PatternObject::StepOverUntried(const PatternNode* node, const char* start) {
  if (!node->rest || !keepAllEnabled || !prefilterEnabled || KeepsAll(node)) return;
  const RestStart& rest = *node->rest;
  const char* at = textPos;
  if (at == textEnd) return;  // the rest is always tried there
  for (; at > start; --at) {
    if (!InSet(rest.bytes, static_cast<unsigned char>(*at))) continue;
    if (!rest.notAfterWord || at == textStart) break;
    if (!InSet(WordSet, static_cast<unsigned char>(at[-1]))) break;
  }
  textPos = at;
}

// Steps back from textPos towards start until the rest matches; succeeds at
// start at the latest, leaving the decision to the nodes after it.
bool PatternObject::BackOff(const PatternNode* node, const char* start, KeptIterations* kept) {
  kept->heldEnd = textPos;
  if (DecidesAtStop(node)) return !gaveUp;
  for (;;) {
    StepOverUntried(node, start);
    if (!RestCannotStart(node)) {
      if (readsRegisters) KeepIterations(node, kept);
      if (RestMatches(node)) break;
      if (gaveUp) return false;
      if (node->passesRuns) PassFailingRun(node, start);
    }
    if (textPos <= start) break;
    if (KeepsAll(node)) {
      textPos = start;
      break;
    }
    --textPos;
  }
  KeepIterations(node, kept);
  return !gaveUp;
}

bool PatternObject::MatchStar(const PatternNode* node) {
  const char* start = textPos;
  KeptIterations kept;
  StartKeeping(node, &kept);
  bool stalled;
  kept.walks = RepeatGreedily(node, &stalled);
  return BackOff(node, start, &kept);
}

bool PatternObject::MatchPlus(const PatternNode* node) {
  const char* start = textPos;
  KeptIterations kept;
  StartKeeping(node, &kept);
  if (!WalkOperand(node)) return false;
  bool stalled;
  kept.walks = 1;
  if (textPos > start) kept.walks += RepeatGreedily(node, &stalled);
  return BackOff(node, start, &kept);  // down to start itself, not to the first repetition
}

bool PatternObject::MatchLazyStar(const PatternNode* node) {
  for (;;) {
    PassOver(node);
    if (TryRest(node)) return true;
    const char* before = textPos;
    if (!WalkOrUndo(node) || textPos <= before) return true;
  }
}

bool PatternObject::MatchLazyPlus(const PatternNode* node) {
  if (!WalkOperand(node)) return false;
  return MatchLazyStar(node);
}

bool PatternObject::MatchLazyOptional(const PatternNode* node) {
  if (TryRest(node)) return true;
  return WalkOperand(node);
}

bool PatternObject::MatchAtLeast(const PatternNode* node) {
  const char* start = textPos;
  const int least = node->low;
  KeptIterations kept;
  StartKeeping(node, &kept);
  bool stalled;
  int walks = RepeatGreedily(node, &stalled);
  kept.walks = walks;
  kept.heldEnd = textPos;
  if (stalled && walks < least) walks = least;
  for (;;) {
    if (walks < least) {
      textPos = start;
      return false;
    }
    if (DecidesAtStop(node)) return !gaveUp;
    --walks;
    if (!RestCannotStart(node)) {
      if (readsRegisters) KeepIterations(node, &kept);
      if (RestMatches(node)) break;
      if (gaveUp) return false;
    }
    if (textPos <= start) break;
    if (KeepsAll(node)) {  // down at start, with none given back
      textPos = start;
      if (least > 0) return false;
      break;
    }
    --textPos;
  }
  KeepIterations(node, &kept);
  return !gaveUp;
}

bool PatternObject::MatchBetween(const PatternNode* node) {
  const char* start = textPos;
  const int least = node->low;
  KeptIterations kept;
  StartKeeping(node, &kept);
  int walks = 0;
  for (; walks < least; ++walks) {
    if (!WalkOperand(node)) {
      textPos = start;
      return false;
    }
  }
  while (walks < node->high && WalkOrUndo(node)) ++walks;
  kept.walks = walks;
  kept.heldEnd = textPos;
  if (DecidesAtStop(node)) return !gaveUp;
  for (;;) {
    if (!RestCannotStart(node)) {
      if (readsRegisters) KeepIterations(node, &kept);
      if (RestMatches(node)) {
        KeepIterations(node, &kept);
        return !gaveUp;
      }
    }
    --walks;
    if (gaveUp || textPos <= start || KeepsAll(node)) {
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
    if (!WalkOrUndo(node)) break;
    ++walks;
    if (walks < least) continue;
    walks += PassOver(node);  // enough walks already: only the rest decides
    if (TryRest(node) || textPos <= before) break;
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
  while (!TryRest(node)) {
    ++walks;
    if (!WalkOperand(node) || walks > node->high) {
      textPos = start;
      return false;
    }
  }
  return true;
}
