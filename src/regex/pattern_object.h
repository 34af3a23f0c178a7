// One compiled pattern and the state of the match in progress. The engine
// depends on nothing but the standard library: compile (tokenizer.cpp,
// tree_builder.cpp), then match (matcher.cpp, repetition.cpp). Only
// CompilePattern can fail; matching answers yes or no. Covered by
// tests/regex/*_test.cpp.
#pragma once

#include "regex/compile_error.h"
#include "regex/first_byte_set.h"
#include "regex/pattern_node.h"
#include "regex/prefilter.h"
#include "regex/token_codes.h"

// What a match fills; the caller provides all of it.
struct MatchGroups {
  short groupStart[kMaxGroups];  // signed 16-bit offsets from textStart, -1 when not set
  short groupEnd[kMaxGroups];
  int groupCount;  // groups of the pattern, group 0 included
};

// What a greedy repetition whose operand writes registers needs while it
// backs off: the registers must be those of the iterations it still keeps.
struct KeptIterations {
  MatchGroups before;   // the registers before its first iteration
  const char* start;    // where its first iteration began
  const char* heldEnd;  // end of the last iteration whose registers are held
  int walks;            // iterations walked: a replay walks no more
  bool active;          // the operand writes registers; else nothing to keep
};

enum {
  // Longest pattern text accepted, envelope and flags included: twice what
  // the search field and a rule can hold, and small enough that the deepest
  // nesting stays far inside a 1 MiB thread stack.
  kMaxPatternText = 1024,
  // Only this many bytes of a text are matched: offsets are 16-bit.
  kMaxMatchedText = 32767,
};

class PatternObject {
 public:
  PatternObject();                              // empty, invalid
  explicit PatternObject(const char* pattern);  // then CompilePattern unless null
  ~PatternObject();
  PatternObject(const PatternObject&) = delete;
  PatternObject& operator=(const PatternObject&) = delete;

  // "/body/flags"; false when invalid, and the object then stays invalid
  // until a later compilation succeeds.
  bool CompilePattern(const char* pattern);
  bool IsPatternValid() const;
  // Searches the NUL-terminated text (its first kMaxMatchedText bytes). A
  // longer text is cut, but the cut is not its end: "$" fails there, "\b",
  // "\B" and "\c" look at the byte past it, and a negative look-around that
  // would need bytes past it fails.
  bool MatchText(const char* text, MatchGroups* groups);
  // False when MatchText on this text would fail on the tests it begins
  // with (the first item, the bytes every match needs, the first-byte set),
  // before any node is walked; true when a walk would have to decide. Walks
  // nothing and touches no register.
  bool MayMatchText(const char* text) {  // in line: most lines a function rule sees fail at once
    return text && !invalid && !FirstByteRejects(text) && MayMatchMeasured(text);
  }
  // Searches [textStart, textEnd) from start, which must lie in that range;
  // cut as MatchText cuts when longer than kMaxMatchedText.
  // anchoring: -1 the object's own setting, 0 unanchored, else anchored.
  bool MatchRange(const char* start, const char* textStart, const char* textEnd,
                  MatchGroups* groups, int anchoring);
  bool SetAnchored(bool anchored);
  // The text and registers "\y" back-references read; neither is copied, both
  // must outlive the matches that use them. Null clears the reference.
  bool SetReferenceMatch(const char* text, MatchGroups* groups);
  int GroupCount() const;

  // For the tester, the tests and the fuzz target.
  CompileError LastError() const { return error; }
  const PatternNode* Root() const { return root; }
  int FirstItem() const { return firstItem; }
  bool IgnoreCase() const { return ignoreCase != 0; }
  bool SkipBlanks() const { return skipBlanks != 0; }
  // Gives up (no match) after this many node walks in one call; 0, the
  // default, never gives up. The time of a match is not polynomially bounded.
  void SetStepLimit(unsigned long limit) { stepLimit = limit; }
  // Whether the last match ended at the step limit or an interrupt, so that
  // its "no match" is no answer. Skipping start positions saves steps: two
  // runs that differ only in speed may then differ here and nowhere else.
  bool GaveUp() const { return gaveUp; }
  // Lets a caller end a long match: every `interval` node walks (counted
  // across calls, so many short matches add up), check(context) is asked, and
  // a true answer ends the match in progress as no match, with Interrupted()
  // true until the next match starts. A null check or a zero interval
  // switches polling off. A match that is never interrupted is unaffected.
  typedef bool (*InterruptCheck)(void* context);
  void SetInterruptCheck(InterruptCheck check, void* context, unsigned long interval);
  bool Interrupted() const { return interrupted; }
  // For tests and benchmarks only: with the prefilter off every text is
  // matched in full, from every start position (the first-byte set is off
  // too), and every repetition walks its operand node by node. Results are
  // the same either way.
  void SetPrefilterEnabled(bool enabled) { prefilterEnabled = enabled; }
  // For tests and benchmarks only: off, every greedy repetition backs off
  // byte by byte even where the rest cannot start with a byte it took, and
  // every repetition tries the rest wherever it would have to decide, even
  // where the rest cannot start or a try next to it failed the same way
  // (give_back.h). Off too while the prefilter is off.
  void SetKeepAllEnabled(bool enabled) { keepAllEnabled = enabled; }

 private:
  bool Fail(CompileError reason);
  bool StopWalking() {  // the step limit is used up, or the caller's check asked to stop
    if (stepLimit && ++steps > stepLimit) return true;
    if (!interruptCheck || --pollCountdown > 0) return false;
    return PollInterrupt();
  }
  bool PollInterrupt();
  void ReleaseTree();
  bool Search(const char* start, const char* rangeStart, const char* rangeEnd, bool cut,
              MatchGroups* matchGroups, int anchoring);
  bool RunMatch(const char* start);
  bool MayStart(const char* start);
  bool MayMatchMeasured(const char* text);
  // NextCandidate's answer at the start of a text for a pattern with a
  // single start, read before the text is measured: the end of the text is
  // at its start exactly when its first byte is the NUL.
  bool FirstByteRejects(const char* text) const {
    if (!(anchored || firstItem == ItemTextStart) || !prefilterEnabled || !firstBytes.usable)
      return false;
    unsigned char first = static_cast<unsigned char>(*text);
    return first == '\0' || !InSet(firstBytes.bytes, first);
  }
  // Whether there is no byte to read at textPos. At a cut the text goes on,
  // so what wanted the byte is marked as undecided.
  bool OutOfText() {
    if (textPos != textEnd) return false;
    if (textCut) touchedCut = true;
    return true;
  }
  bool QuickCheck() const;
  const char* NextCandidate(const char* position) const;
  bool MatchSequence(const PatternNode* first);
  bool MatchNode(const PatternNode* node);
  bool RestMatches(const PatternNode* node);
  bool TestItem(int code);
  bool TestPosition(int code) const;
  bool MatchGroup(const PatternNode* node);
  bool MatchBytes(const char* from, int length);
  bool MatchBackref(int group);
  bool MatchRefBackref(int group);
  bool MatchLookBehind(const PatternNode* node, bool negative);
  bool MatchLookAhead(const PatternNode* node, bool negative);
  bool WalkAround(const PatternNode* node, bool negative);
  bool WalkOperand(const PatternNode* node);
  bool MatchStar(const PatternNode* node);
  bool MatchPlus(const PatternNode* node);
  bool MatchLazyStar(const PatternNode* node);
  bool MatchLazyPlus(const PatternNode* node);
  bool MatchLazyOptional(const PatternNode* node);
  bool MatchAtLeast(const PatternNode* node);
  bool MatchBetween(const PatternNode* node);
  bool MatchLazyAtLeast(const PatternNode* node);
  bool MatchLazyBetween(const PatternNode* node);
  int RepeatGreedily(const PatternNode* node, bool* stalled);
  int RepeatByteTest(const PatternNode* node);
  bool BackOff(const PatternNode* node, const char* start, KeptIterations* kept);
  void StepOverUntried(const PatternNode* node, const char* start);
  void ClearRegisters();
  bool KeepsAll(const PatternNode* node) const;
  bool DecidesAtStop(const PatternNode* node) const;
  bool RestCannotStart(const PatternNode* node) const;
  bool TryRest(const PatternNode* node);
  int PassOver(const PatternNode* node);
  void PassFailingRun(const PatternNode* node, const char* start);
  bool WalkOrUndo(const PatternNode* node);
  bool WalkUndoing(const PatternNode* node);
  bool WalkRest(const PatternNode* node);
  bool RestUndoing(const PatternNode* node);
  void StartKeeping(const PatternNode* node, KeptIterations* kept);
  void KeepIterations(const PatternNode* node, KeptIterations* kept);

  PatternNode* root;
  MatchGroups* refGroups;
  unsigned char ignoreCase;
  unsigned char skipBlanks;
  unsigned char anchored;
  unsigned char invalid;
  int* tokens;
  const char* textPos;
  const char* textEnd;
  const char* textStart;
  const char* refText;
  int firstItem;
  MatchGroups* groups;
  int groupCount;
  // The pattern holds a back-reference: registers must be right while the
  // walk goes on, not only once it has matched.
  bool readsRegisters;
  short openStart[kMaxGroups];  // where each group being walked began
  // Counts every change of a register, so that an abandoned walk that
  // changed none has nothing to put back.
  unsigned long registerWrites;

  bool textCut;     // the text goes on past textEnd: textEnd is a cut, not its end
  bool touchedCut;  // a walk wanted a byte past the cut (see WalkAround)
  Prefilter prefilter;
  FirstByteSet firstBytes;
  FirstByteSet laterBytes;  // for start positions past textStart, when firstBytes is not usable
  bool prefilterEnabled;
  bool keepAllEnabled;
  CompileError error;
  unsigned long stepLimit;
  unsigned long steps;
  bool gaveUp;
  bool interrupted;
  InterruptCheck interruptCheck;
  void* interruptContext;
  unsigned long pollInterval;
  unsigned long pollCountdown;  // node walks left before the next check
};

// Reads a capture out of a match: copies the text of
// group g (bytes [groupStart, groupEnd) of text) into buffer, cut to
// bufferSize - 1 bytes, and NUL-terminates it. A group out of range, never
// set, or reversed (by "\m" after "\M") gives an empty string. Returns the
// length copied; nothing is written when bufferSize < 1.
int CopyGroupText(const char* text, const MatchGroups* groups, int g, char* buffer, int bufferSize);
