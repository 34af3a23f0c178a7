// The configuration dialog behind Configure: all nine switches, saved to the
// registry on OK, and the rule-set menu behind its rule-set button.
// Covered by tests/settings/config_dialog_test.cpp.
#pragma once

// Runs the dialog; true when it was closed with OK, after which the nine
// switches are in the options record and written (changed or not). Any other
// way out leaves the record and the registry as they were (changes made in
// the rule-set menu meanwhile are written as they happen and stay).
bool RunConfigDialog();
