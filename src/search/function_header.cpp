// Covered by tests/search/function_header_test.cpp.
#include "search/function_header.h"

#include "regex/pattern_object.h"
#include "search/pattern_search.h"
#include "settings/options.h"
#include "text/trim_blanks.h"

#include <string.h>

FunctionHeaderCheck::FunctionHeaderCheck(const FunctionRule& rule)
    : rule(rule), match(rule.Match, "", ""), ignore(rule.Ignore, "", "") {}

// Whether Match's first tests already reject the line, so that the answer
// is 0 whatever Ignore says. Only asked once both patterns are known to
// compile: until then each line runs them as it always did, so a faulty
// pattern is reported on the same line, with the same text.
bool FunctionHeaderCheck::MatchRejectsFirst(const char* line) {
  if (!rule.Match[0]) return false;
  PatternObject* compiled = match.Compiled();
  if (!compiled || (rule.Ignore[0] && !ignore.Compiled())) return false;
  return !compiled->MayMatchText(line);
}

// Whether Ignore holds on the line. A compiled Ignore whose first tests
// reject the line is not run: it could not match, and nothing but the order
// in which the cache reuses its slots would change.
bool FunctionHeaderCheck::Ignored(const char* line) {
  if (!rule.Ignore[0]) return false;
  PatternObject* compiled = ignore.Compiled();
  if (compiled && !compiled->MayMatchText(line)) return false;
  int position = 0;
  return ignore.Find(line, &position, 0, nullptr) != 0;
}

int FunctionHeaderCheck::IsHeader(const char* line, char* name) {
  if (MatchRejectsFirst(line) || Ignored(line)) return 0;
  int position = 0;
  if (!rule.Match[0]) return 0;
  return match.Find(line, &position, rule.RegNum, name);
}

int IsFunctionHeader(const FunctionRule& rule, const char* line, char* name) {
  FunctionHeaderCheck check(rule);
  return check.IsHeader(line, name);
}

char* ShortenFunctionName(char* name) {
  TrimBlanks(name);
  if (strlen(name) > kFunctionNameLimit) memcpy(name + kFunctionNameKept, "...", 4);
  return name;
}
