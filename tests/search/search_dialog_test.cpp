// The search dialog and the word pick-up, through OpenPlugin and the host
// stand-in: the proposed text, the cursor and view put back, the rule-set
// button's round trip, and what OK, Cancel and an empty text leave behind.
#include "search/search_dialog.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "settings/module_fixture.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "support/trace_call.h"

namespace settings_test {
namespace {

enum { ItemText = 2, ItemCase = 4, ItemRegExp = 5, ItemGlobal = 7, ItemRules = 12 };

class SearchDialog : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    std::vector<std::string> lines(100, "filler line");
    lines[50] = "    alpha beta gamma";
    lines[60] = "";
    Editor().SetText(lines);
    Editor().SetFileName("/home/user/src/x.c");
  }
  // Field `key` of item `index` as shown when dialog `dialog` opened.
  const support::TraceValue* Shown(size_t dialog, int index, const char* key) {
    std::vector<std::string> dialogs = Calls("Dialog");
    if (dialog >= dialogs.size()) return nullptr;
    calls.emplace_back(dialogs[dialog]);
    const support::TraceValue* items = calls.back().Field("items");
    if (!items || index >= static_cast<int>(items->list.size())) return nullptr;
    return items->list[index].Field(key);
  }
  std::string ShownText(size_t dialog, int index) {
    const support::TraceValue* v = Shown(dialog, index, "text");
    return v ? v->text : "(none)";
  }
  long long ShownSelected(size_t dialog, int index) {
    const support::TraceValue* v = Shown(dialog, index, "selected");
    return v ? v->number : -1;
  }
  void ExpectCursor(int line, int pos, int top, int left) {
    EXPECT_EQ(line, Editor().CurLine());
    EXPECT_EQ(pos, Editor().CurPos());
    EXPECT_EQ(top, Editor().TopScreenLine());
    EXPECT_EQ(left, Editor().LeftPos());
  }
  std::vector<support::Call> calls;
};

TEST_F(SearchDialog, PicksTheWordUnderTheCursorAndPutsCursorAndViewBack) {
  Editor().SetCursor(50, 11, 45, 3);
  Keys("Esc");
  EXPECT_EQ(INVALID_HANDLE_VALUE, OpenPlugin(OPEN_EDITOR, 0));
  EXPECT_EQ("beta", ShownText(0, ItemText));
  ExpectCursor(50, 11, 45, 3);
  support::Call dialog(Calls("Dialog").at(0));
  EXPECT_EQ(76, dialog.Int("x2"));
  EXPECT_EQ(14, dialog.Int("y2"));
  EXPECT_EQ("interface", dialog.Text("help"));
  EXPECT_EQ("SearchText", Shown(0, ItemText, "history")->text);
  EXPECT_EQ(GetMsg(MsgRules), ShownText(0, ItemRules));  // no rule set applies
  EXPECT_STREQ("", LastSearchText);
}

TEST_F(SearchDialog, NoWordAtTheCursorLeavesTheFieldEmpty) {
  strcpy(LastSearchText, "previous");
  Editor().SetCursor(60, 0, 55, 0);
  Keys("Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ("", ShownText(0, ItemText));
  ExpectCursor(60, 0, 55, 0);
}

TEST_F(SearchDialog, WithPickWordOffTheLastTextIsProposed) {
  settings.options.PickWord = 0;
  strcpy(LastSearchText, "previous");
  Editor().SetCursor(50, 11, 45, 0);
  Keys("Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ("previous", ShownText(0, ItemText));
  // No key went to the editor.
  for (const std::string& call : Calls("EditorControl"))
    EXPECT_EQ(std::string::npos, call.find("ECTL_PROCESSINPUT"));
  ExpectCursor(50, 11, 45, 0);
}

TEST_F(SearchDialog, AWordLongerThanTheBufferIsCut) {
  Editor().SetText({std::string(600, 'w')});
  Editor().SetCursor(0, 5, 0, 0);
  Keys("Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(std::string(511, 'w'), ShownText(0, ItemText));
  EXPECT_EQ(0, Editor().CurLine());
  EXPECT_EQ(5, Editor().CurPos());
}

TEST_F(SearchDialog, TheRuleSetButtonComesBackWithTheOldStatesAndTheNewName) {
  StoreRuleSet("A", "*.a", "/a/", "/ia/", 3);
  StoreRuleSet("C", "*.c", "/c/", "", 1);
  Editor().SetCursor(50, 11, 45, 0);
  // Type, toggle Case, then the rule-set button; in the menu (on "C") go up
  // to "A"; cancel the dialog shown again.
  Keys("End \"zz\" Tab Space Tab Tab Tab Tab Tab Tab Tab Enter Up Enter Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  ASSERT_EQ(2u, Calls("Dialog").size());
  EXPECT_EQ("C", ShownText(0, ItemRules));
  EXPECT_EQ("A", ShownText(1, ItemRules));
  EXPECT_EQ("beta", ShownText(1, ItemText));
  EXPECT_EQ(0, ShownSelected(1, ItemCase));
  EXPECT_EQ(1, ShownSelected(1, ItemGlobal));
  // Cancel keeps the chosen set active and writes nothing back.
  EXPECT_EQ(3, settings.rule.RegNum);
  EXPECT_STREQ("/a/", settings.rule.Match);
  EXPECT_EQ(0, settings.options.Case);
  EXPECT_STREQ("", LastSearchText);
}

// From the search dialog to the rule-set menu, with the cursor on the set in use.
const char kToRuleMenu[] = "Tab Tab Tab Tab Tab Tab Tab Tab Enter ";

TEST_F(SearchDialog, TheSetInUseIsReadAgainAfterF4AndEsc) {
  StoreRuleSet("T", "*.c", "/^(\\w+) (\\w+)/", "", 1);
  // F4 on T: the group number becomes 2; Esc leaves the menu, Esc the dialog.
  Keys(std::string(kToRuleMenu) + "F4 Tab Tab Tab Tab End BS \"2\" Enter Esc Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(2, settings.rule.RegNum);
  EXPECT_EQ("T", ShownText(2, ItemRules));  // dialog 1 is the set's own
}

TEST_F(SearchDialog, TheSetInUseRenamedInCaseIsShownAsStored) {
  StoreRuleSet("T", "*.c", "/t/", "", 4);
  Keys(std::string(kToRuleMenu) + "F4 Del \"t\" Enter Esc Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ("t", ShownText(2, ItemRules));
  EXPECT_EQ(4, settings.rule.RegNum);
}

TEST_F(SearchDialog, ADeletedSetInUseGivesWayToTheSetChosenByFileName) {
  StoreRuleSet("T", "*.c", "/t/", "", 1);
  StoreRuleSet("U", "*.x,*.c", "/u/", "/iu/", 3);
  Keys(std::string(kToRuleMenu) + "Del Esc Tab Tab Tab Tab Tab Tab Tab Tab Enter Del Esc Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  ASSERT_EQ(3u, Calls("Dialog").size());
  EXPECT_EQ("U", ShownText(1, ItemRules));
  EXPECT_EQ(GetMsg(MsgRules), ShownText(2, ItemRules));  // no set is left for x.c
  EXPECT_EQ(0, settings.rule.RegNum);
  EXPECT_STREQ("", settings.rule.Match);
}

TEST_F(SearchDialog, WithoutASetInUseEscInTheMenuChangesNothing) {
  StoreRuleSet("P", "*.pas", "/p/", "", 5);
  // Ins adds a set that fits x.c; the set in use is still none, as chosen.
  Keys(std::string(kToRuleMenu) + "Ins \"C\" Tab \"*.c\" Tab \"/c/\" Enter Esc Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(GetMsg(MsgRules), ShownText(2, ItemRules));
  EXPECT_EQ(0, settings.rule.RegNum);
}

TEST_F(SearchDialog, OkWithAnEmptyTextWritesTheSwitchesButScansNothing) {
  Editor().SetCursor(60, 0, 55, 0);
  Keys("Tab Space Tab Space Enter");  // Case and RegExp on, then OK
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(1, settings.options.Case);
  EXPECT_EQ(1, settings.options.RegExp);
  EXPECT_TRUE(Calls("Menu").empty());
  EXPECT_TRUE(Calls("Message").empty());
  EXPECT_STREQ("", LastSearchText);
  EXPECT_FALSE(KeyExists(moduleKey));  // never saved by the search command
}

TEST_F(SearchDialog, OkWithATextScansAndTheSwitchesHoldForTheNextCommand) {
  Editor().SetCursor(50, 11, 45, 0);
  Keys("Tab Tab Space Enter Esc");  // RegExp on, OK, leave the results menu
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_STREQ("beta", LastSearchText);
  EXPECT_EQ(1, settings.options.RegExp);
  EXPECT_EQ(1u, Calls("Menu").size());
  ExpectCursor(50, 11, 45, 0);
  Host().ClearTrace();
  Keys("Esc");
  OpenPlugin(OPEN_EDITOR, 0);
  EXPECT_EQ(1, ShownSelected(0, ItemRegExp));
  EXPECT_FALSE(KeyExists(moduleKey));
}

}  // namespace
}  // namespace settings_test
