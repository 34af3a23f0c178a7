// The rule-set dialog behind Ins and F4 of the rule-set menu, and the number
// parser of its RegNum field.
// Covered by tests/settings/rule_set_dialog_test.cpp.
#pragma once

// The help topic of the rule-set menu and of its dialog.
extern const char kRuleSetsHelp[];

// Shows the set `name` (null or empty: a new set, all fields empty, RegNum 1)
// and, when OK closed the dialog with a usable name, writes "Mask", "Match",
// "Ignore" and "RegNum" below the name now in the name field: a changed name
// stores a second set and leaves the old one as it was. Nothing is written on
// Cancel, Esc or an empty name. A name with a backslash, one longer than the
// registry allows, or one that another set has (letters in either case) is
// refused with a message, and the dialog is shown again as the user left it;
// so is a group number that does not fit 32 bits.
void EditRuleSet(const char* name);
// The message for a set that Del could not delete.
void ShowRuleSetNotDeleted(const char* name);
// Leading "-" for negative, then decimal digits up to the first other
// character, after trimming blanks: "-5" -5, " 12 " 12, "7x" 7; "", "x",
// "+3" and "--3" give 0. Only the first 63 characters are looked at. False
// (and 0) for a number outside -2147483648..2147483647.
bool ParseSignedNumber(const char* text, int* value);
