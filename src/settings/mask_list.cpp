// Splitting and matching mask lists. The meaning of a mask is the host's:
// only CmpName decides what matches.
// Covered by tests/settings/mask_list_test.cpp.
#include "settings/mask_list.h"

#include <string.h>

#include "settings/options.h"
#include "shell/host_info.h"

static bool IsBlankAfterComma(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

const char* SplitMaskList(const char* rest, char* item, size_t itemSize) {
  if (!rest || !*rest) return nullptr;
  size_t length = 0;
  bool inBrackets = false;
  const char* p = rest;
  for (; *p; ++p) {
    // A "[" protects commas only when some "]" follows it.
    if (*p == '[' && strchr(p + 1, ']')) inBrackets = true;
    if (*p == ']') inBrackets = false;
    if (*p == ',' && !inBrackets) {
      ++p;
      while (IsBlankAfterComma(*p)) ++p;
      break;
    }
    if (length + 1 < itemSize) item[length++] = *p;
  }
  if (itemSize) item[length] = 0;
  return p;
}

bool MatchMaskList(const char* maskList, const char* fileName) {
  // An item can be as long as the whole list.
  char item[kRuleTextSize];
  for (const char* rest = SplitMaskList(maskList, item, sizeof item); rest;
       rest = SplitMaskList(rest, item, sizeof item)) {
    if (HostInfo.CmpName(item, fileName, 1)) return true;
  }
  return false;
}
