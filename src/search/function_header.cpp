// Covered by tests/search/function_header_test.cpp.
#include "search/function_header.h"

#include "search/pattern_search.h"
#include "search/text_finder.h"
#include "settings/options.h"
#include "text/trim_blanks.h"

#include <string.h>

namespace {

// Whether Match's first tests already reject the line, so that the answer
// is 0 whatever Ignore says. Only asked once both patterns are known to
// compile: until then each line runs them as it always did, so a faulty
// pattern is reported on the same line, with the same text.
bool MatchRejectsFirst(const FunctionRule& rule, const char* line) {
  if (!rule.Match[0] || !PatternCompiled(rule.Match, "", "")) return false;
  if (rule.Ignore[0] && !PatternCompiled(rule.Ignore, "", "")) return false;
  return !PatternMayMatch(line, rule.Match, "", "");
}

}  // namespace

int IsFunctionHeader(const FunctionRule& rule, const char* line, char* name) {
  if (MatchRejectsFirst(rule, line)) return 0;
  int position = 0;
  if (rule.Ignore[0] && FindText(1, line, rule.Ignore, &position, 0, nullptr, "", "")) return 0;
  if (!rule.Match[0]) return 0;
  return FindText(1, line, rule.Match, &position, rule.RegNum, name, "", "");
}

char* ShortenFunctionName(char* name) {
  TrimBlanks(name);
  if (strlen(name) > kFunctionNameLimit) memcpy(name + kFunctionNameKept, "...", 4);
  return name;
}
