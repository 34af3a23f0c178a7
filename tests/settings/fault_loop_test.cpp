// Fault loops: the Nth registry call or allocation fails, N = 1, 2, ... until
// the operation runs through. Every run must leave each stored value whole
// (old or new, never half-written), no key handle open and no block leaked.
// Natively only: the real Windows API cannot be made to fail on demand.
#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

#include "settings/config_dialog.h"
#include "settings/module_fixture.h"
#include "settings/rule_sets.h"
#include "shell/dialog_template.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "support/fault_injection.h"

namespace settings_test {
namespace {

const unsigned kLoopLimit = 400;  // far more calls than any operation here makes

class FaultLoop : public ModuleTest {
 protected:
  void SetUp() override {
    if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
    ModuleTest::SetUp();
  }
  void TearDown() override {
    fault::FailRegistryCall(0);
    fault::FailAllocation(0);
    ModuleTest::TearDown();
  }
  void StoreAllOptions(DWORD value) {
    for (const char* name : kOptionNames)
      ASSERT_TRUE(SetRaw(moduleKey, name, REG_DWORD, &value, 4));
  }
  // Each stored option is `before` or `after`; returns how many are `after`.
  int CountWhole(DWORD before, DWORD after) {
    int changed = 0;
    for (const char* name : kOptionNames) {
      DWORD value = 77;
      EXPECT_TRUE(GetRawDword(moduleKey, name, &value)) << name;
      EXPECT_TRUE(value == before || value == after) << name << " " << value;
      if (value == after) ++changed;
    }
    return changed;
  }
};

TEST_F(FaultLoop, SavingOptionsWritesEachValueWholeOrNotAtAll) {
  unsigned n = 1;
  for (; n < kLoopLimit; ++n) {
    SCOPED_TRACE(n);
    StoreAllOptions(0);
    settings.options = Options{1, 1, 1, 1, 1, 1, 1, 1, 1};
    fault::FailRegistryCall(n);
    SaveOptions();
    bool done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    int changed = CountWhole(0, 1);
    if (done) {
      EXPECT_EQ(9, changed);
      break;
    }
    EXPECT_EQ(8, changed);  // exactly the value whose call failed is old
  }
  EXPECT_LT(n, kLoopLimit);
}

TEST_F(FaultLoop, LoadingOptionsFallsBackValueByValue) {
  StoreAllOptions(0);
  for (unsigned n = 1; n < kLoopLimit; ++n) {
    SCOPED_TRACE(n);
    settings.options = Options{9, 9, 9, 9, 9, 9, 9, 9, 9};
    fault::FailRegistryCall(n);
    LoadOptions();
    bool done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    // All stored values are 0; only the one whose read failed may show its
    // default, which is 1 for PickWord and ZeroWarn. Three scopes stored off
    // (or Global's default with the others off) load as the whole file.
    const Options& o = settings.options;
    EXPECT_EQ(0, o.Case + o.RegExp + o.Lines + o.Before + o.After + o.CFunc);
    EXPECT_GE(done ? 0 : 1, o.PickWord + o.ZeroWarn);
    EXPECT_EQ(1, o.Global);
    if (done) break;
  }
}

TEST_F(FaultLoop, ConfigurationOkUnderRegistryFaults) {
  for (unsigned n = 1; n < kLoopLimit; ++n) {
    SCOPED_TRACE(n);
    StoreAllOptions(0);
    settings.options = Options{0, 0, 0, 0, 0, 0, 0, 0, 0};
    RestartHost();
    Keys("Space Enter");  // PickWord on, OK
    long blocks = fault::LiveAllocations();
    fault::FailRegistryCall(n);
    EXPECT_EQ(1, Configure(0));
    bool done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    EXPECT_EQ(blocks, fault::LiveAllocations());
    EXPECT_EQ(1, settings.options.PickWord);
    DWORD value = 77;
    EXPECT_TRUE(GetRawDword(moduleKey, "PickWord", &value));
    EXPECT_TRUE(value == 0 || value == 1);
    if (done) {
      EXPECT_EQ(1u, value);
      break;
    }
  }
}

TEST_F(FaultLoop, ANewRuleSetIsWrittenValueByValueWithoutLeaks) {
  for (unsigned n = 1; n < kLoopLimit; ++n) {
    SCOPED_TRACE(n);
    DeleteTree(Path("Extensions"));
    RestartHost();
    Keys("Ins \"N\" Tab \"*.n\" Tab \"/m/\" Enter Esc");
    long blocks = fault::LiveAllocations();
    fault::FailRegistryCall(n);
    RuleSetMenu(&settings, nullptr);
    bool done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    EXPECT_EQ(blocks, fault::LiveAllocations());
    std::string text;
    if (GetRawString(Path("Extensions\\N"), "Mask", &text)) {
      EXPECT_EQ("*.n", text);
    }
    if (GetRawString(Path("Extensions\\N"), "Match", &text)) {
      EXPECT_EQ("/m/", text);
    }
    if (done) {
      EXPECT_TRUE(GetRawString(Path("Extensions\\N"), "Match", &text));
      break;
    }
  }
}

TEST_F(FaultLoop, TheMenuSurvivesAllocationFaults) {
  for (int i = 0; i < 25; ++i) StoreRuleSet("set" + std::to_string(100 + i), "*.x", "/m/", "", 1);
  for (unsigned n = 1; n < kLoopLimit; ++n) {
    SCOPED_TRACE(n);
    RestartHost();
    Keys("Down Del Enter");
    char current[kRuleTextSize] = "";
    long blocks = fault::LiveAllocations();
    fault::FailAllocation(n);
    RuleSetMenu(&settings, current);
    bool done = fault::AllocationFaultArmed();
    fault::FailAllocation(0);
    EXPECT_EQ(blocks, fault::LiveAllocations());
    EXPECT_EQ(0, fault::OpenKeyHandles());
    if (done) {
      EXPECT_EQ(24u, RuleSets().size());
      break;
    }
    StoreRuleSet("set101", "*.x", "/m/", "", 1);  // put back what Del may have taken
  }
}

bool FillName(HKEY, const char*, const char* name, FarMenuItem* item, int*, const char*) {
  strcpy(item->Text, name);
  return false;
}

TEST_F(FaultLoop, CollectingKeepsTheItemsGatheredBeforeMemoryRanOut) {
  for (int i = 0; i < 25; ++i) StoreRuleSet("set" + std::to_string(100 + i), "", "", "", 1);
  struct Case {
    unsigned failing;
    int count;
  } cases[] = {{1, 1}, {2, 10}, {3, 20}, {4, 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.failing);
    FarMenuItem* items = nullptr;
    int selection = -1;
    fault::FailAllocation(c.failing);
    int count =
        CollectSubKeys(HKEY_CURRENT_USER, "Extensions", FillName, &items, &selection, nullptr);
    fault::FailAllocation(0);
    ASSERT_EQ(c.count, count);
    ASSERT_NE(nullptr, items);
    EXPECT_STREQ(c.count == 1 ? "" : "set100", items[0].Text);
    if (count > 1) {
      EXPECT_EQ("set" + std::to_string(100 + count - 1), items[count - 1].Text);
    }
    GlobalFree(items);
  }
  EXPECT_EQ(0, fault::OpenKeyHandles());
}

TEST_F(FaultLoop, ChoosingARuleSetGivesTheSetOrNothing) {
  StoreRuleSet("C", "*.c", "/c/", "/i/", 2);
  for (unsigned n = 1; n < kLoopLimit; ++n) {
    SCOPED_TRACE(n);
    char name[kRuleTextSize];
    fault::FailRegistryCall(n);
    ChooseRuleForFile(&settings, "x.c", name);
    bool done = fault::RegistryFaultArmed();
    fault::FailRegistryCall(0);
    EXPECT_EQ(0, fault::OpenKeyHandles());
    if (strcmp(name, "C") == 0) {
      // Found: each value is the stored one or its default.
      EXPECT_TRUE(settings.rule.RegNum == 2 || settings.rule.RegNum == 1);
      EXPECT_TRUE(strcmp(settings.rule.Match, "/c/") == 0 || !settings.rule.Match[0]);
    } else {
      EXPECT_STREQ(GetMsg(MsgRules), name);
      EXPECT_EQ(0, settings.rule.RegNum);
    }
    if (done) {
      EXPECT_STREQ("C", name);
      EXPECT_STREQ("/i/", settings.rule.Ignore);
      break;
    }
  }
}

TEST_F(FaultLoop, ADialogWithoutWorkingMemoryIsNotShown) {
  DialogTemplateItem item = {DI_DOUBLEBOX, 3, 1, 72, 9, 0, 0, MsgRules};
  fault::FailAllocation(1);
  EXPECT_EQ(-1, RunDialog(&item, 1, 0, 0, nullptr));
  fault::FailAllocation(0);
  EXPECT_TRUE(Calls("Dialog").empty());
}

}  // namespace
}  // namespace settings_test
