// The dialog keyboard model, layout and copy-back, driven through the
// Dialog service as a module calls it.
#include "host_fixture.h"

namespace host_test {
namespace {

enum { Frame, Label, Field, Check, RadioA, RadioB, RadioC, Fixed, Ok, Cancel, Count };

class Dialog : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    InitItems();
  }
  void InitItems() {
    items[Frame] = Item(DI_DOUBLEBOX, 3, 1, 56, 10, "Title");
    items[Label] = Item(DI_TEXT, 5, 2, 0, 0, "&Find:");
    items[Field] = Item(DI_EDIT, 5, 3, 54, 0, "");
    items[Check] = Item(DI_CHECKBOX, 5, 4, 0, 0, "&Case");
    items[RadioA] = Item(DI_RADIOBUTTON, 5, 5, 0, 0, "&All", DIF_GROUP, 1);
    items[RadioB] = Item(DI_RADIOBUTTON, 5, 6, 0, 0, "A&bove");
    items[RadioC] = Item(DI_RADIOBUTTON, 5, 7, 0, 0, "Belo&w");
    items[Fixed] = Item(DI_FIXEDIT, 30, 5, 31, 0, "1");
    items[Ok] = Item(DI_BUTTON, 0, 9, 0, 0, "OK", DIF_CENTERGROUP);
    items[Cancel] = Item(DI_BUTTON, 0, 9, 0, 0, "Cancel", DIF_CENTERGROUP);
    items[Field].Focus = 1;
    items[Ok].DefaultButton = 1;
  }
  int Run(const std::string& keys, FarDialogItem* list = nullptr) {
    Keys(keys);
    return info().Dialog(0, -1, -1, 60, 12, "help", list ? list : items, Count);
  }
  std::string Text(int i) const { return items[i].Data; }
  FarDialogItem items[Count];
};

TEST_F(Dialog, TabVisitsFocusableItemsInOrderAndWraps) {
  // Field, Check, RadioA, RadioB, RadioC, Fixed, Ok, Cancel, then Field again.
  struct Case {
    const char* keys;
    int focus;
  } cases[] = {
      {"", Field},
      {"Tab", Check},
      {"Tab Tab", RadioA},
      {"Down Down Down", RadioB},
      {"Tab Tab Tab Tab Tab Tab Tab Tab", Field},
      {"ShiftTab", Cancel},
      {"Up", Cancel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    SetUp();
    Run(std::string(c.keys) + " Esc");
    for (int i = 0; i < Count; ++i) EXPECT_EQ(i == c.focus ? 1 : 0, items[i].Focus) << i;
  }
}

TEST_F(Dialog, SpaceSelectsOneRadioButtonOfItsGroup) {
  EXPECT_EQ(Ok, Run("Tab Tab Tab Space Enter"));  // focus on RadioB
  EXPECT_EQ(0, items[RadioA].Selected);
  EXPECT_EQ(1, items[RadioB].Selected);
  EXPECT_EQ(0, items[RadioC].Selected);
}

TEST_F(Dialog, RadioGroupsEndAtTheNextGroupFlag) {
  items[RadioC].Flags = DIF_GROUP;  // a group of its own
  items[RadioC].Selected = 1;
  Run("Tab Tab Tab Space Enter");
  EXPECT_EQ(0, items[RadioA].Selected);
  EXPECT_EQ(1, items[RadioB].Selected);
  EXPECT_EQ(1, items[RadioC].Selected);
}

TEST_F(Dialog, SpaceTogglesACheckBoxAndHotkeysActOnTheirItem) {
  EXPECT_EQ(Ok, Run("Tab Space Enter"));
  EXPECT_EQ(1, items[Check].Selected);
  SetUp();
  EXPECT_EQ(Ok, Run("AltC AltW Enter"));  // Alt+letter toggles and selects
  EXPECT_EQ(1, items[Check].Selected);
  EXPECT_EQ(1, items[RadioC].Selected);
  EXPECT_EQ(0, items[RadioA].Selected);
  EXPECT_EQ(1, items[RadioC].Focus);
}

TEST_F(Dialog, ALabelHotkeyMovesTheFocusToTheNextItem) {
  Run("Tab AltF \"x\" Enter");
  EXPECT_EQ("x", Text(Field));
  EXPECT_EQ(1, items[Field].Focus);
}

TEST_F(Dialog, EnterPressesTheFocusedButtonOrElseTheDefault) {
  EXPECT_EQ(Ok, Run("Enter"));  // from the edit field
  SetUp();
  EXPECT_EQ(Cancel, Run("ShiftTab Enter"));
  SetUp();
  EXPECT_EQ(Cancel, Run("ShiftTab Space"));
  SetUp();
  items[Ok].DefaultButton = 0;
  EXPECT_EQ(Check, Run("Tab Enter"));  // no default: the focused item closes it
}

TEST_F(Dialog, EscReturnsMinusOneButEveryRecordIsCopiedBack) {
  EXPECT_EQ(-1, Run("\"abc\" Tab Space Esc"));
  EXPECT_EQ("abc", Text(Field));
  EXPECT_EQ(1, items[Check].Selected);
  EXPECT_EQ("[ OK ]", Text(Ok));  // button texts come back with their brackets
}

TEST_F(Dialog, CenterGroupButtonsAreCentredTogether) {
  Run("Esc");
  // "[ OK ]" (6) + 2 + "[ Cancel ]" (10) = 18 columns in a 60-column dialog.
  EXPECT_EQ(21, items[Ok].X1);
  EXPECT_EQ(26, items[Ok].X2);
  EXPECT_EQ(29, items[Cancel].X1);
  EXPECT_EQ(38, items[Cancel].X2);
}

TEST_F(Dialog, FixedEditHoldsNoMoreThanItsWidthAndStartsInOvertype) {
  struct Case {
    const char* keys;
    const char* text;
  } cases[] = {
      {"\"7\"", "7"},     // overtypes the "1"
      {"\"789\"", "78"},  // two columns, no more
      {"End \"5\"", "15"}, {"Del \"42\"", "42"},
      {"Ins \"2\"", "21"},  // insert mode pushes the old text right
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    SetUp();
    items[Field].Focus = 0;
    items[Fixed].Focus = 1;
    Run(std::string(c.keys) + " Enter");
    EXPECT_EQ(c.text, Text(Fixed));
  }
}

TEST_F(Dialog, EditFieldKeys) {
  struct Case {
    const char* initial;
    const char* keys;
    const char* text;
  } cases[] = {
      {"old", "\"new\"", "new"},  // the first character replaces the initial text
      {"old", "End \"er\"", "older"},
      {"old", "Home Del", "ld"},
      {"old", "BS", ""},  // BS on an unchanged field clears it
      {"old", "Left BS", "od"},
      {"old", "Home Right \"x\"", "oxld"},
      {"old", "Left Left CtrlY", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    SetUp();
    snprintf(items[Field].Data, sizeof items[Field].Data, "%s", c.initial);
    Run(std::string(c.keys) + " Enter");
    EXPECT_EQ(c.text, Text(Field));
  }
}

TEST_F(Dialog, AnEditFieldHoldsAtMost511Characters) {
  std::string long_text(600, 'a');
  Run("\"" + long_text + "\" Enter");
  EXPECT_EQ(511u, strlen(items[Field].Data));
}

TEST_F(Dialog, HistoryIsSavedOnAnyCloseButEscAndFillsAnEmptyField) {
  const char* name = "SearchText";
  auto run = [&](const std::string& keys, const char* initial) {
    InitItems();
    items[Field].Flags = DIF_HISTORY | DIF_USELASTHISTORY;
    items[Field].History = name;
    snprintf(items[Field].Data, sizeof items[Field].Data, "%s", initial);
    return Run(keys);
  };
  run("\"first\" Enter", "");
  run("", "");  // ends at once (Esc): the field was filled from the history
  EXPECT_EQ("first", Text(Field));
  run("\"second\" Esc", "");
  run("Enter", "");
  EXPECT_EQ("first", Text(Field));      // Esc saved nothing
  run("\"third\" ShiftTab Enter", "");  // Cancel saves too
  run("Enter", "");
  EXPECT_EQ("third", Text(Field));
  run("Enter", "given");  // a text of its own is kept
  EXPECT_EQ("given", Text(Field));
  run("BS Enter", "");  // an empty field switches the fill off
  run("Enter", "");
  EXPECT_EQ("", Text(Field));
  run("CtrlDown Down Enter Enter", "");  // the list: given, third, first
  EXPECT_EQ("third", Text(Field));
}

TEST_F(Dialog, ASeparatorJoinsTheFrameAndTheDialogIsDrawnCentred) {
  FarDialogItem list[4] = {
      Item(DI_DOUBLEBOX, 3, 1, 36, 5, "Box"),
      Item(DI_TEXT, 5, 2, 0, 0, "&Label"),
      Item(DI_TEXT, 0, 3, 0, 0, "", DIF_SEPARATOR | DIF_BOXCOLOR),
      Item(DI_CHECKBOX, 5, 4, 0, 0, "Che&ck", 0, 1),
  };
  Keys("Snap Esc");
  info().Dialog(0, -1, -1, 40, 7, nullptr, list, 4);
  ASSERT_EQ(1u, h().Snaps().size());
  std::string snap = h().Snaps()[0];
  // The dialog spans columns 20..59 and rows 9..15 of the 80x25 screen.
  auto repeat = [](const char* s, int n) {
    std::string out;
    for (int i = 0; i < n; ++i) out += s;
    return out;
  };
  // Frame columns 23..56: 32 inside, the title centred in them.
  EXPECT_NE(std::string::npos, snap.find("╔" + repeat("═", 13) + " Box " + repeat("═", 14) + "╗"));
  EXPECT_NE(std::string::npos, snap.find("║ Label"));
  EXPECT_NE(std::string::npos, snap.find("╟" + repeat("─", 32) + "╢"));
  EXPECT_NE(std::string::npos, snap.find("║ [x] Check"));
  EXPECT_FALSE(ScreenHas("Box"));  // put back what was under it
}

TEST_F(Dialog, WrongArgumentsAreRefusedAndTraced) {
  EXPECT_EQ(-1, info().Dialog(0, -1, -1, 60, 12, nullptr, nullptr, 3));
  EXPECT_NE(std::string::npos, LastTrace().find("\"error\""));
  EXPECT_EQ(-1, info().Dialog(0, -1, -1, -5, 12, nullptr, items, Count));
  EXPECT_NE(std::string::npos, LastTrace().find("negative"));
}

TEST_F(Dialog, AScriptEndingInsideTheDialogClosesItAsEsc) {
  EXPECT_EQ(-1, Run("Tab"));
  EXPECT_TRUE(h().ScriptEndedInModal());
  EXPECT_EQ(1, items[Check].Focus);
}

TEST_F(Dialog, TheTraceHoldsItemsBeforeAndAfter) {
  Run("\"abc\" Enter");
  const std::string& line = LastTrace();
  EXPECT_EQ(0u, line.find("{\"call\":\"Dialog\""));
  EXPECT_NE(std::string::npos, line.find("\"help\":\"help\""));
  EXPECT_NE(std::string::npos, line.find("\"type\":\"DI_FIXEDIT\""));
  EXPECT_NE(std::string::npos, line.find("\"final\":["));
  EXPECT_NE(std::string::npos, line.find("\"text\":\"abc\""));
  EXPECT_NE(std::string::npos, line.find("\"result\":8}"));
}

}  // namespace
}  // namespace host_test
