// A set name as a line of a dialog or message: shown as stored, within the
// columns it has.
// Covered by tests/settings/rule_set_label_test.cpp.
#pragma once

#include <stddef.h>

// Marks the cut end of a text.
extern const char kCutMark[];

// `name` in `dest` (`size` bytes) within `width` columns: a longer name keeps
// its first width - 3 characters followed by kCutMark. With `doubleAmpersands`
// every '&' is written twice, so a host item that takes '&' for a hotkey mark
// draws it as it is (a doubled '&' takes one column).
void FitRuleSetName(char* dest, size_t size, const char* name, size_t width, bool doubleAmpersands);
