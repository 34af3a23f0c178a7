// Where the rule sets are stored: one sub-key per set below kRuleSetsKey,
// itself below PluginKey. The menu, the dialog, the name check and the rename
// all reach a set's key through RuleSetSubPath, so none of them has to call
// another for it.
// Covered by tests/settings/rule_sets_test.cpp.
#pragma once

#include "settings/registry_store.h"

// The key below PluginKey that holds one sub-key per rule set.
extern const char kRuleSetsKey[];

// "Extensions\<name>" into `dest`; false (and `dest` empty) when the name is
// empty, contains a backslash (it would name some other, nested key) or does
// not fit.
bool RuleSetSubPath(char (&dest)[kSubPathSize], const char* name);
