// The rule-set menu and the rule-set dialog, driven by keys through the host
// stand-in: Enter, Ins, F4 and Del, the cursor after each, and texts that
// round-trip whole.
#include <gtest/gtest.h>

#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/module_fixture.h"
#include "settings/rule_sets.h"
#include "support/fault_injection.h"
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
  // The text lines of each message box shown, title first.
  std::vector<std::vector<std::string>> Messages() {
    std::vector<std::vector<std::string>> shown;
    for (const std::string& line : Calls("Message")) shown.push_back(support::Call(line).Items());
    return shown;
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

TEST_F(RuleSetMenuTest, F1InTheDialogShowsTheMenusHelpTopic) {
  // The host shows help only for a dialog that names a topic.
  StoreNumbered(1);
  Keys("F4 F1 Esc Esc Esc");
  RuleSetMenu(&settings, nullptr);
  std::vector<std::string> dialogs = Calls("Dialog"), helps = Calls("Help");
  ASSERT_EQ(1u, dialogs.size());
  EXPECT_EQ(support::Call(Calls("Menu")[0]).Text("help"), support::Call(dialogs[0]).Text("help"));
  ASSERT_EQ(1u, helps.size());
  EXPECT_EQ("Extensions", support::Call(helps[0]).Text("topic"));
  EXPECT_NE(std::string::npos, helps[0].find("\"found\":true")) << helps[0];
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
                           "Ins Tab \"*.x\" Enter Esc", "Ins \"a\\\\b\" Enter Enter Esc Esc"}) {
    SCOPED_TRACE(keys);
    Keys(keys);
    RuleSetMenu(&settings, nullptr);
    EXPECT_EQ(std::vector<std::string>(), RuleSets());
  }
}

TEST_F(RuleSetMenuTest, ANameAnotherSetHasIsRefusedAndTheDialogComesBack) {
  StoreRuleSet("C", "*.c,*.h", "/c/", "/i/", 2);
  StoreRuleSet("Old", "*.o", "/o/", "", 4);
  // Ins "c": refused, naming "C"; the dialog comes back with "*.zz", and a
  // changed name is then saved.
  Keys("Ins \"c\" Tab \"*.zz\" Enter Enter End \"2\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ(1u, Messages().size());
  EXPECT_EQ((std::vector<std::string>{"Error", "Another rule set has this name:", "C", "OK"}),
            Messages()[0]);
  ASSERT_EQ((std::vector<std::string>{"C", "c2", "Old"}), RuleSets());
  EXPECT_EQ("*.c,*.h", Value("C", "Mask"));
  EXPECT_EQ("/c/", Value("C", "Match"));
  EXPECT_EQ("*.zz", Value("c2", "Mask"));
  // F4 renaming "Old" onto "C": refused, and Esc leaves both as they were.
  Keys("End F4 Home Del Del Del \"C\" Enter Enter Esc Esc");
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(2u, Messages().size());
  EXPECT_EQ((std::vector<std::string>{"C", "c2", "Old"}), RuleSets());
  EXPECT_EQ("*.c,*.h", Value("C", "Mask"));
  EXPECT_EQ(2, Number("C"));
}

TEST_F(RuleSetMenuTest, TheEditedSetSavedInAnotherCaseIsRenamedWithEveryValue) {
  StoreRuleSet("Pascal", "*.pas", "/p/", "", 7);
  std::string longMatch = "/" + std::string(700, 'a') + "/";
  StoreRuleSet("C", "*.c", longMatch, "/i/", 3);
  ASSERT_TRUE(SetRaw(Path("Extensions\\C"), "Note", REG_BINARY, "\1\2\0\3", 4));
  Keys("Down F4 Home Del \"p\" Tab End \",*.pp\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  Keys("F4 Enter Home Del \"c\" Enter Esc");  // after the warning about the long Match
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(1u, Messages().size());
  ASSERT_EQ((std::vector<std::string>{"c", "pascal"}), RuleSets());
  EXPECT_EQ("*.pas,*.pp", Value("pascal", "Mask"));
  EXPECT_EQ(7, Number("pascal"));
  EXPECT_EQ("*.c", Value("c", "Mask"));
  EXPECT_EQ(longMatch, Value("c", "Match"));  // kept whole, not as the field showed it
  EXPECT_EQ("/i/", Value("c", "Ignore"));
  EXPECT_EQ(3, Number("c"));
  DWORD type = 0;
  std::string note;
  ASSERT_TRUE(GetRaw(Path("Extensions\\c"), "Note", &type, &note));
  EXPECT_EQ(static_cast<DWORD>(REG_BINARY), type);
  EXPECT_EQ(std::string("\1\2\0\3", 4), note);
}

TEST_F(RuleSetMenuTest, ACyrillicNameIsRenamedToAnotherCase) {
  StoreRuleSet("\x92\xA5\xE1\xE2", "*.t", "/t/", "", 2);  // "Тест" in code page 866
  Keys("F4 Home Del Del Del Del \"ТЕСТ\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  EXPECT_TRUE(Messages().empty());
  ASSERT_EQ(std::vector<std::string>{"\x92\x85\x91\x92"}, RuleSets());
  EXPECT_EQ("*.t", Value("\x92\x85\x91\x92", "Mask"));
  // A third spelling of a name with sets in two is refused.
  StoreRuleSet("\xE2\xA5\xE1\xE2", "*.u", "/u/", "", 2);  // "тест", the first item
  Keys("End F4 Home Right Del Del Del \"ест\" Enter Enter Esc Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ(1u, Messages().size());
  EXPECT_EQ(2u, RuleSets().size());
}

TEST_F(RuleSetMenuTest, ARenameThatFailsLosesNothing) {
  if (!fault::Available()) GTEST_SKIP() << "needs the registry stand-in";
  // Each registry call fails once in turn: the set ends up as "c" without a
  // word, or the user is told where its values are; they are never lost.
  // Texts that fit their fields: a warning would shift the keys whenever a
  // failed read left it out.
  std::string longMatch = "/" + std::string(500, 'a') + "/";
  int told = 0;
  bool done = false;
  for (unsigned n = 1; !done && n < 200; ++n) {
    SCOPED_TRACE(n);
    DeleteTree(Path("Extensions"));
    RestartHost();
    StoreRuleSet("C", "*.c", longMatch, "/i/", 3);
    Keys("F4 Home Del \"c\" Enter Enter Enter Esc Esc");
    fault::FailRegistryCall(n);
    RuleSetMenu(&settings, nullptr);
    done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    // A read that failed shows a default, which OK then stores; only what
    // the dialog showed must arrive.
    std::vector<std::string> dialogs = Calls("Dialog");
    if (dialogs.empty()) continue;
    support::Call dialog(dialogs[0]);
    const support::TraceValue* items = dialog.Field("items");
    ASSERT_TRUE(items);
    if (items->list.at(2).Field("text")->text != "C") continue;  // the menu was not read
    bool matchShown = items->list.at(6).Field("text")->text == longMatch;
    int regNumShown = std::stoi(items->list.at(10).Field("text")->text);
    std::vector<std::string> sets = RuleSets();
    ASSERT_FALSE(sets.empty());
    for (const std::string& set : sets) {
      SCOPED_TRACE(set);
      if (matchShown) {
        EXPECT_EQ(longMatch, Value(set, "Match"));
      }
      EXPECT_EQ(regNumShown, Number(set));
    }
    std::vector<std::vector<std::string>> shown = Messages();
    if (shown.empty() || shown[0][1] != "The set was saved but not renamed. It is stored as:")
      continue;
    ++told;
    EXPECT_NE(sets.end(), std::find(sets.begin(), sets.end(), shown[0][2]));
  }
  EXPECT_TRUE(done);
  EXPECT_GT(told, 0);
}

TEST_F(RuleSetMenuTest, NestedAndOverlongNamesAreRefusedWithTheirReason) {
  std::string overlong(256, 'n');
  Keys("Ins \"a\\\\b\" Tab \"*.a\" Enter Enter Home Right Del Enter Esc");
  RuleSetMenu(&settings, nullptr);
  // After the refusal the name field is unchanged, so a letter typed replaces it.
  Keys("Ins \"" + overlong + "\" Tab \"*.n\" Enter Enter \"n\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  std::vector<std::vector<std::string>> shown = Messages();
  ASSERT_EQ(2u, shown.size());
  EXPECT_EQ("A set name cannot contain a backslash.", shown[0][1]);
  EXPECT_EQ("A set name holds at most 255 characters.", shown[1][1]);
  // After each refusal the typed texts were still there: the name, less the
  // character taken off, and the masks.
  ASSERT_EQ((std::vector<std::string>{"ab", "n"}), RuleSets());
  EXPECT_EQ("*.a", Value("ab", "Mask"));
  EXPECT_EQ("*.n", Value("n", "Mask"));
}

TEST_F(RuleSetMenuTest, AGroupNumberPast32BitsIsRefusedAndNothingStored) {
  StoreRuleSet("Old", "*.o", "/o/", "", 4);
  // A new set, then F4 on an existing one: each refused, then Esc twice.
  Keys("Ins \"New\" Tab Tab Tab Tab End BS \"4294967297\" Enter Enter Esc Esc");
  RuleSetMenu(&settings, nullptr);
  Keys("F4 Tab Tab Tab Tab End BS \"99999999999\" Enter Enter Esc Esc");
  RuleSetMenu(&settings, nullptr);
  std::vector<std::vector<std::string>> shown = Messages();
  ASSERT_EQ(2u, shown.size());
  for (const std::vector<std::string>& message : shown)
    EXPECT_EQ((std::vector<std::string>{
                  "Error", "The group number must lie between -2147483648 and 2147483647.", "OK"}),
              message);
  EXPECT_EQ(std::vector<std::string>{"Old"}, RuleSets());
  EXPECT_EQ(4, Number("Old"));
  // The dialog comes back with the number, so taking two digits off saves it.
  Keys("F4 Tab Tab Tab Tab End BS \"99999999999\" Enter Enter Tab Tab Tab Tab End BS BS Enter Esc");
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(999999999, Number("Old"));
}

TEST_F(RuleSetMenuTest, ASetTheRegistryRefusesIsReportedAndTheTextsKept) {
  if (!fault::Available()) GTEST_SKIP() << "needs the registry stand-in";
  // Each registry call fails once in turn. Where a write failed, the message
  // names the set, the dialog comes back with its texts, and no half of the
  // new set is left to block its name: a second OK saves it.
  int reported = 0;
  for (unsigned n = 1; n < 12; ++n) {
    SCOPED_TRACE(n);
    DeleteTree(Path("Extensions"));
    RestartHost();
    Keys("Ins \"New\" Tab \"*.n\" Enter Enter Enter Esc");
    fault::FailRegistryCall(n);
    RuleSetMenu(&settings, nullptr);
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    std::vector<std::vector<std::string>> shown = Messages();
    if (shown.empty()) continue;
    ++reported;
    EXPECT_EQ((std::vector<std::string>{"Error", "This rule set could not be saved:", "New", "OK"}),
              shown[0]);
    // The dialog came back with the texts: the second showing holds them.
    std::vector<std::string> dialogs = Calls("Dialog");
    ASSERT_EQ(2u, dialogs.size());
    EXPECT_NE(std::string::npos, dialogs[1].find("*.n"));
    EXPECT_EQ(1u, shown.size());
    EXPECT_EQ("*.n", Value("New", "Mask"));
  }
  EXPECT_GT(reported, 0);
}

TEST_F(RuleSetMenuTest, AFailedSaveNeverRemovesASetThatWasThere) {
  if (!fault::Available()) GTEST_SKIP() << "needs the registry stand-in";
  // Runs of failing calls: when the check of the name cannot open the
  // stored "X" it takes the name for free, and the save that then fails
  // must not take "X" away as if it were its own half-written key.
  for (unsigned count = 1; count <= 3; ++count) {
    for (unsigned n = 1; n < 16; ++n) {
      SCOPED_TRACE(std::to_string(n) + "+" + std::to_string(count));
      DeleteTree(Path("Extensions"));
      RestartHost();
      StoreRuleSet("X", "*.x", "/x/", "", 2);
      Keys("Ins \"X\" Tab \"*.new\" Enter Enter Esc Esc");
      fault::FailRegistryCalls(n, count);
      RuleSetMenu(&settings, nullptr);
      fault::FailRegistryCall(0);
      EXPECT_EQ(0, fault::OpenKeyHandles());
      ASSERT_EQ(std::vector<std::string>{"X"}, RuleSets());
      std::string mask = Value("X", "Mask");
      EXPECT_TRUE(mask == "*.x" || mask == "*.new") << mask;
    }
  }
}

TEST_F(RuleSetMenuTest, DelTakesTheSetWithEverythingBelowIt) {
  StoreRuleSet("A", "*.a", "/a/", "", 1);
  StoreRuleSet("Deep", "*.d", "/d/", "", 1);
  StoreRuleSet("Deep\\x", "*.x", "", "", 1);
  StoreRuleSet("Deep\\x\\y\\z", "*.z", "", "", 1);
  StoreRuleSet("Deep\\w", "*.w", "", "", 1);
  Keys("Down Del Esc");
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(std::vector<std::string>{"A"}, RuleSets());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RuleSetMenuTest, ASetThatCannotBeDeletedIsReported) {
  if (!fault::Available()) GTEST_SKIP() << "needs the registry stand-in";
  StoreRuleSet("A", "*.a", "/a/", "", 1);
  StoreRuleSet("A\\sub", "*.s", "", "", 1);
  // Each registry call of the walk fails once in turn: the set is then
  // either gone, still there and reported, or the menu itself could not be
  // read; it never stays without a word.
  int reported = 0;
  for (unsigned n = 1; n < 40; ++n) {
    SCOPED_TRACE(n);
    RestartHost();
    StoreRuleSet("A\\sub", "*.s", "", "", 1);
    Keys("Del Esc");
    fault::FailRegistryCall(n);
    RuleSetMenu(&settings, nullptr);
    bool done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    bool gone = RuleSets().empty();
    std::vector<std::vector<std::string>> shown = Messages();
    if (gone) {
      EXPECT_TRUE(shown.empty());
    } else if (!shown.empty()) {
      ++reported;
      EXPECT_EQ(
          (std::vector<std::string>{"Error", "This rule set could not be deleted:", "A", "OK"}),
          shown[0]);
    }
    if (done) break;
    StoreRuleSet("A", "*.a", "/a/", "", 1);
  }
  EXPECT_GT(reported, 0);
}

TEST_F(RuleSetMenuTest, NamesWithAmpersandsAreShownAsStored) {
  StoreRuleSet("R&D", "*.r", "/r/", "", 1);
  Keys("Esc");
  RuleSetMenu(&settings, nullptr);
  std::vector<std::string> menus = Calls("Menu");
  ASSERT_EQ(1u, menus.size());
  EXPECT_NE(0ul,
            std::stoul(support::Call(menus[0]).Text("flags"), nullptr, 16) & FMENU_SHOWAMPERSAND);
  EXPECT_EQ(std::vector<std::string>{"R&D"}, LastMenuItems());
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
    Keys("F4 Enter Enter Esc");  // the warning about the long texts, then OK
    RuleSetMenu(&settings, nullptr);
    EXPECT_EQ(regNum, Number("Set"));
    EXPECT_EQ(longMask, Value("Set", "Mask"));
    EXPECT_EQ(longMatch, Value("Set", "Match"));
    EXPECT_EQ("/i/", Value("Set", "Ignore"));
  }
}

TEST_F(RuleSetMenuTest, TextsTooLongToBeUsedAreNamedWhenTheDialogOpens) {
  StoreRuleSet("Long", std::string(512, 'm'), "/m/", std::string(600, 'i'), 1);
  StoreRuleSet("Most", std::string(511, 'm'), "/m/", "", 1);
  Keys("F4 Enter Esc Down F4 Esc Esc");
  RuleSetMenu(&settings, nullptr);
  std::vector<std::vector<std::string>> shown = Messages();
  ASSERT_EQ(1u, shown.size());  // a text of 511 characters is used: no word
  EXPECT_EQ((std::vector<std::string>{"Function rules",
                                      "These texts hold more than 511 characters and are not used:",
                                      "File masks", "Ignore pattern",
                                      "They are shown cut; once changed, what the field shows is "
                                      "saved.",
                                      "OK"}),
            shown[0]);
  EXPECT_EQ(2u, Calls("Dialog").size());
  // What the warning says: that set applies to no file.
  char name[kRuleTextSize];
  EXPECT_FALSE(ChooseRuleForFile(&settings, "mmm", name));
}

TEST_F(RuleSetMenuTest, ACutTextIsWrittenWhenChangedAndCopiedWholeToANewName) {
  std::string longMask = std::string(600, 'm');
  StoreRuleSet("Set", longMask, std::string(520, 'x'), "", 1);
  // The field shows the first 511 characters; one taken off is a change.
  Keys("F4 Enter Tab Tab End BS Enter Esc");
  RuleSetMenu(&settings, nullptr);
  EXPECT_EQ(longMask, Value("Set", "Mask"));
  EXPECT_EQ(std::string(510, 'x'), Value("Set", "Match"));
  Keys("F4 Enter End \"2\" Enter Esc");
  RuleSetMenu(&settings, nullptr);
  ASSERT_EQ((std::vector<std::string>{"Set", "Set2"}), RuleSets());
  EXPECT_EQ(longMask, Value("Set2", "Mask"));
}

}  // namespace
}  // namespace settings_test
