// The rule-set menu and the rule-set dialog, driven by keys through the host
// stand-in: Enter, Ins, F4 and Del, the cursor after each, and texts that
// round-trip whole.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "settings/module_fixture.h"
#include "settings/rule_sets.h"
#include "support/trace_call.h"

namespace settings_test {
namespace {

class RuleSetMenuTest : public ModuleTest {
 protected:
  void StoreNumbered(int count) {
    for (int i = 1; i <= count; ++i) {
      std::string n = std::to_string(i);
      StoreRuleSet("S" + n, "*." + n, "/m" + n + "/", "/i" + n + "/", i);
    }
  }
  std::string Value(const std::string& set, const char* name) {
    std::string text;
    EXPECT_TRUE(GetRawString(Path("Extensions\\" + set), name, &text)) << set << " " << name;
    return text;
  }
  int Number(const std::string& set) {
    DWORD value = 0;
    EXPECT_TRUE(GetRawDword(Path("Extensions\\" + set), "RegNum", &value)) << set;
    return static_cast<int>(value);
  }
  // The item texts of the last menu shown.
  std::vector<std::string> LastMenuItems() {
    std::vector<std::string> menus = Calls("Menu");
    if (menus.empty()) return {};
    return support::Call(menus.back()).Items();
  }
  char current[kRuleTextSize] = "";
};

TEST_F(RuleSetMenuTest, EnterActivatesTheSetUnderTheCursorStartingAtTheCurrentName) {
  StoreNumbered(3);
  strcpy(current, "S2");
  Keys("Down Enter");
  RuleSetMenu(&settings, current);
  EXPECT_STREQ("S3", current);
  EXPECT_EQ(3, settings.rule.RegNum);
  EXPECT_STREQ("/m3/", settings.rule.Match);
  EXPECT_STREQ("/i3/", settings.rule.Ignore);
  EXPECT_EQ(1u, Calls("Menu").size());
}

TEST_F(RuleSetMenuTest, WithoutCurrentNameTheCursorStartsOnTheFirstItem) {
  StoreNumbered(3);
  Keys("Enter");
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(1, settings.rule.RegNum);
  EXPECT_STREQ("/m1/", settings.rule.Match);
}

TEST_F(RuleSetMenuTest, EscChangesNothing) {
  StoreNumbered(2);
  strcpy(current, "S1");
  settings.rule.RegNum = 9;
  Keys("Down Esc");
  RuleSetMenu(&settings, current);
  EXPECT_STREQ("S1", current);
  EXPECT_EQ(9, settings.rule.RegNum);
  EXPECT_EQ(2u, RuleSets().size());
}

TEST_F(RuleSetMenuTest, DelOnTheThirdOfFiveLeavesTheCursorOnTheNextSet) {
  StoreNumbered(5);
  Keys("Down Down Del Enter");
  RuleSetMenu(&settings, current);
  EXPECT_EQ((std::vector<std::string>{"S1", "S2", "S4", "S5"}), RuleSets());
  EXPECT_STREQ("S4", current);
  EXPECT_EQ(2u, Calls("Menu").size());
}

TEST_F(RuleSetMenuTest, DelOnTheLastSetFallsBackToTheFirstItem) {
  StoreNumbered(3);
  Keys("End Del Enter");
  RuleSetMenu(&settings, current);
  EXPECT_EQ((std::vector<std::string>{"S1", "S2"}), RuleSets());
  EXPECT_STREQ("S1", current);
}

TEST_F(RuleSetMenuTest, TheEmptyMenuHasOneItemThatNamesNoSet) {
  ASSERT_TRUE(CreateKey(Path("Extensions")));
  strcpy(current, "before");
  Keys("Del Enter");
  RuleSetMenu(&settings, current);
  EXPECT_EQ((std::vector<std::string>{""}), LastMenuItems());
  EXPECT_TRUE(KeyExists(Path("Extensions")));  // Del did not take the parent key
  EXPECT_STREQ("", current);
  EXPECT_EQ(1, settings.rule.RegNum);
  EXPECT_STREQ("", settings.rule.Match);
  EXPECT_STREQ("", settings.rule.Ignore);
}

TEST_F(RuleSetMenuTest, F4OnTheEmptyItemOpensAnEmptyDialogWithRegNumOne) {
  Keys("F4 \"New\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ(std::vector<std::string>{"New"}, RuleSets());
  EXPECT_EQ("", Value("New", "Mask"));
  EXPECT_EQ("", Value("New", "Match"));
  EXPECT_EQ("", Value("New", "Ignore"));
  EXPECT_EQ(1, Number("New"));
}

TEST_F(RuleSetMenuTest, InsWritesTheFourValuesOfANewSet) {
  StoreNumbered(1);
  Keys("Ins \"New\" Tab \"*.n, *.m\" Tab \"/^(\\\\w+)/\" Tab \"/;/\" Tab BS BS \"-1\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ((std::vector<std::string>{"New", "S1"}), RuleSets());
  EXPECT_EQ("*.n, *.m", Value("New", "Mask"));
  EXPECT_EQ("/^(\\w+)/", Value("New", "Match"));
  EXPECT_EQ("/;/", Value("New", "Ignore"));
  EXPECT_EQ(-1, Number("New"));
}

TEST_F(RuleSetMenuTest, CancelEscOrAnEmptyNameWriteNothing) {
  for (const char* keys : {"Ins \"A\" Esc Esc", "Ins \"A\" Tab Tab Tab Tab Tab Tab Enter Esc",
                           "Ins Tab \"*.x\" Enter Esc", "Ins \"a\\\\b\" Enter Esc"}) {
    SCOPED_TRACE(keys);
    Keys(keys);
    RuleSetMenu(&settings, nullptr);
    EXPECT_EQ(std::vector<std::string>(), RuleSets());
  }
}

TEST_F(RuleSetMenuTest, RenamingInTheDialogLeavesTwoSets) {
  StoreRuleSet("Old", "*.o", "/o/", "/x/", 4);
  Keys("F4 End BS BS BS \"New\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ((std::vector<std::string>{"New", "Old"}), RuleSets());
  for (const char* set : {"New", "Old"}) {
    SCOPED_TRACE(set);
    EXPECT_EQ("*.o", Value(set, "Mask"));
    EXPECT_EQ("/o/", Value(set, "Match"));
    EXPECT_EQ("/x/", Value(set, "Ignore"));
    EXPECT_EQ(4, Number(set));
  }
}

TEST_F(RuleSetMenuTest, LongNamesAreShownCutAndHandledWhole) {
  std::string longName = std::string(150, 'L') + "tail";
  StoreRuleSet(longName, "*.l", "/l/", "", 2);
  StoreRuleSet("Short", "*.s", "/s/", "", 3);
  Keys("F4 Enter Enter");
  RuleSetMenu(&settings, current);
  EXPECT_EQ((std::vector<std::string>{longName, "Short"}), RuleSets());  // no cut twin
  EXPECT_EQ((std::vector<std::string>{longName.substr(0, 127), "Short"}), LastMenuItems());
  EXPECT_EQ(longName, current);
  EXPECT_EQ(2, settings.rule.RegNum);
  Keys("Del Esc");
  RuleSetMenu(&settings, current);
  EXPECT_EQ(std::vector<std::string>{"Short"}, RuleSets());
}

TEST_F(RuleSetMenuTest, TextsOf511CharactersTypedInTheDialogReadBackWhole) {
  std::string match = "/" + std::string(509, 'a') + "/";
  Keys("Ins \"N\" Tab \"*.c\" Tab \"" + match + "\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ(std::vector<std::string>{"N"}, RuleSets());
  char name[kRuleTextSize];
  ChooseRuleForFile(&settings, "x.c", name);
  EXPECT_STREQ("N", name);
  EXPECT_EQ(match, settings.rule.Match);
}

TEST_F(RuleSetMenuTest, F4AndOkWithoutEditsKeepEveryStoredValue) {
  std::string longMask = std::string(600, 'm');
  std::string longMatch = "/" + std::string(700, 'a') + "/";
  for (int regNum : {100, -10, 2147483647, -2147483647 - 1}) {
    SCOPED_TRACE(regNum);
    StoreRuleSet("Set", longMask, longMatch, "/i/", regNum);
    Keys("F4 Enter Esc");
    RuleSetMenu(&settings, nullptr);
    EXPECT_EQ(regNum, Number("Set"));
    EXPECT_EQ(longMask, Value("Set", "Mask"));
    EXPECT_EQ(longMatch, Value("Set", "Match"));
    EXPECT_EQ("/i/", Value("Set", "Ignore"));
  }
}

TEST_F(RuleSetMenuTest, ACutTextIsWrittenWhenChangedAndCopiedWholeToANewName) {
  std::string longMask = std::string(600, 'm');
  StoreRuleSet("Set", longMask, std::string(520, 'x'), "", 1);
  // The field shows the first 511 characters; one taken off is a change.
  Keys("F4 Tab Tab End BS Enter Esc");
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(longMask, Value("Set", "Mask"));
  EXPECT_EQ(std::string(510, 'x'), Value("Set", "Match"));
  Keys("F4 End \"2\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ((std::vector<std::string>{"Set", "Set2"}), RuleSets());
  EXPECT_EQ(longMask, Value("Set2", "Mask"));
}

}  // namespace
}  // namespace settings_test
