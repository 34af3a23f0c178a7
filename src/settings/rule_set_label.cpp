// Set names fitted to their columns.
// Covered by tests/settings/rule_set_label_test.cpp.
#include "settings/rule_set_label.h"

#include <string.h>

const char kCutMark[] = "...";

// Appends the first `columns` characters of `text`; returns false when
// `dest` has no room left.
static bool AppendShown(char* dest, size_t size, size_t* used, const char* text, size_t columns,
                        bool doubleAmpersands) {
  for (size_t i = 0; i < columns && text[i]; ++i) {
    size_t need = doubleAmpersands && text[i] == '&' ? 2 : 1;
    if (*used + need > size - 1) return false;
    for (size_t k = 0; k < need; ++k) dest[(*used)++] = text[i];
  }
  return true;
}

void FitRuleSetName(char* dest, size_t size, const char* name, size_t width,
                    bool doubleAmpersands) {
  if (size == 0) return;
  size_t used = 0;
  size_t length = strlen(name);
  size_t mark = sizeof kCutMark - 1;
  if (length <= width) {
    AppendShown(dest, size, &used, name, length, doubleAmpersands);
  } else if (width >= mark) {
    if (AppendShown(dest, size, &used, name, width - mark, doubleAmpersands))
      AppendShown(dest, size, &used, kCutMark, mark, false);
  } else {
    AppendShown(dest, size, &used, name, width, doubleAmpersands);
  }
  dest[used] = 0;
}
