// The name a rule set is saved under: which names the rule-set dialog can
// store, compared as the registry compares key names (letters in either case).
// Covered by tests/settings/rule_set_name_test.cpp.
#pragma once

#include "settings/registry_store.h"

// The registry's limit on one key name.
enum { kMaxRuleSetNameLength = 255 };

enum RuleSetNameVerdict {
  RuleNameUsable,        // no set has it, or it is the edited set's own name
  RuleNameEmpty,         // the dialog ends without writing
  RuleNameHasBackslash,  // would name a key nested in another set
  RuleNameTooLong,       // longer than kMaxRuleSetNameLength
  RuleNameTaken,         // another set has it
};

// True when the two names name the same key: equal after upper-casing.
bool SameRuleSetName(const char* a, const char* b);
// Whether `name` can be written. `editedName` is the set being edited (null
// or empty for a new set): it may keep its name, also in another case, even
// when that name is longer than the limit (it is stored already). For
// RuleNameTaken, `takenName` receives the stored name of the set that has it.
RuleSetNameVerdict CheckRuleSetName(const char* name, const char* editedName,
                                    char (&takenName)[kSubKeyNameSize]);
