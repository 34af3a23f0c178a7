// Pattern mode of FindText: composes prefix, text and suffix, compiles the
// result into the module's pattern object, matches the line and hands back
// the match start and one capture group. Owns badPatternShown.
// Covered by tests/search/pattern_search_test.cpp.
#pragma once

class PatternObject;

// 1 after the invalid-pattern warning was shown; the line scan sets it back
// to 0 before the first line of each search command, nothing else writes it.
extern int badPatternShown;

// The composed pattern of any search text or rule text the module holds
// (prefix, text and suffix, each from a 512-byte buffer) fits this buffer; a
// longer one from elsewhere is composed in a heap block.
enum { kComposedPatternSize = 3 * 512 };

// A group buffer handed to FindText must hold kGroupBufferSize bytes: a group
// text is cut to kGroupBufferSize - 1 characters and always terminated (the
// line scan passes its 512-byte currentFunction).
enum { kGroupBufferSize = 512 };

// FindText with patternMode non-zero (see text_finder.h).
int FindPattern(const char* line, const char* text, int* position, int group, char* groupBuffer,
                const char* prefix, const char* suffix);

// A pattern text that a caller runs on many lines (the search text, a rule's
// Match and Ignore): prefix + text + suffix, composed and compiled as
// FindPattern does. Once the text is compiled the object keeps the slot that
// holds it and skips the lookup by text on later calls, for as long as that
// slot is not compiled again. The three strings are kept, not copied: their
// contents must not change while the object is in use (a scan holds its
// texts still).
struct PatternSlot;
class RepeatedPattern {
 public:
  RepeatedPattern(const char* text, const char* prefix, const char* suffix)
      : text(text), prefix(prefix), suffix(suffix) {}

  // FindPattern with this object's text.
  int Find(const char* line, int* position, int group, char* groupBuffer);
  // The compiled pattern, or null while no slot holds it: before the first
  // Find, and always for a text that does not compile. Compiles nothing
  // and shows nothing; for the engine's first tests (MayMatchText), which
  // let the function column reject a line before Ignore is run.
  PatternObject* Compiled() {  // in line: the function column asks on every line
    return slot && *slotStamp == stamp ? object : Lookup();
  }

 private:
  PatternObject* Lookup();

  const char* text;
  const char* prefix;
  const char* suffix;
  PatternSlot* slot = nullptr;  // the slot found, and its object and stamp
  PatternObject* object = nullptr;
  const unsigned* slotStamp = nullptr;
  unsigned stamp = 0;  // the slot's stamp when it was found
};

// Compiled patterns are kept in a few slots keyed by the composed text, so the
// three patterns a line may run (Ignore, Match, search) are not recompiled for
// every line. Only successful compilations are kept: an invalid pattern is
// compiled afresh on every call, exactly as without the cache, so matches,
// groups, warnings and IsPatternValid never differ. Disabling the cache
// compiles every call into the first slot (for tests and benchmarks).
enum { kPatternSlots = 3 };
void SetPatternCacheEnabled(bool enabled);

// The pattern object that served the latest pattern-mode call; null before
// the first. Its IsPatternValid tells whether that call's pattern compiled.
const PatternObject* CurrentPatternObject();
// True once the first pattern object has been constructed.
bool PatternObjectCreated();
// Destroys the pattern objects as unloading the module does; the next
// pattern-mode call builds them again. For leak checks in tests.
void ReleasePatternObjects();

// Esc while one line is matched. A pattern can backtrack for minutes on one
// line, far from any progress tick, so while polling is armed the engine asks
// CheckForEsc every kEscPollInterval node walks (counted across matches), and
// an Esc ends the match in progress as no match. Once an Esc was seen every
// later match of the armed period ends at its next poll, so the line scan
// only has to look at EscPressedWhileMatching after each line.
// The interval is about 10-50 ms of work in the Debug build and a few ms in
// the optimised one, where one poll of an empty queue costs microseconds.
enum { kEscPollInterval = 1 << 20 };
// Arms polling and forgets an earlier Esc; the line scan calls it before the
// first line. Outside an armed period the engine never reads the console.
void ArmEscWhileMatching();
void DisarmEscWhileMatching();
// True when an Esc was read while a pattern was matched since the arming.
bool EscPressedWhileMatching();
// For tests: the node walks between polls (0: kEscPollInterval).
void SetEscPollInterval(unsigned long interval);
