// The matcher: a recursive backtracker whose backtracking is local to each
// repetition (repetition.cpp). A node that fails leaves textPos where it
// found it. Recursion descends into operands and, through RestMatches, into
// nodes after the current one, so its depth grows with the pattern, never
// with the text; sequences and owner chains are walked by loops. Nothing is
// read before textStart or at or after textEnd (but the one byte past a cut,
// by the position tests), and nothing is allocated.
#include "regex/char_set.h"
#include "regex/pattern_object.h"
#include "regex/register_use.h"
#include "regex/saved_registers.h"
#include "regex/token_codes.h"
#include "regex/tree_builder.h"

#include <cstring>

namespace {

// Every line of a scan passes here: strnlen reads no byte past the NUL or
// the limit, and is the library's vectorised loop.
const char* BoundedEnd(const char* text) {
  return text + strnlen(text, size_t(kMaxMatchedText));
}

}  // namespace

bool PatternObject::MatchText(const char* text, MatchGroups* matchGroups) {
  if (!text || !matchGroups) return false;
  const char* end = BoundedEnd(text);
  return Search(text, text, end, *end != '\0', matchGroups, -1);
}

// MayMatchText once the first byte has not rejected the text.
bool PatternObject::MayMatchMeasured(const char* text) {
  textStart = text;
  textEnd = BoundedEnd(text);
  textCut = *textEnd != '\0';
  return MayStart(text);
}

bool PatternObject::MatchRange(const char* start, const char* rangeStart, const char* rangeEnd,
                               MatchGroups* matchGroups, int anchoring) {
  if (!start || !rangeStart || !rangeEnd || !matchGroups) return false;
  if (rangeEnd < rangeStart || start < rangeStart || start > rangeEnd) return false;
  bool cut = rangeEnd - rangeStart > kMaxMatchedText;
  if (cut) rangeEnd = rangeStart + kMaxMatchedText;
  if (start > rangeEnd) return false;
  return Search(start, rangeStart, rangeEnd, cut, matchGroups, anchoring);
}

// cut: the text goes on past rangeEnd, so rangeEnd is not its end, and the
// byte at rangeEnd exists (the position tests read it, nothing consumes it).
bool PatternObject::Search(const char* start, const char* rangeStart, const char* rangeEnd,
                           bool cut, MatchGroups* matchGroups, int anchoring) {
  textStart = rangeStart;
  textEnd = rangeEnd;
  textCut = cut;
  groups = matchGroups;
  unsigned char saved = anchored;
  if (anchoring != -1) anchored = anchoring ? 1 : 0;
  bool found = RunMatch(start);
  anchored = saved;
  return found;
}

bool PatternObject::RunMatch(const char* start) {
  interrupted = false;
  gaveUp = false;
  touchedCut = false;
  if (invalid) return false;
  textPos = start;
  if (!QuickCheck()) return false;
  ClearRegisters();
  groups->groupCount = groupCount;
  // A text without a byte every match needs cannot match: no walk at all.
  if (prefilterEnabled && !PassesPrefilter(prefilter, ignoreCase, textStart, textEnd)) return false;
  steps = 0;
  for (const char* position = start;; ++position) {
    position = NextCandidate(position);
    if (!position) return false;
    textPos = position;
    unsigned long writesBefore = registerWrites;
    bool found = MatchNode(root);  // the root group as a sequence of one node
    if (gaveUp) return false;
    if (found) return true;
    if (anchored || position == textEnd) return false;
    // Each start position begins clean: a failed attempt leaves nothing.
    if (registerWrites != writesBefore) ClearRegisters();
  }
}

// The tests of RunMatch before its first walk, in the same order.
bool PatternObject::MayStart(const char* start) {
  textPos = start;
  if (!QuickCheck()) return false;
  if (prefilterEnabled && !PassesPrefilter(prefilter, ignoreCase, textStart, textEnd)) return false;
  return NextCandidate(start) != nullptr;
}

void PatternObject::ClearRegisters() {
  std::memset(groups->groupStart, 0xFF, sizeof groups->groupStart);  // all -1
  std::memset(groups->groupEnd, 0xFF, sizeof groups->groupEnd);
}

// The first start position at or after `position` where the pattern's first
// item can hold, or null when there is none. An attempt at a position where
// the first item fails fails before it writes a register, so skipping it
// changes nothing a caller can see; it only spares the walk down to that item.
// The first-byte set extends this to patterns that begin with a choice.
const char* PatternObject::NextCandidate(const char* position) const {
  if (anchored || firstItem == ItemTextStart) {
    // A single start: the set may still reject it before any walk (the
    // function column's rules begin with "^" and most lines fail there).
    if (!anchored && position != textStart) return nullptr;
    if (!prefilterEnabled || !firstBytes.usable) return position;
    bool possible =
        position != textEnd && InSet(firstBytes.bytes, static_cast<unsigned char>(*position));
    return possible ? position : nullptr;
  }
  if (firstItem == 0 || !IsLiteralToken(firstItem)) {
    if (!prefilterEnabled) return position;
    if (firstBytes.usable) return NextFirstByte(firstBytes, position, textEnd);
    if (!laterBytes.usable || position == textStart) return position;
    return NextFirstByte(laterBytes, position, textEnd);
  }
  unsigned char wanted = static_cast<unsigned char>(firstItem);
  size_t left = size_t(textEnd - position);
  if (!ignoreCase) return static_cast<const char*>(memchr(position, wanted, left));
  // The folded byte and its partner are every byte that folds onto it: the
  // nearer of the two is the first that does.
  unsigned char folded = FoldByte(wanted);
  unsigned char partner = UpperPartner(folded);
  const char* found = static_cast<const char*>(memchr(position, folded, left));
  if (partner == folded) return found;
  const char* other =
      static_cast<const char*>(memchr(position, partner, found ? size_t(found - position) : left));
  return other ? other : found;
}

// Rejects an anchored match on its first item before anything is touched.
// The item is tested as TestItem would test it, so "\b" holds at the end of
// the text here too.
bool PatternObject::QuickCheck() const {
  if (!anchored || firstItem == 0) return true;
  if (IsLiteralToken(firstItem)) {
    if (textPos == textEnd) return false;
    unsigned char byte = static_cast<unsigned char>(*textPos);
    unsigned char wanted = static_cast<unsigned char>(firstItem);
    return ignoreCase ? FoldByte(byte) == FoldByte(wanted) : byte == wanted;
  }
  return TestPosition(firstItem);
}

bool PatternObject::MatchSequence(const PatternNode* node) {
  while (node) {
    if (node->kind != NodeAlternative) {
      if (!MatchNode(node)) return false;
      node = node->next;
      continue;
    }
    if (!WalkOrUndo(node)) {
      node = node->next;  // the next alternative; the last one must match
      continue;
    }
    while (node->kind == NodeAlternative && node->next) node = node->next;
    node = node->next;  // past the last alternative
  }
  return true;
}

// Whether everything after node matches at textPos: the rest of its own
// sequence, then the rest of its owners' sequences out to the top level or
// to the nearest look-around. A look-around's operand is a match of its own:
// what follows the look-around is matched from where the look-around stands,
// so asking for it at the end of the operand would test the wrong bytes.
// textPos and the registers are always put back: the rest is only tried
// here, and walked for real once the node has decided.
bool PatternObject::RestMatches(const PatternNode* node) {
  if (node->registers & kRestWrites) return RestUndoing(node);
  return WalkRest(node);
}

bool PatternObject::RestUndoing(const PatternNode* node) {
  SavedRegisters saved;
  SaveRegisters(*groups, &saved);
  unsigned long writesBefore = registerWrites;
  bool matched = WalkRest(node);
  if (registerWrites != writesBefore) RestoreRegisters(saved, groups);
  return matched;
}

bool PatternObject::WalkRest(const PatternNode* node) {
  const char* saved = textPos;
  for (; node && !IsLookAroundKind(node->kind); node = node->parent) {
    while (node->kind == NodeAlternative && node->next) node = node->next;
    if (node->next && !MatchSequence(node->next)) {
      textPos = saved;
      return false;
    }
    // A back-reference after the group sees the text it would capture.
    const PatternNode* owner = node->parent;
    if (readsRegisters && owner && owner->kind == NodeGroup && owner->low >= 1 &&
        owner->low < kMaxGroups) {
      groups->groupStart[owner->low] = openStart[owner->low];
      groups->groupEnd[owner->low] = static_cast<short>(textPos - textStart);
      ++registerWrites;
    }
  }
  textPos = saved;
  return true;
}

bool PatternObject::WalkOperand(const PatternNode* node) {
  // A postfix operand is one node whose next is null: walking it as a
  // sequence and as a node is the same, and the latter costs one frame less.
  return MatchNode(node->operand.child);
}

// Walks the operand; a failed walk puts back the registers it wrote, for a
// caller that goes on as if the operand had not been tried.
bool PatternObject::WalkOrUndo(const PatternNode* node) {
  if (!(node->registers & kWalkWrites)) return WalkOperand(node);
  return WalkUndoing(node);
}

bool PatternObject::WalkUndoing(const PatternNode* node) {
  SavedRegisters saved;
  SaveRegisters(*groups, &saved);
  unsigned long writesBefore = registerWrites;
  if (WalkOperand(node)) return true;
  if (registerWrites != writesBefore) RestoreRegisters(saved, groups);
  return false;
}

void PatternObject::SetInterruptCheck(InterruptCheck check, void* context, unsigned long interval) {
  interruptCheck = interval ? check : nullptr;
  interruptContext = context;
  pollInterval = interval;
  pollCountdown = interval;
}

// Asks the caller's check whether to stop; the countdown has run out.
bool PatternObject::PollInterrupt() {
  pollCountdown = pollInterval;
  interrupted = interruptCheck(interruptContext);
  return interrupted;
}

// Every node walk passes here: the common case, no limit and no check due,
// is two tests in line.
bool PatternObject::MatchNode(const PatternNode* node) {
  if (gaveUp || StopWalking()) {
    gaveUp = true;
    return false;
  }
  switch (node->kind) {
    case NodeEmpty: return true;
    case NodeItem: {
      int code = node->operand.value;
      if (!IsLiteralToken(code)) return TestItem(code);
      if (OutOfText()) return false;  // a literal byte: the item most walks test
      unsigned char byte = static_cast<unsigned char>(*textPos);
      unsigned char wanted = static_cast<unsigned char>(code);
      if (byte != wanted && (!ignoreCase || FoldByte(byte) != FoldByte(wanted))) return false;
      ++textPos;
      return true;
    }
    case NodeClass:
    case NodeNegClass: {
      if (OutOfText()) return false;
      bool member = InSet(*node->operand.set, static_cast<unsigned char>(*textPos));
      if (member != (node->kind == NodeClass)) return false;
      ++textPos;
      return true;
    }
    case NodeGroup: return MatchGroup(node);
    case NodeBackref: return MatchBackref(node->operand.value);
    case NodeRefBackref: return MatchRefBackref(node->operand.value);
    case NodeStar: return MatchStar(node);
    case NodePlus: return MatchPlus(node);
    case NodeOptional: WalkOrUndo(node); return true;
    case NodeLazyStar: return MatchLazyStar(node);
    case NodeLazyPlus: return MatchLazyPlus(node);
    case NodeLazyOptional: return MatchLazyOptional(node);
    case NodeAtLeast: return MatchAtLeast(node);
    case NodeBetween: return MatchBetween(node);
    case NodeLazyAtLeast: return MatchLazyAtLeast(node);
    case NodeLazyBetween: return MatchLazyBetween(node);
    case NodeAlternative: WalkOrUndo(node); return true;  // alone, as an operand
    case NodeLookBehind: return MatchLookBehind(node, false);
    case NodeNegLookBehind: return MatchLookBehind(node, true);
    case NodeLookAhead: return MatchLookAhead(node, false);
    case NodeNegLookAhead: return MatchLookAhead(node, true);
  }
  return false;  // only our own builder makes kinds
}

bool PatternObject::MatchGroup(const PatternNode* node) {
  const char* start = textPos;
  if (readsRegisters && node->low < kMaxGroups)
    openStart[node->low] = static_cast<short>(start - textStart);
  if (!MatchSequence(node->operand.child)) {
    textPos = start;
    return false;
  }
  int g = node->low;
  short from = static_cast<short>(start - textStart);
  short to = static_cast<short>(textPos - textStart);
  if (g == 0) {  // the root: "\m" and "\M" may already have fixed its bounds
    if (groups->groupStart[0] == -1) groups->groupStart[0] = from;
    if (groups->groupEnd[0] == -1) groups->groupEnd[0] = to;
  } else if (g < kMaxGroups) {  // groups after the fifteenth capture nothing
    groups->groupStart[g] = from;
    groups->groupEnd[g] = to;
    ++registerWrites;
  }
  return true;
}

// Compares length bytes at from with the text at textPos, exactly.
bool PatternObject::MatchBytes(const char* from, int length) {
  if (length <= 0) return true;  // an empty or reversed capture matches nothing
  int available = static_cast<int>(textEnd - textPos);
  if (std::memcmp(from, textPos, size_t(length < available ? length : available)) != 0)
    return false;
  if (available < length) {  // ran into the end: undecided at a cut
    if (textCut) touchedCut = true;
    return false;
  }
  textPos += length;
  return true;
}

bool PatternObject::MatchBackref(int group) {
  if (group >= kMaxGroups) return false;
  int start = groups->groupStart[group];
  int end = groups->groupEnd[group];
  if (start < 0 || end < 0) return false;
  return MatchBytes(textStart + start, end - start);
}

bool PatternObject::MatchRefBackref(int group) {
  if (!refText || !refGroups || group >= kMaxGroups) return false;
  int start = refGroups->groupStart[group];
  int end = refGroups->groupEnd[group];
  if (start < 0 || end < 0) return false;
  return MatchBytes(refText + start, end - start);
}

// Fewer than d bytes before textPos: the operand is not walked, so nothing
// before textStart is read; the positive form fails, the negative succeeds.
bool PatternObject::MatchLookBehind(const PatternNode* node, bool negative) {
  const char* start = textPos;
  if (textPos - textStart < node->low) return negative;
  textPos -= node->low;
  bool walked = WalkAround(node, negative);
  textPos = start;
  return walked;
}

bool PatternObject::MatchLookAhead(const PatternNode* node, bool negative) {
  const char* start = textPos;
  bool walked = WalkAround(node, negative);
  textPos = start;
  return walked;
}

// The operand of a look-around, and whether the look-around holds. An
// operand that failed only for want of the bytes past a cut is undecided: a
// negative look-around fails then, since the bytes that follow might have
// matched. The mark stays up for any negation around this one.
bool PatternObject::WalkAround(const PatternNode* node, bool negative) {
  bool outerTouched = touchedCut;
  touchedCut = false;
  bool walked = negative ? WalkOrUndo(node) : WalkOperand(node);
  bool undecided = !walked && touchedCut;
  touchedCut = touchedCut || outerTouched;
  if (!negative) return walked;
  return !walked && !undecided;
}
