// The settings object and the persistence of the nine switches: one table row
// per stored value, looped over by load and save. The values lie directly on
// PluginKey (empty sub-path), each a 4-byte REG_DWORD named like its field.
// Covered by tests/settings/options_test.cpp.
#include "settings/options.h"

#include "settings/registry_store.h"

Settings settings = {{1, 1, 0, 0, 0, 1, 0, 0, 0}, {1, "", ""}};

namespace {

struct OptionRow {
  const char* name;
  int Options::*field;
  int defaultValue;
};

// Record order: load and save go through the values in this order.
const OptionRow kOptionRows[] = {
    {"PickWord", &Options::PickWord, 1}, {"ZeroWarn", &Options::ZeroWarn, 1},
    {"Case", &Options::Case, 0},         {"RegExp", &Options::RegExp, 0},
    {"Lines", &Options::Lines, 0},       {"Global", &Options::Global, 1},
    {"Before", &Options::Before, 0},     {"After", &Options::After, 0},
    {"CFunc", &Options::CFunc, 0},
};

}  // namespace

// The scope is one of three radio buttons: stored values that name none of
// them, or more than one, would show no button or two selected and scan an
// empty range. They stand for the whole file, as the defaults do.
static void SettleScope(Options* options) {
  int named = (options->Global != 0) + (options->Before != 0) + (options->After != 0);
  if (named == 1) return;
  options->Global = 1;
  options->Before = 0;
  options->After = 0;
}

void LoadOptions() {
  for (const OptionRow& row : kOptionRows)
    settings.options.*row.field = GetDword(HKEY_CURRENT_USER, "", row.name, row.defaultValue);
  SettleScope(&settings.options);
}

void SaveOptions() {
  for (const OptionRow& row : kOptionRows)
    WriteDword(HKEY_CURRENT_USER, "", row.name, settings.options.*row.field);
}
