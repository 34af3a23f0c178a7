// CmpName: one file mask against one name, by the host's rules: '*', '?',
// '[...]' lists with ranges (one-character lists compare exactly), the special
// "*.*", "*." and "*.ext" forms, a '.' meeting the end of the name, and
// case-insensitive comparison through the OEM upper-case table.
// Covered by tests/standin/host/cmp_name_test.cpp.
#include <string.h>

#include "host_state.h"

namespace host {
namespace {

typedef const unsigned char* Text;

bool MatchesEmpty(Text p) {
  while (*p == '*') ++p;
  return *p == 0;
}

bool HasWildcards(Text p) {
  for (; *p; ++p)
    if (*p == '*' || *p == '?' || *p == '[') return true;
  return false;
}

bool SameNoCase(Text a, Text b) {
  for (; *a && *b; ++a, ++b)
    if (UpperOem(*a) != UpperOem(*b)) return false;
  return *a == *b;
}

// The bracket at p[0]; *end is set after the ']'. -1 when no ']' follows.
int MatchBracket(Text p, unsigned char c, Text* end) {
  Text close = reinterpret_cast<Text>(strchr(reinterpret_cast<const char*>(p + 1), ']'));
  if (!close) return -1;
  *end = close + 1;
  if (close - p == 2) return p[1] == c;  // "[x]" compares exactly
  unsigned char uc = UpperOem(c);
  for (Text m = p + 1; m < close; ++m) {
    if (m[1] == '-' && m + 2 < close) {
      if (uc >= UpperOem(m[0]) && uc <= UpperOem(m[2])) return 1;
      m += 2;
    } else if (UpperOem(*m) == uc) {
      return 1;
    }
  }
  return 0;
}

bool Match(Text p, Text s) {
  for (;;) {
    unsigned char pc = *p;
    if (pc == 0) return *s == 0;
    if (*s == 0) return pc == '.' ? MatchesEmpty(p + 1) : MatchesEmpty(p);
    switch (pc) {
      case '*': {
        Text rest = p + 1;
        if (rest[0] == '.' && rest[1] == '*' && rest[2] == 0) return true;
        if (rest[0] == '.' && rest[1] == 0)
          return strchr(reinterpret_cast<const char*>(s), '.') == nullptr;
        if (rest[0] == '.' && rest[1] && !HasWildcards(rest + 1)) {
          Text dot = reinterpret_cast<Text>(strrchr(reinterpret_cast<const char*>(s), '.'));
          return dot && SameNoCase(dot + 1, rest + 1);
        }
        for (Text t = s;; ++t) {
          if (Match(rest, t)) return true;
          if (*t == 0) return false;
        }
      }
      case '?':
        ++p;
        ++s;
        continue;
      case '[': {
        Text end = nullptr;
        int hit = MatchBracket(p, *s, &end);
        if (hit < 0) {
          if (*s != '[') return false;
          ++p;
          ++s;
          continue;
        }
        if (!hit) return false;
        p = end;
        ++s;
        continue;
      }
      default:
        if (UpperOem(pc) != UpperOem(*s)) return false;
        ++p;
        ++s;
    }
  }
}

}  // namespace

bool MatchMask(const char* pattern, const char* name, bool skipPath) {
  const char* start = name;
  if (skipPath) {
    for (const char* c = name; *c; ++c)
      if (*c == '\\' || *c == '/' || (*c == ':' && c == name + 1)) start = c + 1;
  }
  return Match(reinterpret_cast<Text>(pattern), reinterpret_cast<Text>(start));
}

}  // namespace host
