// The rule-set dialog. Its five text fields are kDialogTextSize buffers, so
// whatever the host's field returns is kept whole, written whole, and read
// back whole (rule texts are read with kRuleTextSize).
// Covered by tests/settings/rule_set_dialog_test.cpp.
#include "settings/rule_set_dialog.h"

#include <stdint.h>
#include <string.h>

#include "search/result_list.h"
#include "settings/options.h"
#include "settings/registry_store.h"
#include "settings/rule_sets.h"
#include "shell/dialog_template.h"
#include "shell/messages.h"

namespace {

enum RuleSetItem {
  RuleFrame,
  RuleNameLabel,
  RuleName,
  RuleMaskLabel,
  RuleMask,
  RuleMatchLabel,
  RuleMatch,
  RuleIgnoreLabel,
  RuleIgnore,
  RuleRegNumLabel,
  RuleRegNum,
  RuleSeparator,
  RuleOk,
  RuleCancel,
  RuleItemCount
};

// clang-format off
const DialogTemplateItem kRuleSetDialog[RuleItemCount] = {
    // type         x1   y1  x2   y2    sel flags             text
    {DI_DOUBLEBOX,  3,   1,  72,  9,    0,  0,                MsgRules},
    {DI_TEXT,       5,   2,  29,  0,    0,  0,                MsgRuleName},
    {DI_EDIT,       30,  2,  70,  0,    0,  0,                0},
    {DI_TEXT,       5,   3,  29,  0,    0,  0,                MsgRuleMask},
    {DI_EDIT,       30,  3,  70,  0,    0,  0,                0},
    {DI_TEXT,       5,   4,  29,  0,    0,  0,                MsgRuleMatch},
    {DI_EDIT,       30,  4,  70,  0,    0,  DIF_HISTORY,      0},
    {DI_TEXT,       5,   5,  29,  0,    0,  0,                MsgRuleIgnore},
    {DI_EDIT,       30,  5,  70,  0,    0,  DIF_HISTORY,      0},
    {DI_TEXT,       5,   6,  29,  0,    0,  0,                MsgRuleRegNum},
    {DI_FIXEDIT,    30,  6,  31,  0,    0,  0,                0},
    {DI_TEXT,       5,   7,  0,   255,  0,  0,                0},
    {DI_BUTTON,     0,   8,  0,   0,    0,  DIF_CENTERGROUP,  MsgOk},
    {DI_BUTTON,     0,   8,  0,   0,    0,  DIF_CENTERGROUP,  MsgCancel},
};
// clang-format on

// The RegNum field is two characters wide; a stored number whose decimal form
// is longer is shown cut to that width.
const int kRegNumFieldWidth = 2;
const size_t kNumberWorkSize = 64;

// The dialog's buffers: each kDialogTextSize bytes, as the copy-back requires.
struct RuleSetFields {
  char name[kDialogTextSize];
  char mask[kDialogTextSize];
  char match[kDialogTextSize];
  char ignore[kDialogTextSize];
  char regNum[kDialogTextSize];
};

}  // namespace

static_assert(static_cast<int>(kRuleTextSize) <= static_cast<int>(kDialogTextSize),
              "rule texts fit the dialog's fields");

int ParseSignedNumber(const char* text) {
  char work[kNumberWorkSize];
  size_t length = strnlen(text, sizeof work - 1);
  memcpy(work, text, length);
  work[length] = 0;
  TrimBlanks(work);
  int sign = 1;
  if (work[0] == '-') {
    work[0] = '0';
    sign = -1;
  }
  uint32_t value = 0;
  for (const char* p = work; *p >= '0' && *p <= '9'; ++p)
    value = value * 10 + static_cast<uint32_t>(*p - '0');
  return static_cast<int>(value * static_cast<uint32_t>(sign));
}

// Fills the fields from the stored set `name`, or empty with RegNum 1.
static void ReadRuleSetFields(RuleSetFields* fields, const char* name) {
  memset(fields, 0, sizeof *fields);
  int regNum = 1;
  char subPath[kSubPathSize];
  if (name && RuleSetSubPath(subPath, name)) {
    size_t length = strnlen(name, sizeof fields->name - 1);
    memcpy(fields->name, name, length);
    regNum = GetDword(HKEY_CURRENT_USER, subPath, "RegNum", 1);
    ReadString(HKEY_CURRENT_USER, subPath, "Mask", fields->mask, "", kRuleTextSize);
    ReadString(HKEY_CURRENT_USER, subPath, "Match", fields->match, "", kRuleTextSize);
    ReadString(HKEY_CURRENT_USER, subPath, "Ignore", fields->ignore, "", kRuleTextSize);
  }
  char number[16];
  wsprintfA(number, "%d", regNum);
  memcpy(fields->regNum, number, kRegNumFieldWidth);
  fields->regNum[strnlen(number, kRegNumFieldWidth)] = 0;
}

static void WriteRuleSetFields(const RuleSetFields& fields) {
  char subPath[kSubPathSize];
  if (!RuleSetSubPath(subPath, fields.name)) return;
  int regNum = ParseSignedNumber(fields.regNum);
  WriteString(HKEY_CURRENT_USER, subPath, "Mask", fields.mask);
  WriteString(HKEY_CURRENT_USER, subPath, "Match", fields.match);
  WriteString(HKEY_CURRENT_USER, subPath, "Ignore", fields.ignore);
  WriteDword(HKEY_CURRENT_USER, subPath, "RegNum", regNum);
}

void EditRuleSet(const char* name) {
  RuleSetFields fields;
  ReadRuleSetFields(&fields, name);
  DialogTemplateItem copy[RuleItemCount];
  memcpy(copy, kRuleSetDialog, sizeof copy);
  copy[RuleName].Data = TemplateBuffer(fields.name);
  copy[RuleMask].Data = TemplateBuffer(fields.mask);
  copy[RuleMatch].Data = TemplateBuffer(fields.match);
  copy[RuleMatch].Selected = TemplateText("Skerrow-FuncMatch");
  copy[RuleIgnore].Data = TemplateBuffer(fields.ignore);
  copy[RuleIgnore].Selected = TemplateText("Skerrow-FuncIgnore");
  copy[RuleRegNum].Data = TemplateBuffer(fields.regNum);
  if (RunDialog(copy, RuleItemCount, RuleName, RuleOk, nullptr) != RuleOk) return;
  WriteRuleSetFields(fields);
}
