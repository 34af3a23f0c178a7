// Covered by tests/search/function_header_test.cpp.
#include "search/function_header.h"

#include "search/result_list.h"
#include "search/text_finder.h"
#include "settings/options.h"

#include <string.h>

int IsFunctionHeader(const FunctionRule& rule, const char* line, char* name) {
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
