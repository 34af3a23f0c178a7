// Mask lists of rule sets: comma-separated host file masks, where a comma
// inside a bracket pair (a character range such as [,;]) belongs to the mask.
// Covered by tests/settings/mask_list_test.cpp.
#pragma once

#include <stddef.h>

// Takes the next item of the list at `rest` into `item` (`itemSize` bytes; a
// longer item is cut). Returns where the list goes on, past the comma and the
// blanks after it, or null when the list is exhausted. Blanks before a comma
// stay in the item; two commas in a row give an empty item.
const char* SplitMaskList(const char* rest, char* item, size_t itemSize);
// True when some item of `maskList` matches the name part of `fileName`
// (the host's CmpName); an empty list matches nothing.
bool MatchMaskList(const char* maskList, const char* fileName);
