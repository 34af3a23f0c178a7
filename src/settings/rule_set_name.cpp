// Rule-set names. A name is in use when the registry opens a key of that name
// (its own case rules, which know nothing of OEM letters) or when a stored
// name equals it after folding both as the plain search does.
// Covered by tests/settings/rule_set_name_test.cpp.
#include "settings/rule_set_name.h"

#include <string.h>

#include "settings/rule_set_key.h"
#include "text/bounded_copy.h"
#include "text/fold_case.h"

bool SameRuleSetName(const char* a, const char* b) {
  const unsigned char* p = reinterpret_cast<const unsigned char*>(a);
  const unsigned char* q = reinterpret_cast<const unsigned char*>(b);
  for (; *p && *q; ++p, ++q)
    if (FoldCaseByte(*p) != FoldCaseByte(*q)) return false;
  return *p == *q;
}

static bool RuleSetExists(const char* name) {
  char subPath[kSubPathSize];
  if (!RuleSetSubPath(subPath, name)) return false;
  return KeyExists(HKEY_CURRENT_USER, subPath);
}

// The first stored name, other than `except` (byte for byte; may be null),
// that `accept` takes as `name`.
static bool FindStored(const char* name, const char* except,
                       bool (*accept)(const char*, const char*), char (&dest)[kSubKeyNameSize]) {
  for (int index = 0; SubKeyNameAt(HKEY_CURRENT_USER, kRuleSetsKey, index, dest); ++index)
    if ((!except || strcmp(dest, except) != 0) && accept(dest, name)) return true;
  dest[0] = 0;
  return false;
}

static bool Identical(const char* a, const char* b) {
  return strcmp(a, b) == 0;
}

bool FindStoredRuleSetName(const char* name, char (&dest)[kSubKeyNameSize]) {
  return FindStored(name, nullptr, Identical, dest) ||
         FindStored(name, nullptr, SameRuleSetName, dest);
}

RuleSetNameVerdict CheckRuleSetName(const char* name, const char* editedName,
                                    char (&takenName)[kSubKeyNameSize]) {
  takenName[0] = 0;
  if (!name[0]) return RuleNameEmpty;
  if (strchr(name, '\\')) return RuleNameHasBackslash;
  bool own = editedName && editedName[0] && SameRuleSetName(name, editedName);
  if (own && strcmp(name, editedName) == 0) return RuleNameUsable;
  if (!own && strlen(name) > kMaxRuleSetNameLength) return RuleNameTooLong;
  // Sets stored before names were compared this way may differ only in
  // case; the edited one does not block its own new spelling.
  if (FindStored(name, own ? editedName : nullptr, SameRuleSetName, takenName))
    return RuleNameTaken;
  if (own || !RuleSetExists(name)) return RuleNameUsable;
  // The registry has a key of that name that folds differently here.
  CopyCut(takenName, name, sizeof takenName);
  return RuleNameTaken;
}
