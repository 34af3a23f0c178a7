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

int FunctionHeaderCheck::IsHeader(const char* line, char* name) {
  if (MatchRejectsFirst(line)) return 0;
  int position = 0;
  if (rule.Ignore[0] && ignore.Find(line, &position, 0, nullptr)) return 0;
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
