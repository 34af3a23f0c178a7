// Rule sets in the registry and the rule-set menu. Menu items hold names cut
// to 127 characters; every action goes by the whole name, read back from the
// registry at the position the menu returned, so long names and names that
// share their first 127 characters stay distinct.
// Covered by tests/settings/rule_sets_test.cpp and rule_set_menu_test.cpp.
#include "settings/rule_sets.h"

#include <string.h>

#include "settings/mask_list.h"
#include "settings/rule_set_dialog.h"
#include "settings/rule_set_key.h"
#include "settings/rule_set_name.h"
#include "shell/host_info.h"
#include "shell/messages.h"

// Copies at most size - 1 characters of `source` into `dest`, terminated.
static void CopyBounded(char* dest, const char* source, size_t size) {
  size_t length = strnlen(source, size - 1);
  memmove(dest, source, length);
  dest[length] = 0;
}

void LoadRuleSet(FunctionRule* rule, const char* subPath) {
  rule->RegNum = GetDword(HKEY_CURRENT_USER, subPath, "RegNum", 1);
  ReadString(HKEY_CURRENT_USER, subPath, "Match", rule->Match, "", sizeof rule->Match);
  ReadString(HKEY_CURRENT_USER, subPath, "Ignore", rule->Ignore, "", sizeof rule->Ignore);
}

// A set with no name (the one empty item of an empty menu): RegNum 1, no patterns.
static void LoadEmptyRuleSet(FunctionRule* rule) {
  rule->RegNum = 1;
  rule->Match[0] = 0;
  rule->Ignore[0] = 0;
}

bool MaskFilter(HKEY root, const char* subPath, const char* name, void* userData) {
  char setPath[kSubPathSize];
  if (!JoinKeyPath(setPath, sizeof setPath, subPath, name)) return false;
  char maskList[kRuleTextSize];
  ReadString(root, setPath, "Mask", maskList, "", sizeof maskList);
  return MatchMaskList(maskList, static_cast<const char*>(userData));
}

bool ChooseRuleForFile(Settings* target, const char* fileName, char* nameDest) {
  if (nameDest) nameDest[0] = 0;
  FunctionRule* rule = &target->rule;
  rule->RegNum = 0;
  rule->Match[0] = 0;
  rule->Ignore[0] = 0;
  char name[kRuleTextSize];
  char subPath[kSubPathSize];
  const void* file = fileName ? fileName : "";
  bool found = FindSubKey(HKEY_CURRENT_USER, kRuleSetsKey, MaskFilter, const_cast<void*>(file),
                          name, sizeof name - 1) &&
               RuleSetSubPath(subPath, name);
  if (found) {
    if (nameDest) CopyBounded(nameDest, name, kRuleTextSize);
    LoadRuleSet(rule, subPath);
  }
  if (nameDest && !nameDest[0]) CopyBounded(nameDest, GetMsg(MsgRules), kRuleTextSize);
  return found;
}

bool ReloadRuleSet(Settings* target, const char* fileName, char* name) {
  char stored[kSubKeyNameSize];
  char subPath[kSubPathSize];
  if (FindStoredRuleSetName(name, stored) && RuleSetSubPath(subPath, stored)) {
    CopyBounded(name, stored, kRuleTextSize);
    LoadRuleSet(&target->rule, subPath);
    return true;
  }
  return ChooseRuleForFile(target, fileName, name);
}

bool RuleMenuFiller(HKEY, const char*, const char* name, FarMenuItem* item, int* selection,
                    const char* currentName) {
  CopyBounded(item->Text, name, sizeof item->Text);
  return currentName && *selection == -1 && strcmp(name, currentName) == 0;
}

namespace {

// Break keys of the menu, in break-code order, ended by 0.
enum RuleMenuKey { RuleKeyEnter, RuleKeyInsert, RuleKeyDelete, RuleKeyEdit, RuleKeyCount };
const int kRuleMenuBreakKeys[RuleKeyCount + 1] = {VK_RETURN, VK_INSERT, VK_DELETE, VK_F4, 0};

}  // namespace

// Enter (or a pick without a break key): the set becomes the active rule.
static RuleMenuResult ActivateRuleSet(Settings* target, const char* name, char* currentName) {
  if (currentName) CopyBounded(currentName, name, kRuleTextSize);
  char subPath[kSubPathSize];
  if (!RuleSetSubPath(subPath, name)) {
    LoadEmptyRuleSet(&target->rule);
    return RuleMenuChoseNone;
  }
  LoadRuleSet(&target->rule, subPath);
  return RuleMenuChoseSet;
}

// Del: the set goes at once, without a question, with any keys an import put
// below it. The empty item names no set. A set that stays is reported.
static void DeleteRuleSet(const char* name) {
  char subPath[kSubPathSize];
  if (RuleSetSubPath(subPath, name) && !DeleteKey(HKEY_CURRENT_USER, subPath))
    ShowRuleSetNotDeleted(name);
}

// Shows the menu once; returns the chosen index (-1 for Esc) and the break code.
static int ShowRuleSetMenu(FarMenuItem* items, int count, int* breakCode) {
  *breakCode = -1;
  // Names are shown as stored: an '&' in a name is no hotkey mark.
  return HostInfo.Menu(HostInfo.ModuleNumber, -1, -1, 0, FMENU_WRAPMODE | FMENU_SHOWAMPERSAND,
                       GetMsg(MsgRules), GetMsg(MsgRulesKeys), kRuleSetsHelp, kRuleMenuBreakKeys,
                       breakCode, items, count);
}

// The whole name of the set behind menu item `index`. The item's text is the
// name cut to 127 characters; the registry gives it whole, as long as it
// still starts with that text. An item with empty text names no set: it is
// the one item of a list that has no sets (or could not be collected).
static void ItemRuleSetName(const FarMenuItem& item, int index, char (&name)[kSubKeyNameSize]) {
  size_t shown = strnlen(item.Text, sizeof item.Text - 1);
  if (shown == 0 || !SubKeyNameAt(HKEY_CURRENT_USER, kRuleSetsKey, index, name) ||
      strncmp(name, item.Text, shown) != 0 || (shown < sizeof item.Text - 1 && name[shown] != 0))
    CopyBounded(name, item.Text, sizeof name);
}

RuleMenuResult RuleSetMenu(Settings* target, char* currentName) {
  int selection = -1;
  RuleMenuResult result = RuleMenuLeft;
  do {
    FarMenuItem* items = nullptr;
    int count = CollectSubKeys(HKEY_CURRENT_USER, kRuleSetsKey, RuleMenuFiller, &items, &selection,
                               currentName);
    if (!items) return RuleMenuLeft;
    if (selection >= 0 && selection < count) items[selection].Selected = 1;
    int breakCode;
    selection = ShowRuleSetMenu(items, count, &breakCode);
    char name[kSubKeyNameSize];
    if (selection >= 0 && selection < count) ItemRuleSetName(items[selection], selection, name);
    GlobalFree(items);
    if (selection < 0 || selection >= count) return RuleMenuLeft;
    switch (breakCode) {
      case RuleKeyInsert: EditRuleSet(nullptr); break;
      case RuleKeyDelete: DeleteRuleSet(name); break;
      case RuleKeyEdit: EditRuleSet(name); break;
      default:
        result = ActivateRuleSet(target, name, currentName);
        selection = -1;
        break;
    }
  } while (selection != -1);
  return result;
}
