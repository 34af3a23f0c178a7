// Function names for the function column: a line is a header line when the
// active rule's Match pattern matches it and its Ignore pattern does not; the
// name is the text of Match's capture group RegNum, trimmed and shortened.
// Covered by tests/search/function_header_test.cpp.
#pragma once

#include "regex/pattern_object.h"
#include "search/pattern_search.h"

struct FunctionRule;

enum {
  kFunctionNameLimit = 32,  // longer names are cut...
  kFunctionNameKept = 30,   // ...after this many characters, and "..." appended
};

// IsFunctionHeader for every line of a scan: the rule's patterns are looked
// up by their text once, not on every line. `rule` must not change while
// the object is in use.
class FunctionHeaderCheck {
 public:
  explicit FunctionHeaderCheck(const FunctionRule& rule);
  // As IsFunctionHeader; in line up to Match's first tests, which reject
  // most lines.
  int IsHeader(const char* line, char* name) {
    return MatchRejectsFirst(line) ? 0 : Decide(line, name);
  }

 private:
  // Whether Match's first tests already reject the line, so that the answer
  // is 0 whatever Ignore says. Only asked once both patterns are known to
  // compile: until then each line runs them as it always did, so a faulty
  // pattern is reported on the same line, with the same text.
  bool MatchRejectsFirst(const char* line) {
    if (!hasMatch) return false;
    PatternObject* compiled = match.Compiled();
    if (!compiled || (hasIgnore && !ignore.Compiled())) return false;
    return !compiled->MayMatchText(line);
  }
  int Decide(const char* line, char* name);
  bool Ignored(const char* line);

  const FunctionRule& rule;
  const bool hasMatch, hasIgnore;  // the rule's texts are not empty
  RepeatedPattern match;
  RepeatedPattern ignore;
};

// Non-zero when `line` is a header line under `rule`; `name` (kGroupBufferSize
// bytes) then holds the captured name, empty when the group did not take part
// or RegNum lies outside 0..15. On 0 `name` is left as it was.
int IsFunctionHeader(const FunctionRule& rule, const char* line, char* name);

// Trims `name` and cuts a name longer than kFunctionNameLimit to its first
// kFunctionNameKept characters followed by "...". Returns `name`.
char* ShortenFunctionName(char* name);
