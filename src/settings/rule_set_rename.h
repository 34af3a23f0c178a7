// Giving a rule set another spelling of its own name ("C" to "c", "Тест" to
// "ТЕСТ"), which the rule-set dialog does when only the case of the name
// changed.
// Covered by tests/settings/rule_set_menu_test.cpp.
#pragma once

#include "settings/registry_store.h"

// Gives the set `from` the name `to`, which differs from it only in the case
// of its letters. At every step one whole copy of the set, with every value
// it holds, is stored. False when it keeps its name (a step failed, or it has
// keys below it); `where` then names the set that holds its values: `from`,
// or a temporary set when not even the way back succeeded.
bool RenameRuleSet(const char* from, const char* to, char (&where)[kSubKeyNameSize]);
