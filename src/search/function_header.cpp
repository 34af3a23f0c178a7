// Covered by tests/search/function_header_test.cpp.
#include "search/function_header.h"

#include "search/pattern_search.h"
#include "settings/options.h"
#include "text/trim_blanks.h"

#include <string.h>

FunctionHeaderCheck::FunctionHeaderCheck(const FunctionRule& rule)
    : rule(rule),
      hasMatch(rule.Match[0] != '\0'),
      hasIgnore(rule.Ignore[0] != '\0'),
      match(rule.Match, "", ""),
      ignore(rule.Ignore, "", "") {}

// Whether Ignore holds on the line. A compiled Ignore whose first tests
// reject the line is not run: it could not match, and nothing but the order
// in which the cache reuses its slots would change.
bool FunctionHeaderCheck::Ignored(const char* line) {
  if (!hasIgnore) return false;
  PatternObject* compiled = ignore.Compiled();
  if (compiled && !compiled->MayMatchText(line)) return false;
  int position = 0;
  return ignore.Find(line, &position, 0, nullptr) != 0;
}

int FunctionHeaderCheck::Decide(const char* line, char* name) {
  if (Ignored(line) || !hasMatch) return 0;
  int position = 0;
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
