// RunDialog, ExpandTemplate and CopyBackTemplate against the host stand-in.
// A spy between the module and the host's Dialog keeps the records the host
// was handed and the size it was asked for.
#include "shell/dialog_template.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "settings/module_fixture.h"
#include "shell/host_info.h"
#include "shell/messages.h"

namespace settings_test {
namespace {

struct DialogSpy {
  FARAPIDIALOG host = nullptr;
  int width = 0, height = 0;
  std::string help;
  std::vector<FarDialogItem> shown;
};
DialogSpy spy;

int WINAPI SpyDialog(INT_PTR module, int x1, int y1, int x2, int y2, const char* helpTopic,
                     FarDialogItem* items, int count) {
  EXPECT_EQ(-1, x1);
  EXPECT_EQ(-1, y1);
  spy.width = x2;
  spy.height = y2;
  spy.help = helpTopic ? helpTopic : "(none)";
  spy.shown.assign(items, items + count);
  return spy.host(module, x1, y1, x2, y2, helpTopic, items, count);
}

enum TestItem { Frame, Text, Edit, Separator, Check, Radio1, Radio2, Other, Ok, Cancel, Count };

class DialogTemplate : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    spy = DialogSpy();
    spy.host = HostInfo.Dialog;
    HostInfo.Dialog = SpyDialog;
    const DialogTemplateItem items[Count] = {
        {DI_DOUBLEBOX, 3, 1, 72, 9, 0, 0, MsgRules},
        {DI_TEXT, 5, 2, 29, 0, 0, 0, 0},
        {DI_EDIT, 5, 3, 70, 0, TemplateText("TestHistory"), DIF_HISTORY, TemplateBuffer(text)},
        {DI_TEXT, 5, 4, 0, 255, 0, DIF_CENTERGROUP, TemplateBuffer(separatorText)},
        {DI_CHECKBOX, 5, 5, 0, 0, 0, 0, MsgCase},
        {DI_RADIOBUTTON, 5, 6, 0, 0, 1, DIF_GROUP, MsgGlobal},
        {DI_RADIOBUTTON, 5, 7, 0, 0, 0, 0, MsgBefore},
        {DI_BUTTON, 40, 8, 0, 0, 0, 0, TemplateBuffer(buttonText)},
        {DI_BUTTON, 0, 8, 0, 0, 0, DIF_CENTERGROUP, MsgOk},
        {DI_BUTTON, 0, 8, 0, 0, 0, DIF_CENTERGROUP, MsgCancel},
    };
    memcpy(dialog, items, sizeof dialog);
    memcpy(before, items, sizeof before);
  }

  int Run() { return RunDialog(dialog, Count, Edit, Ok, "Topic"); }
  bool Unchanged() const { return memcmp(dialog, before, sizeof dialog) == 0; }

  char text[kDialogTextSize] = "start";
  char separatorText[kDialogTextSize] = "untouched";
  char buttonText[kDialogTextSize] = "Other";
  DialogTemplateItem dialog[Count];
  DialogTemplateItem before[Count];
};

TEST_F(DialogTemplate, ExpansionFollowsTheTemplate) {
  Keys("Esc");
  Run();
  ASSERT_EQ(static_cast<size_t>(Count), spy.shown.size());
  EXPECT_EQ(76, spy.width);
  EXPECT_EQ(11, spy.height);
  EXPECT_EQ("Topic", spy.help);
  const FarDialogItem& frame = spy.shown[Frame];
  EXPECT_EQ(DI_DOUBLEBOX, frame.Type);
  EXPECT_EQ(72, frame.X2);
  EXPECT_STREQ(GetMsg(MsgRules), frame.Data);
  EXPECT_STREQ(GetMsg(MsgPluginMenu), spy.shown[Text].Data);  // Data 0 is message 0
  EXPECT_STREQ("start", spy.shown[Edit].Data);
  EXPECT_STREQ("TestHistory", spy.shown[Edit].History);
  EXPECT_EQ(static_cast<DWORD>(DIF_HISTORY), spy.shown[Edit].Flags);
  const FarDialogItem& separator = spy.shown[Separator];
  EXPECT_EQ(0, separator.Y2);
  EXPECT_EQ(static_cast<DWORD>(DIF_SEPARATOR | DIF_BOXCOLOR), separator.Flags);
  EXPECT_STREQ("", separator.Data);
  EXPECT_EQ(1, spy.shown[Radio1].Selected);
  EXPECT_STREQ("Other", spy.shown[Other].Data);
  for (int i = 0; i < Count; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(i == Edit ? 1 : 0, spy.shown[i].Focus);
    EXPECT_EQ(i == Ok ? 1 : 0, spy.shown[i].DefaultButton);
  }
}

TEST_F(DialogTemplate, EscLeavesTemplateAndBuffersUntouched) {
  Keys("End \"more\" Tab Space Esc");
  EXPECT_EQ(-1, Run());
  EXPECT_TRUE(Unchanged());
  EXPECT_STREQ("start", text);
}

TEST_F(DialogTemplate, AnotherButtonReturnsItsIndexAndCopiesNothing) {
  Keys("End \"more\" Tab Space Tab Tab Tab Enter");
  EXPECT_EQ(Other, Run());
  EXPECT_TRUE(Unchanged());
  EXPECT_STREQ("start", text);
  EXPECT_STREQ("Other", buttonText);
}

TEST_F(DialogTemplate, TheDefaultButtonCopiesStatesAndCallerTextsBack) {
  Keys("End \"more\" Tab Space Tab Tab Space Enter");
  EXPECT_EQ(Ok, Run());
  EXPECT_STREQ("startmore", text);
  EXPECT_EQ(1u, dialog[Check].Selected);
  EXPECT_EQ(0u, dialog[Radio1].Selected);
  EXPECT_EQ(1u, dialog[Radio2].Selected);
  EXPECT_EQ(TemplateText("TestHistory"), dialog[Edit].Selected);
  EXPECT_STREQ("untouched", separatorText);  // a separator never gets text back
  EXPECT_EQ(static_cast<DWORD_PTR>(MsgCase), dialog[Check].Data);
}

TEST_F(DialogTemplate, CopyBackWritesAtMost511CharactersAndATerminator) {
  FarDialogItem record = {};
  memset(record.Data, 'x', sizeof record.Data);  // no terminator at all
  char buffer[kDialogTextSize + 1];
  buffer[kDialogTextSize] = '#';
  DialogTemplateItem item = {DI_EDIT, 0, 0, 0, 0, 0, 0, TemplateBuffer(buffer)};
  CopyBackTemplate(&item, record);
  EXPECT_EQ(std::string(511, 'x'), buffer);
  EXPECT_EQ('#', buffer[kDialogTextSize]);
}

TEST_F(DialogTemplate, ExpansionCutsTextsToTheRecord) {
  std::string longText(700, 'y');
  DialogTemplateItem item = {DI_TEXT, 0, 0, 0, 0, 0, 0, TemplateText(longText.c_str())};
  FarDialogItem record;
  ExpandTemplate(item, &record);
  EXPECT_EQ(std::string(511, 'y'), record.Data);
}

}  // namespace
}  // namespace settings_test

TEST(DialogTemplateLayout, ItemIsSeventeenPackedBytesOnThe32BitTarget) {
  if (sizeof(void*) != 4) GTEST_SKIP() << "pointer-wide fields make the item larger here";
  EXPECT_EQ(sizeof(DialogTemplateItem), 17u);
  EXPECT_EQ(offsetof(DialogTemplateItem, Selected), 5u);
  EXPECT_EQ(offsetof(DialogTemplateItem, Flags), 9u);
  EXPECT_EQ(offsetof(DialogTemplateItem, Data), 13u);
}
