// Choosing the rule set for the edited file and loading it into the active
// rule, with the host stand-in's CmpName deciding what a mask matches.
#include "settings/rule_sets.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "settings/mask_list.h"
#include "settings/rule_set_key.h"
#include "settings/module_fixture.h"
#include "shell/host_info.h"
#include "shell/messages.h"

namespace settings_test {
namespace {

class RuleSets : public ModuleTest {};

TEST_F(RuleSets, MaskListsMatchTheNamePartThroughTheHost) {
  struct Case {
    const char* list;
    const char* file;
    bool match;
  } cases[] = {
      {"*.c,*.h", "/home/u/x.h", true},
      {"*.c,  *.h", "C:\\src\\x.h", true},
      {"*.c ,*.h", "x.c", false},  // the item keeps its blank
      {"*[,]*,*.x", "a,b", true},
      {"*.pas", "x.c", false},
      {"", "x.c", false},
      {"*.c,", "x.c", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.list) + " / " + c.file);
    EXPECT_EQ(c.match, MatchMaskList(c.list, c.file));
  }
}

TEST_F(RuleSets, TheSetWhoseMasksFitTheFileBecomesActive) {
  StoreRuleSet("A", "*.txt", "/^txt/", "", 2);
  StoreRuleSet("B", "*.c", "/^(\\w+)\\(/", "/;$/", 1);
  char name[kRuleTextSize];
  ChooseRuleForFile(&settings, "/home/user/src/x.c", name);
  EXPECT_STREQ("B", name);
  EXPECT_EQ(1, settings.rule.RegNum);
  EXPECT_STREQ("/^(\\w+)\\(/", settings.rule.Match);
  EXPECT_STREQ("/;$/", settings.rule.Ignore);

  ChooseRuleForFile(&settings, "x.pas", name);
  EXPECT_STREQ(GetMsg(MsgRules), name);
  EXPECT_EQ(0, settings.rule.RegNum);
  EXPECT_STREQ("", settings.rule.Match);
  EXPECT_STREQ("", settings.rule.Ignore);
}

TEST_F(RuleSets, TheFirstMatchingSetInRegistryOrderWins) {
  StoreRuleSet("Zeta", "*.c", "/z/", "", 3);
  StoreRuleSet("Alpha", "*.c", "/a/", "", 4);
  char name[kRuleTextSize];
  ChooseRuleForFile(&settings, "x.c", name);
  EXPECT_STREQ("Alpha", name);
  EXPECT_EQ(4, settings.rule.RegNum);
}

TEST_F(RuleSets, MissingValuesReadAsDefaultsAndNoMaskFitsNoFile) {
  ASSERT_TRUE(SetRaw(Path("Extensions\\NoMask"), "Match", REG_SZ, "/m/", 4));
  ASSERT_TRUE(SetRaw(Path("Extensions\\OnlyMask"), "Mask", REG_SZ, "*.c", 4));
  char name[kRuleTextSize];
  ChooseRuleForFile(&settings, "x.c", name);
  EXPECT_STREQ("OnlyMask", name);
  EXPECT_EQ(1, settings.rule.RegNum);
  EXPECT_STREQ("", settings.rule.Match);
}

TEST_F(RuleSets, WithoutDestinationOnlyTheRuleChanges) {
  ChooseRuleForFile(&settings, "x.c", nullptr);
  EXPECT_EQ(0, settings.rule.RegNum);
}

TEST_F(RuleSets, RuleTextsUpTo511CharactersAreReadWhole) {
  std::string match511 = "/" + std::string(509, 'a') + "/";
  std::string mask511 = std::string(507, 'q') + ",*.c";
  StoreRuleSet("Long", mask511, match511, std::string(512, 'i'), 1);
  char name[kRuleTextSize];
  ChooseRuleForFile(&settings, "x.c", name);
  EXPECT_STREQ("Long", name);
  EXPECT_EQ(match511, settings.rule.Match);
  EXPECT_STREQ("", settings.rule.Ignore);  // 512 characters do not fit: empty
}

TEST_F(RuleSets, LongNamesAreChosenWhole) {
  std::string longName(200, 'N');
  StoreRuleSet(longName, "*.c", "/x/", "", 1);
  char name[kRuleTextSize];
  ChooseRuleForFile(&settings, "x.c", name);
  EXPECT_EQ(longName, name);
}

TEST_F(RuleSets, SubPathsRefuseEmptyNamesAndBackslashes) {
  char subPath[kSubPathSize];
  EXPECT_TRUE(RuleSetSubPath(subPath, "C++"));
  EXPECT_STREQ("Extensions\\C++", subPath);
  EXPECT_FALSE(RuleSetSubPath(subPath, ""));
  EXPECT_FALSE(RuleSetSubPath(subPath, "C\\C++"));
  EXPECT_TRUE(RuleSetSubPath(subPath, std::string(511, 'n').c_str()));
}

TEST_F(RuleSets, MenuFillerCutsTextAndPreselectsOnlyTheCurrentName) {
  FarMenuItem item;
  memset(&item, '#', sizeof item);
  int none = -1, some = 2;
  std::string longName(300, 'x');
  EXPECT_FALSE(
      RuleMenuFiller(HKEY_CURRENT_USER, "Extensions", longName.c_str(), &item, &none, "other"));
  EXPECT_EQ(std::string(127, 'x'), item.Text);
  EXPECT_TRUE(RuleMenuFiller(HKEY_CURRENT_USER, "Extensions", longName.c_str(), &item, &none,
                             longName.c_str()));
  EXPECT_FALSE(RuleMenuFiller(HKEY_CURRENT_USER, "Extensions", "C", &item, &some, "C"));
  EXPECT_FALSE(RuleMenuFiller(HKEY_CURRENT_USER, "Extensions", "C", &item, &none, "c"));
  EXPECT_FALSE(RuleMenuFiller(HKEY_CURRENT_USER, "Extensions", "C", &item, &none, nullptr));
}

}  // namespace
}  // namespace settings_test
