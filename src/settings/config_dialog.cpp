// The configuration dialog. The rule-set button does not confirm the dialog,
// so the dialog comes back from the menu with the states it first showed.
// Covered by tests/settings/config_dialog_test.cpp.
#include "settings/config_dialog.h"

#include <string.h>

#include "settings/options.h"
#include "settings/rule_sets.h"
#include "shell/dialog_template.h"
#include "shell/messages.h"

namespace {

enum ConfigItem {
  CfgFrame,
  CfgPickWord,
  CfgZeroWarn,
  CfgSeparator1,
  CfgCase,
  CfgRegExp,
  CfgLines,
  CfgGlobal,
  CfgBefore,
  CfgAfter,
  CfgSeparator2,
  CfgCFunc,
  CfgRules,
  CfgSeparator3,
  CfgOk,
  CfgCancel,
  CfgItemCount
};

// clang-format off
const DialogTemplateItem kConfigDialog[CfgItemCount] = {
    // type           x1   y1   x2   y2    sel flags             text
    {DI_DOUBLEBOX,    3,   1,   72,  12,   0,  0,                MsgConfigTitle},
    {DI_CHECKBOX,     5,   2,   70,  0,    0,  0,                MsgPickWord},
    {DI_CHECKBOX,     5,   3,   70,  0,    0,  0,                MsgZeroWarn},
    {DI_TEXT,         5,   4,   0,   255,  0,  0,                0},
    {DI_CHECKBOX,     5,   5,   0,   0,    0,  0,                MsgCase},
    {DI_CHECKBOX,     5,   6,   0,   0,    0,  0,                MsgRegExp},
    {DI_CHECKBOX,     5,   7,   0,   0,    0,  0,                MsgLines},
    {DI_RADIOBUTTON,  40,  5,   0,   0,    0,  DIF_GROUP,        MsgGlobal},
    {DI_RADIOBUTTON,  40,  6,   0,   0,    0,  0,                MsgBefore},
    {DI_RADIOBUTTON,  40,  7,   0,   0,    0,  0,                MsgAfter},
    {DI_TEXT,         5,   8,   0,   255,  0,  0,                0},
    {DI_CHECKBOX,     5,   9,   0,   0,    0,  0,                MsgCFunc},
    {DI_BUTTON,       40,  9,   68,  0,    0,  0,                MsgRules},
    {DI_TEXT,         5,   10,  0,   255,  0,  0,                0},
    {DI_BUTTON,       0,   11,  0,   0,    0,  DIF_CENTERGROUP,  MsgOk},
    {DI_BUTTON,       0,   11,  0,   0,    0,  DIF_CENTERGROUP,  MsgCancel},
};
// clang-format on

// Which item shows which switch, in record order.
struct SwitchItem {
  int Options::*field;
  ConfigItem item;
};
const SwitchItem kSwitchItems[] = {
    {&Options::PickWord, CfgPickWord}, {&Options::ZeroWarn, CfgZeroWarn},
    {&Options::Case, CfgCase},         {&Options::RegExp, CfgRegExp},
    {&Options::Lines, CfgLines},       {&Options::Global, CfgGlobal},
    {&Options::Before, CfgBefore},     {&Options::After, CfgAfter},
    {&Options::CFunc, CfgCFunc},
};

}  // namespace

bool RunConfigDialog() {
  DialogTemplateItem copy[CfgItemCount];
  memcpy(copy, kConfigDialog, sizeof copy);
  // A stored value other than 0 and 1 is on; the dialog shows it checked.
  for (const SwitchItem& s : kSwitchItems)
    copy[s.item].Selected = settings.options.*s.field ? 1 : 0;
  int result;
  while ((result = RunDialog(copy, CfgItemCount, CfgPickWord, CfgOk, "Config")) == CfgRules)
    RuleSetMenu(&settings, nullptr);
  if (result != CfgOk) return false;
  for (const SwitchItem& s : kSwitchItems)
    settings.options.*s.field = static_cast<int>(copy[s.item].Selected);
  SaveOptions();
  return true;
}
