// The configuration dialog through Configure and the host stand-in: what OK,
// Cancel and the rule-set button do to the record and the registry.
#include "settings/config_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/module_fixture.h"
#include "support/trace_call.h"

namespace settings_test {
namespace {

class ConfigDialog : public ModuleTest {
 protected:
  // The nine stored values, -1 for a missing one.
  std::vector<int> Stored() {
    std::vector<int> values;
    for (const char* name : kOptionNames) {
      DWORD value;
      values.push_back(GetRawDword(moduleKey, name, &value) ? static_cast<int>(value) : -1);
    }
    return values;
  }
  // Tab stops from PickWord: ZeroWarn, Case, RegExp, Lines, Global, Before,
  // After, CFunc, then the rule-set button.
  static std::string TabsToRuleButton() { return "Tab Tab Tab Tab Tab Tab Tab Tab Tab"; }
};

TEST_F(ConfigDialog, OkOnAFirstRunCreatesTheKeyWithAllNineValues) {
  ASSERT_FALSE(KeyExists(moduleKey));
  Keys("Enter");
  EXPECT_EQ(1, Configure(0));
  EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 0, 1, 0, 0, 0}), Stored());
  // The dialog: 76 by 14, help "Config", the defaults shown.
  std::vector<std::string> dialogs = Calls("Dialog");
  ASSERT_EQ(1u, dialogs.size());
  support::Call dialog(dialogs[0]);
  EXPECT_EQ("Config", dialog.Text("help"));
}

TEST_F(ConfigDialog, OkSavesToggledSwitches) {
  Keys("Space Tab Space Tab Space Enter");  // PickWord off, ZeroWarn off, Case on
  EXPECT_EQ(1, Configure(0));
  EXPECT_EQ((std::vector<int>{0, 0, 1, 0, 0, 1, 0, 0, 0}), Switches(settings.options));
  EXPECT_EQ(Switches(settings.options), Stored());
}

TEST_F(ConfigDialog, CancelAndEscChangeNeitherRecordNorRegistry) {
  for (const char* keys :
       {"Space Esc", "Space Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Tab Enter"}) {
    SCOPED_TRACE(keys);
    Keys(keys);
    EXPECT_EQ(0, Configure(0));
    EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 0, 1, 0, 0, 0}), Switches(settings.options));
    EXPECT_FALSE(KeyExists(moduleKey));
  }
}

TEST_F(ConfigDialog, TheRuleSetButtonDropsUnsavedToggles) {
  StoreRuleSet("C", "*.c", "/c/", "", 1);
  Keys("Space " + TabsToRuleButton() + " Enter Esc Enter");
  EXPECT_EQ(1, Configure(0));
  EXPECT_EQ(2u, Calls("Dialog").size());
  EXPECT_EQ(1u, Calls("Menu").size());
  EXPECT_EQ(1, settings.options.PickWord);  // the toggle before the button is gone
  EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 0, 1, 0, 0, 0}), Stored());
}

TEST_F(ConfigDialog, RuleSetChangesStayAfterCancel) {
  StoreRuleSet("A", "*.a", "/a/", "", 1);
  StoreRuleSet("B", "*.b", "/b/", "", 1);
  Keys(TabsToRuleButton() + " Enter Del Esc Esc");
  EXPECT_EQ(0, Configure(0));
  EXPECT_EQ(std::vector<std::string>{"B"}, RuleSets());
}

TEST_F(ConfigDialog, ShowsWhatTheRecordHoldsIncludingSearchDialogChanges) {
  settings.options.RegExp = 1;  // as the search dialog leaves it
  settings.options.Case = 5;    // any non-zero value is on
  Keys("Esc");
  EXPECT_EQ(0, Configure(0));
  EXPECT_EQ(1, settings.options.RegExp);
  EXPECT_FALSE(KeyExists(moduleKey));
  Keys("Enter");
  EXPECT_EQ(1, Configure(0));
  EXPECT_EQ((std::vector<int>{1, 1, 1, 1, 0, 1, 0, 0, 0}), Stored());
}

TEST_F(ConfigDialog, OtherItemNumbersShowNothing) {
  EXPECT_EQ(0, Configure(1));
  EXPECT_EQ(0, Configure(-1));
  EXPECT_TRUE(Calls("Dialog").empty());
}

}  // namespace
}  // namespace settings_test
