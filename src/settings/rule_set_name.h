// The name a rule set is saved under: which names the rule-set dialog can
// store, and which stored set a name stands for. Names are typed in the OEM
// code page, so letters are compared in either case as the plain search
// folds them (Cyrillic included), besides the registry's own case rules.
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

// True when the two names differ at most in the case of their letters
// (OEM code page).
bool SameRuleSetName(const char* a, const char* b);
// The stored name of the set `name` stands for: the set of exactly that name,
// else the first (registry order) that differs from it only in case. False,
// with `dest` empty, when there is none.
bool FindStoredRuleSetName(const char* name, char (&dest)[kSubKeyNameSize]);
// Whether `name` can be written. `editedName` is the set being edited (null
// or empty for a new set): it may keep its name, also in another case, even
// when that name is longer than the limit (it is stored already), unless
// another stored set has the name in the new case. For RuleNameTaken,
// `takenName` receives the stored name of the set that has it.
RuleSetNameVerdict CheckRuleSetName(const char* name, const char* editedName,
                                    char (&takenName)[kSubKeyNameSize]);
