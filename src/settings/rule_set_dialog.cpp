// The rule-set dialog. Its five text fields are kDialogTextSize buffers, so
// whatever the host's field returns is kept whole, written whole, and read
// back whole (rule texts are read with kRuleTextSize). A stored text longer
// than a field (written by other means) is shown cut and kept as stored
// unless the user changes it. A name that cannot be saved is refused with a
// message and the dialog comes back with its texts.
// Covered by tests/settings/rule_set_dialog_test.cpp.
#include "settings/rule_set_dialog.h"

#include <stdint.h>
#include <string.h>

#include "settings/options.h"
#include "settings/registry_store.h"
#include "settings/rule_set_key.h"
#include "settings/rule_set_label.h"
#include "settings/rule_set_name.h"
#include "settings/rule_set_rename.h"
#include "shell/dialog_template.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "text/bounded_copy.h"
#include "text/trim_blanks.h"

const char kRuleSetsHelp[] = "Extensions";

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
constexpr DialogTemplateItem kRuleSetDialog[RuleItemCount] = {
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
    {DI_FIXEDIT,    30,  6,  40,  0,    0,  0,                0},
    {DI_TEXT,       5,   7,  0,   255,  0,  0,                0},
    {DI_BUTTON,     0,   8,  0,   0,    0,  DIF_CENTERGROUP,  MsgOk},
    {DI_BUTTON,     0,   8,  0,   0,    0,  DIF_CENTERGROUP,  MsgCancel},
};
// clang-format on

// Wide enough for any 32-bit number in decimal, "-2147483648".
const int kRegNumFieldWidth = 11;
const size_t kNumberWorkSize = 64;
// Columns a set name gets in a message box line.
const size_t kMessageNameWidth = 66;
// A dialog label as a message line.
const size_t kLabelLineSize = 64;

// A stored text that does not fit its field: the field shows its first
// characters, and the stored value stays as it is unless the field is changed.
struct StoredText {
  bool cut;
  char* whole;  // the stored value (GlobalAlloc), null when it could not be read
};

// The dialog's buffers: each kDialogTextSize bytes, as the copy-back requires.
struct RuleSetFields {
  char name[kDialogTextSize];
  char mask[kDialogTextSize];
  char match[kDialogTextSize];
  char ignore[kDialogTextSize];
  char regNum[kDialogTextSize];
  StoredText storedMask;
  StoredText storedMatch;
  StoredText storedIgnore;
  char editedName[kSubKeyNameSize];  // the set as it was opened; empty for a new one
};

}  // namespace

static_assert(kRegNumFieldWidth ==
                  kRuleSetDialog[RuleRegNum].X2 - kRuleSetDialog[RuleRegNum].X1 + 1,
              "the RegNum field shows every 32-bit number");
static_assert(static_cast<int>(kRuleTextSize) <= static_cast<int>(kDialogTextSize),
              "rule texts fit the dialog's fields");

bool ParseSignedNumber(const char* text, int* value) {
  char work[kNumberWorkSize];
  size_t length = strnlen(text, sizeof work - 1);
  memcpy(work, text, length);
  work[length] = 0;
  TrimBlanks(work);
  bool negative = work[0] == '-';
  if (negative) work[0] = '0';
  // One past the largest magnitude stops the count: the digits that follow
  // cannot bring it back into range.
  const uint64_t limit = negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX);
  uint64_t magnitude = 0;
  for (const char* p = work; *p >= '0' && *p <= '9' && magnitude <= limit; ++p)
    magnitude = magnitude * 10 + static_cast<uint64_t>(*p - '0');
  if (magnitude > limit) {
    *value = 0;
    return false;
  }
  *value =
      negative ? static_cast<int>(-static_cast<int64_t>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

// Reads one text of the set into its field. A value too long for the field
// is read whole and the field shows as much of it as fits.
static void ReadRuleText(const char* subPath, const char* valueName, char (&field)[kDialogTextSize],
                         StoredText* stored) {
  stored->cut = false;
  stored->whole = nullptr;
  if (ReadString(HKEY_CURRENT_USER, subPath, valueName, field, "", sizeof field)) return;
  stored->whole = ReadWholeString(HKEY_CURRENT_USER, subPath, valueName);
  if (!stored->whole) {
    // Missing, or no memory to hold it: with no memory the value cannot be
    // shown, so it is only kept as long as the field stays empty.
    stored->cut = ValueExists(HKEY_CURRENT_USER, subPath, valueName);
    return;
  }
  stored->cut = true;
  CopyCut(field, stored->whole, sizeof field);
}

static void ReleaseStoredText(StoredText* stored) {
  if (stored->whole) GlobalFree(stored->whole);
  stored->whole = nullptr;
}

// Fills the fields from the stored set `name`, or empty with RegNum 1.
static void ReadRuleSetFields(RuleSetFields* fields, const char* name) {
  memset(fields, 0, sizeof *fields);
  int regNum = 1;
  char subPath[kSubPathSize];
  if (name && RuleSetSubPath(subPath, name)) {
    CopyCut(fields->name, name, sizeof fields->name);
    CopyCut(fields->editedName, name, sizeof fields->editedName);
    regNum = GetDword(HKEY_CURRENT_USER, subPath, "RegNum", 1);
    ReadRuleText(subPath, "Mask", fields->mask, &fields->storedMask);
    ReadRuleText(subPath, "Match", fields->match, &fields->storedMatch);
    ReadRuleText(subPath, "Ignore", fields->ignore, &fields->storedIgnore);
  }
  wsprintfA(fields->regNum, "%d", regNum);
}

// Writes one text: the field, unless it still shows a cut stored value. Such
// a value stays in its set, and a set saved under another name gets it whole.
// False when the registry refused the write.
static bool WriteRuleText(HKEY key, const char* valueName, const char* field,
                          const StoredText& stored, bool sameSet) {
  if (stored.cut) {
    char shown[kDialogTextSize];
    CopyCut(shown, stored.whole ? stored.whole : "", sizeof shown);
    if (strcmp(shown, field) == 0) {
      if (sameSet || !stored.whole) return true;
      return WriteStringTo(key, valueName, stored.whole);
    }
  }
  return WriteStringTo(key, valueName, field);
}

// Writes the four values into the set `target`; false when any of them could
// not be written (the registry refused the key or a value), so the user can
// be told. `sameSet`: `target` is the set the dialog was opened on.
// `*created` says whether this save created the set's key.
static bool WriteRuleSetFields(const RuleSetFields& fields, const char* target, bool sameSet,
                               int regNum, bool* created) {
  *created = false;
  char subPath[kSubPathSize];
  if (!RuleSetSubPath(subPath, target)) return false;
  HKEY key = OpenKeyForWrite(HKEY_CURRENT_USER, subPath, created);
  if (!key) return false;
  bool written = WriteRuleText(key, "Mask", fields.mask, fields.storedMask, sameSet);
  written = WriteRuleText(key, "Match", fields.match, fields.storedMatch, sameSet) && written;
  written = WriteRuleText(key, "Ignore", fields.ignore, fields.storedIgnore, sameSet) && written;
  written = WriteDwordTo(key, "RegNum", regNum) && written;
  CloseKey(key);
  return written;
}

static void RemovePartialRuleSet(const char* name) {
  char subPath[kSubPathSize];
  if (RuleSetSubPath(subPath, name)) DeleteKey(HKEY_CURRENT_USER, subPath);
}

// Says why the name cannot be saved; `name` (may be null) is shown on a line
// of its own.
static void ShowNameRefused(int message, const char* name) {
  char shown[kDialogTextSize];
  const char* items[4] = {GetMsg(MsgError), GetMsg(message)};
  int count = 2;
  if (name) {
    FitRuleSetName(shown, sizeof shown, name, kMessageNameWidth, false);
    items[count++] = shown;
  }
  items[count++] = GetMsg(MsgOk);
  HostInfo.Message(HostInfo.ModuleNumber, FMSG_WARNING, nullptr, items, count, 1);
}

// Shows the refusal of a verdict other than usable or empty.
static void ShowRefusal(RuleSetNameVerdict verdict, const char* takenName) {
  switch (verdict) {
    case RuleNameHasBackslash: ShowNameRefused(MsgRuleNameBackslash, nullptr); break;
    case RuleNameTooLong: ShowNameRefused(MsgRuleNameTooLong, nullptr); break;
    default: ShowNameRefused(MsgRuleNameTaken, takenName); break;
  }
}

// A label of the dialog as a line of a message: without its hotkey mark
// and its closing colon.
static void PlainLabel(char (&dest)[kLabelLineSize], const char* label) {
  size_t used = 0;
  for (const char* p = label; *p && used < sizeof dest - 1; ++p)
    if (*p != '&') dest[used++] = *p;
  if (used > 0 && dest[used - 1] == ':') --used;
  dest[used] = 0;
}

// Whether the stored text is longer than a rule text: the search then reads
// it as empty, so the set applies to no file (masks), marks no line (header)
// or rules out nothing (ignore).
static bool UnusedText(const StoredText& stored) {
  return stored.whole && strlen(stored.whole) >= kRuleTextSize;
}

// Names the texts of the set that the search cannot use, if any.
static void ShowUnusedTexts(const RuleSetFields& fields) {
  const struct {
    const StoredText* stored;
    int label;
  } texts[] = {{&fields.storedMask, MsgRuleMask},
               {&fields.storedMatch, MsgRuleMatch},
               {&fields.storedIgnore, MsgRuleIgnore}};
  char labels[3][kLabelLineSize];
  const char* items[2 + 3 + 2] = {GetMsg(MsgRules), GetMsg(MsgRuleTextUnused)};
  int count = 2;
  int listed = 0;
  for (const auto& text : texts) {
    if (!UnusedText(*text.stored)) continue;
    PlainLabel(labels[listed], GetMsg(text.label));
    items[count++] = labels[listed++];
  }
  if (listed == 0) return;
  items[count++] = GetMsg(MsgRuleTextCutHint);
  items[count++] = GetMsg(MsgOk);
  HostInfo.Message(HostInfo.ModuleNumber, FMSG_WARNING, nullptr, items, count, 1);
}

void ShowRuleSetNotDeleted(const char* name) {
  ShowNameRefused(MsgRuleNotDeleted, name);
}

void EditRuleSet(const char* name) {
  RuleSetFields fields;
  ReadRuleSetFields(&fields, name);
  ShowUnusedTexts(fields);
  DialogTemplateItem copy[RuleItemCount];
  memcpy(copy, kRuleSetDialog, sizeof copy);
  copy[RuleName].Data = TemplateBuffer(fields.name);
  copy[RuleMask].Data = TemplateBuffer(fields.mask);
  copy[RuleMatch].Data = TemplateBuffer(fields.match);
  copy[RuleMatch].Selected = TemplateText("Skerrow-FuncMatch");
  copy[RuleIgnore].Data = TemplateBuffer(fields.ignore);
  copy[RuleIgnore].Selected = TemplateText("Skerrow-FuncIgnore");
  copy[RuleRegNum].Data = TemplateBuffer(fields.regNum);
  // A refused name brings the dialog back with everything the user typed:
  // the copy-back has put it into the buffers the copy points at.
  while (RunDialog(copy, RuleItemCount, RuleName, RuleOk, kRuleSetsHelp) == RuleOk) {
    char takenName[kSubKeyNameSize];
    RuleSetNameVerdict verdict = CheckRuleSetName(fields.name, fields.editedName, takenName);
    if (verdict == RuleNameEmpty) break;
    if (verdict != RuleNameUsable) {
      ShowRefusal(verdict, takenName);
      continue;
    }
    // A number past 32 bits would be stored as some other number.
    int regNum;
    if (!ParseSignedNumber(fields.regNum, &regNum)) {
      ShowNameRefused(MsgRuleNumberRange, nullptr);
      continue;
    }
    // The edited set saved under its own name in another case is saved in
    // place and then renamed.
    bool own = fields.editedName[0] && SameRuleSetName(fields.name, fields.editedName);
    const char* target = own ? fields.editedName : fields.name;
    bool created;
    if (WriteRuleSetFields(fields, target, own, regNum, &created)) {
      char where[kSubKeyNameSize];
      if (own && strcmp(fields.name, fields.editedName) != 0 &&
          !RenameRuleSet(fields.editedName, fields.name, where))
        ShowNameRefused(MsgRuleNotRenamed, where);
      break;
    }
    // The registry refused it (a path too long for it, no rights): a key this
    // save created is taken out again, so that its half cannot block the
    // name, and the dialog keeps the texts, so nothing typed is lost. A key
    // that was there before is left, whatever the check of the name said.
    if (created) RemovePartialRuleSet(target);
    ShowNameRefused(MsgRuleNotSaved, fields.name);
  }
  ReleaseStoredText(&fields.storedMask);
  ReleaseStoredText(&fields.storedMatch);
  ReleaseStoredText(&fields.storedIgnore);
}
