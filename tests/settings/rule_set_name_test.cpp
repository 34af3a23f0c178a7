// Which names the rule-set dialog may save, and set names fitted to a button
// or message line.
#include "settings/rule_set_name.h"

#include <gtest/gtest.h>

#include <string>

#include "settings/module_fixture.h"
#include "settings/rule_set_label.h"

namespace settings_test {
namespace {

class RuleSetName : public ModuleTest {
 protected:
  RuleSetNameVerdict Check(const std::string& name, const char* edited) {
    return CheckRuleSetName(name.c_str(), edited, taken);
  }
  char taken[kSubKeyNameSize];
};

TEST_F(RuleSetName, ANameAnotherSetHasIsTakenInEitherCase) {
  StoreRuleSet("C", "*.c", "/c/", "", 1);
  StoreRuleSet("Pascal", "*.pas", "/p/", "", 1);
  for (const char* name : {"c", "C", "PASCAL", "pascal"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(RuleNameTaken, Check(name, nullptr));
    EXPECT_EQ(RuleNameTaken, Check(name, "Other"));
  }
  Check("pAsCaL", nullptr);
  EXPECT_STREQ("Pascal", taken);  // the message names the set as stored
  EXPECT_EQ(RuleNameUsable, Check("Cobol", nullptr));
}

TEST_F(RuleSetName, TheEditedSetKeepsItsNameAlsoInAnotherCase) {
  StoreRuleSet("Pascal", "*.pas", "/p/", "", 1);
  EXPECT_EQ(RuleNameUsable, Check("Pascal", "Pascal"));
  EXPECT_EQ(RuleNameUsable, Check("PASCAL", "Pascal"));
  StoreRuleSet("C", "*.c", "/c/", "", 1);
  EXPECT_EQ(RuleNameTaken, Check("c", "Pascal"));  // renaming onto another set
}

// "Тест", "ТЕСТ" and "тест" in code page 866, as the dialog hands them over.
const char kTest[] = "\x92\xA5\xE1\xE2";
const char kTEST[] = "\x92\x85\x91\x92";
const char kTestSmall[] = "\xE2\xA5\xE1\xE2";

TEST_F(RuleSetName, CyrillicNamesAreComparedInEitherCase) {
  StoreRuleSet(kTest, "*.t", "/t/", "", 1);
  for (const char* name : {kTEST, kTestSmall}) {
    EXPECT_EQ(RuleNameTaken, Check(name, nullptr));
    EXPECT_STREQ(kTest, taken);
    EXPECT_EQ(RuleNameUsable, Check(name, kTest));  // the set's own new spelling
  }
  EXPECT_TRUE(SameRuleSetName(kTEST, kTestSmall));
  EXPECT_FALSE(SameRuleSetName(kTest, "\x92\xA5\xE1"));
  // Box drawing and letters that share a byte in the other code page stay apart.
  EXPECT_FALSE(SameRuleSetName("\xC0", "\xE0"));
}

TEST_F(RuleSetName, SetsStoredDifferingInCaseStayButBlockEachOther) {
  StoreRuleSet(kTest, "*.t", "/t/", "", 1);
  StoreRuleSet(kTEST, "*.u", "/u/", "", 2);
  EXPECT_EQ(RuleNameUsable, Check(kTest, kTest));
  EXPECT_EQ(RuleNameTaken, Check(kTestSmall, kTest));
  EXPECT_STREQ(kTEST, taken);
  char stored[kSubKeyNameSize];
  ASSERT_TRUE(FindStoredRuleSetName(kTEST, stored));
  EXPECT_STREQ(kTEST, stored);  // the exact name first
  ASSERT_TRUE(FindStoredRuleSetName(kTestSmall, stored));
  EXPECT_FALSE(FindStoredRuleSetName("other", stored));
  EXPECT_STREQ("", stored);
}

TEST_F(RuleSetName, EmptyNestedAndOverlongNamesAreRefused) {
  EXPECT_EQ(RuleNameEmpty, Check("", nullptr));
  EXPECT_EQ(RuleNameHasBackslash, Check("a\\b", nullptr));
  EXPECT_EQ(RuleNameHasBackslash, Check("\\", "x"));
  EXPECT_EQ(RuleNameUsable, Check(std::string(255, 'n'), nullptr));
  EXPECT_EQ(RuleNameTooLong, Check(std::string(256, 'n'), nullptr));
  // A set stored with a longer name (only the stand-in allows one) can still
  // be saved under its own name.
  std::string stored(300, 'n');
  EXPECT_EQ(RuleNameUsable, Check(stored, stored.c_str()));
}

std::string Fit(const std::string& name, size_t width, bool doubleAmpersands, size_t size = 512) {
  char dest[512];
  FitRuleSetName(dest, size, name.c_str(), width, doubleAmpersands);
  return dest;
}

TEST(FitRuleSetName, CutsToTheWidthAndDoublesAmpersands) {
  struct Case {
    const char* name;
    size_t width;
    bool doubled;
    const char* shown;
  } cases[] = {
      {"Pascal", 25, true, "Pascal"},
      {"R&D", 25, true, "R&&D"},
      {"Tom & Jerry", 25, true, "Tom && Jerry"},
      {"Tom & Jerry", 25, false, "Tom & Jerry"},
      {"abcdefghij", 10, true, "abcdefghij"},
      {"abcdefghijk", 10, true, "abcdefg..."},
      {"&&&&&&&&&&&", 10, true, "&&&&&&&&&&&&&&..."},  // a doubled '&' takes one column
      {"abcdef", 2, false, "ab"},
      {"", 25, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.shown, Fit(c.name, c.width, c.doubled));
  }
}

TEST(FitRuleSetName, NeverWritesPastItsBuffer) {
  // A doubled '&' is never split: a lone one would mark a hotkey.
  EXPECT_EQ("&&", Fit("&&&&", 10, true, 4));
  EXPECT_EQ(std::string(25, 'x'), Fit(std::string(25, 'x'), 130, false, 26));
  std::string name(130, 'n');
  EXPECT_EQ(std::string(22, 'n') + "...", Fit(name, 25, true));
}

}  // namespace
}  // namespace settings_test
