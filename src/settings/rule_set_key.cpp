// The rule sets' key names. The name is joined as it is: the registry's own
// rules decide which spellings name the same key.
// Covered by tests/settings/rule_sets_test.cpp.
#include "settings/rule_set_key.h"

#include <string.h>

const char kRuleSetsKey[] = "Extensions";

bool RuleSetSubPath(char (&dest)[kSubPathSize], const char* name) {
  dest[0] = 0;
  if (!name[0] || strchr(name, '\\')) return false;
  return JoinKeyPath(dest, sizeof dest, kRuleSetsKey, name);
}
