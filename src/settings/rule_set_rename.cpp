// Renaming a rule set in place. The registry has no rename, so a set is
// copied value by value to its new key and the old key deleted; where the
// registry takes both spellings for one key, by way of a temporary one.
// Covered by tests/settings/rule_set_menu_test.cpp.
#include "settings/rule_set_rename.h"

#include "settings/rule_set_key.h"
#include "shell/win_api.h"
#include "text/bounded_copy.h"

// Copies every value of the set `from` into a set `to` created for it, then
// deletes `from`. False, with `from` as it was and no `to` left behind, when
// a step fails, when a key `to` is there already, or when `from` has keys
// below it (a set has none of its own; they would be lost).
static bool MoveRuleSet(const char* from, const char* to) {
  char fromPath[kSubPathSize];
  char toPath[kSubPathSize];
  char below[kSubKeyNameSize];
  if (!RuleSetSubPath(fromPath, from) || !RuleSetSubPath(toPath, to) ||
      SubKeyNameAt(HKEY_CURRENT_USER, fromPath, 0, below))
    return false;
  bool created;
  HKEY key = OpenKeyForWrite(HKEY_CURRENT_USER, toPath, &created);
  if (!key) return false;
  bool copied = created && CopyValues(HKEY_CURRENT_USER, fromPath, key);
  CloseKey(key);
  if (copied && DeleteKey(HKEY_CURRENT_USER, fromPath)) return true;
  if (created) DeleteKey(HKEY_CURRENT_USER, toPath);
  return false;
}

// A name no key has, for a set on its way to another spelling of its name.
static bool FreeTemporaryName(char (&dest)[kSubKeyNameSize]) {
  for (int n = 1; n <= 9; ++n) {
    wsprintfA(dest, "~renaming %d", n);
    char subPath[kSubPathSize];
    if (RuleSetSubPath(subPath, dest) && !KeyExists(HKEY_CURRENT_USER, subPath)) return true;
  }
  return false;
}

bool RenameRuleSet(const char* from, const char* to, char (&where)[kSubKeyNameSize]) {
  CopyCut(where, from, sizeof where);
  char toPath[kSubPathSize];
  if (!RuleSetSubPath(toPath, to)) return false;
  if (!KeyExists(HKEY_CURRENT_USER, toPath)) return MoveRuleSet(from, to);
  char temporary[kSubKeyNameSize];
  if (!FreeTemporaryName(temporary) || !MoveRuleSet(from, temporary)) return false;
  if (MoveRuleSet(temporary, to)) return true;
  if (!MoveRuleSet(temporary, from)) CopyCut(where, temporary, sizeof where);
  return false;
}
