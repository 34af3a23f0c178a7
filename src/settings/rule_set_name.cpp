// Rule-set names. Whether a name is in use is asked of the registry itself
// (opening the key), so the answer follows its own case rules; upper-cased
// copies only tell which stored set it is and whether it is the edited one.
// Covered by tests/settings/rule_set_name_test.cpp.
#include "settings/rule_set_name.h"

#include <string.h>

#include "search/result_list.h"
#include "settings/rule_sets.h"

// An upper-cased copy of `name`, cut to kSubKeyNameSize - 1 characters.
static void UpperCopy(char (&dest)[kSubKeyNameSize], const char* name) {
  CopyCut(dest, name, sizeof dest);
  CharUpperA(dest);
}

bool SameRuleSetName(const char* a, const char* b) {
  if (strlen(a) != strlen(b)) return false;
  char upperA[kSubKeyNameSize];
  char upperB[kSubKeyNameSize];
  UpperCopy(upperA, a);
  UpperCopy(upperB, b);
  return strcmp(upperA, upperB) == 0;
}

static bool RuleSetExists(const char* name) {
  char subPath[kSubPathSize];
  if (!RuleSetSubPath(subPath, name)) return false;
  return KeyExists(HKEY_CURRENT_USER, subPath);
}

// The stored name of the set that `name` names; `name` itself when the walk
// finds none equal to it.
static void StoredRuleSetName(const char* name, char (&dest)[kSubKeyNameSize]) {
  for (int index = 0; SubKeyNameAt(HKEY_CURRENT_USER, kRuleSetsKey, index, dest); ++index)
    if (SameRuleSetName(dest, name)) return;
  CopyCut(dest, name, sizeof dest);
}

RuleSetNameVerdict CheckRuleSetName(const char* name, const char* editedName,
                                    char (&takenName)[kSubKeyNameSize]) {
  takenName[0] = 0;
  if (!name[0]) return RuleNameEmpty;
  if (strchr(name, '\\')) return RuleNameHasBackslash;
  bool own = editedName && editedName[0] && SameRuleSetName(name, editedName);
  if (own) return RuleNameUsable;
  if (strlen(name) > kMaxRuleSetNameLength) return RuleNameTooLong;
  if (!RuleSetExists(name)) return RuleNameUsable;
  StoredRuleSetName(name, takenName);
  return RuleNameTaken;
}
