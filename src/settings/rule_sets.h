// Function-list rule sets: named sub-keys of "Extensions" below PluginKey,
// each holding "Mask", "Match", "Ignore" and "RegNum". This file chooses the
// set for the edited file, loads a set into the active FunctionRule, and runs
// the rule-set menu (Enter activates, Ins adds, F4 edits, Del deletes).
// Covered by tests/settings/rule_sets_test.cpp and rule_set_menu_test.cpp.
#pragma once

#include "settings/options.h"
#include "settings/registry_store.h"

// Reads RegNum (default 1), Match and Ignore (default empty, each up to
// kRuleTextSize - 1 characters) of the set at `subPath` into `rule`.
void LoadRuleSet(FunctionRule* rule, const char* subPath);

// SubKeyFilter: true when the set's "Mask" matches the file name in `userData`.
bool MaskFilter(HKEY root, const char* subPath, const char* name, void* userData);
// Makes the first set (registry order) whose masks match `fileName` the
// active rule; with none, the rule is RegNum 0 with empty patterns. When
// `nameDest` (kRuleTextSize bytes) is given it receives the set's whole name,
// or the text of MsgRules when no set applies. True when a set applies.
bool ChooseRuleForFile(Settings* target, const char* fileName, char* nameDest);
// Reads the set named `name` (kRuleTextSize bytes) into the active rule again,
// as it is stored now: edited, or renamed to another case (`name` then takes
// the stored spelling). A set that is gone is replaced by the set chosen for
// `fileName`, as ChooseRuleForFile does. True when a set is in use.
bool ReloadRuleSet(Settings* target, const char* fileName, char* name);

// SubKeyItemFiller: the name (cut to the item's 127 characters) as the text;
// true when no position is to be restored (*selection -1) and the name equals
// `currentName` exactly.
bool RuleMenuFiller(HKEY root, const char* subPath, const char* name, FarMenuItem* item,
                    int* selection, const char* currentName);
enum RuleMenuResult {
  RuleMenuLeft,       // Esc: the active rule and `currentName` are as they were
  RuleMenuChoseSet,   // Enter on a set
  RuleMenuChoseNone,  // Enter on the one empty item of a menu without sets
};
// The rule-set menu. After Ins, F4 and Del it is shown again with the cursor at
// the same position; Enter loads the set under the cursor into the active
// rule and, when `currentName` (kRuleTextSize bytes) is given, copies the
// set's whole name into it; Esc ends. On first showing the cursor is on the
// set named `currentName`, or on the first item. After Esc the caller that
// uses a set reads it again (ReloadRuleSet): F4 or Del may have changed it.
RuleMenuResult RuleSetMenu(Settings* target, char* currentName);
