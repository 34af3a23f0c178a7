// The four entry points against the host stand-in.
#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "settings/module_fixture.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "shell/plugin_key.h"

namespace settings_test {
namespace {

class EntryPoints : public ModuleTest {};

TEST_F(EntryPoints, PluginKeyIsTheRootKeyAndSkerrow) {
  EXPECT_EQ(root + "\\SKERROW", PluginKey);
}

TEST_F(EntryPoints, StartupLoadsTheOptions) {
  DWORD zero = 0, one = 1;
  ASSERT_TRUE(SetRaw(moduleKey, "PickWord", REG_DWORD, &zero, 4));
  ASSERT_TRUE(SetRaw(moduleKey, "CFunc", REG_DWORD, &one, 4));
  StartModule();
  EXPECT_EQ(0, settings.options.PickWord);
  EXPECT_EQ(1, settings.options.CFunc);
  EXPECT_EQ(1, settings.options.ZeroWarn);
}

TEST_F(EntryPoints, GetPluginInfoTwiceFillsTheSameSlots) {
  const char* const* menuSlot = nullptr;
  const char* const* configSlot = nullptr;
  for (int call = 0; call < 2; ++call) {
    SCOPED_TRACE(call);
    PluginInfo info;
    memset(&info, 0x5A, sizeof info);
    const char* const* diskStrings = info.DiskMenuStrings;
    const char* prefix = info.CommandPrefix;
    GetPluginInfo(&info);
    EXPECT_EQ(40, info.StructSize);
    EXPECT_EQ(static_cast<DWORD>(PF_DISABLEPANELS | PF_EDITOR), info.Flags);
    EXPECT_EQ(0, info.DiskMenuStringsNumber);
    EXPECT_EQ(1, info.PluginMenuStringsNumber);
    EXPECT_EQ(1, info.PluginConfigStringsNumber);
    EXPECT_STREQ(GetMsg(MsgPluginMenu), info.PluginMenuStrings[0]);
    EXPECT_STREQ(GetMsg(MsgConfigMenu), info.PluginConfigStrings[0]);
    EXPECT_EQ(diskStrings, info.DiskMenuStrings);  // left as the host passed them
    EXPECT_EQ(prefix, info.CommandPrefix);
    if (call == 1) {
      EXPECT_EQ(menuSlot, info.PluginMenuStrings);
      EXPECT_EQ(configSlot, info.PluginConfigStrings);
    }
    menuSlot = info.PluginMenuStrings;
    configSlot = info.PluginConfigStrings;
  }
}

TEST_F(EntryPoints, ConfigureOnlyForItemZero) {
  EXPECT_EQ(0, Configure(1));
  EXPECT_TRUE(Calls("Dialog").empty());
  Keys("Esc");
  EXPECT_EQ(0, Configure(0));
  EXPECT_EQ(1u, Calls("Dialog").size());
}

TEST_F(EntryPoints, OpenPluginReturnsInvalidHandleEvenWhenCancelled) {
  Editor().SetText({"alpha beta"});
  Keys("Esc");
  EXPECT_EQ(INVALID_HANDLE_VALUE, OpenPlugin(OPEN_EDITOR, 0));
}

// A RootKey too long for PluginKey's buffer is refused, never written past it.
TEST(EntryPointsRootKey, ALongRootKeyNeverOverflows) {
  for (size_t length : {size_t(502), size_t(503), size_t(504), size_t(2000)}) {
    SCOPED_TRACE(length);
    host::HostOptions options;
    options.rootKey = "Software\\" + std::string(length - 9, 'k');
    options.moduleDir = SKERROW_BIN_DIR;
    host::Host h(options);
    SetStartupInfo(h.StartupInfo());
    size_t keyLength = strnlen(PluginKey, kPluginKeySize);
    ASSERT_LT(keyLength, static_cast<size_t>(kPluginKeySize));
    if (length + strlen("\\SKERROW") < kPluginKeySize)
      EXPECT_EQ(options.rootKey + "\\SKERROW", PluginKey);
    else
      EXPECT_STREQ("", PluginKey);
  }
  settings = Settings{{1, 1, 0, 0, 0, 1, 0, 0, 0}, {1, "", ""}};
}

}  // namespace
}  // namespace settings_test
