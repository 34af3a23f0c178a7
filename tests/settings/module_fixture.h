// Test fixture for module code that calls the host: a host stand-in whose
// RootKey is the test's scratch key, handed to SetStartupInfo, and the
// module's long-lived state reset to what a fresh load has.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "search/search_dialog.h"
#include "settings/options.h"
#include "settings/registry_fixture.h"
#include "shell/plugin_api.h"

namespace settings_test {

class ModuleTest : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    settings = Settings{{1, 1, 0, 0, 0, 1, 0, 0, 0}, {1, "", ""}};
    LastSearchText[0] = 0;
    RestartHost();
  }
  void TearDown() override {
    hostObject.reset();
    RegistryTest::TearDown();
  }

  // A fresh host (no keys left, empty trace) with the module started in it.
  void RestartHost() {
    host::HostOptions options;
    options.rootKey = root;
    options.moduleDir = SKERROW_BIN_DIR;
    hostObject.reset();
    hostObject.reset(new host::Host(options));
    StartModule();
  }
  // SetStartupInfo as the host calls it after loading the module.
  void StartModule() { SetStartupInfo(hostObject->StartupInfo()); }
  host::Host& Host() { return *hostObject; }
  host::Editor& Editor() { return hostObject->editor(); }
  void Keys(const std::string& script) { ASSERT_TRUE(hostObject->QueueKeys(script)); }

  // Trace lines of one service ("Dialog", "Menu", ...).
  std::vector<std::string> Calls(const std::string& service) const {
    std::vector<std::string> lines;
    std::string tag = "{\"call\":\"" + service + "\"";
    for (const std::string& line : hostObject->Trace())
      if (line.compare(0, tag.size(), tag) == 0) lines.push_back(line);
    return lines;
  }

  // Writes a rule set below the test's PluginKey, beside the module.
  void StoreRuleSet(const std::string& name, const std::string& mask, const std::string& match,
                    const std::string& ignore, int regNum) {
    std::string path = Path("Extensions\\" + name);
    ASSERT_TRUE(SetRaw(path, "Mask", REG_SZ, mask.c_str(), static_cast<DWORD>(mask.size() + 1)));
    ASSERT_TRUE(SetRaw(path, "Match", REG_SZ, match.c_str(), static_cast<DWORD>(match.size() + 1)));
    ASSERT_TRUE(
        SetRaw(path, "Ignore", REG_SZ, ignore.c_str(), static_cast<DWORD>(ignore.size() + 1)));
    DWORD number = static_cast<DWORD>(regNum);
    ASSERT_TRUE(SetRaw(path, "RegNum", REG_DWORD, &number, 4));
  }

  std::vector<std::string> RuleSets() const { return SubKeys(Path("Extensions")); }

  std::unique_ptr<host::Host> hostObject;
};

}  // namespace settings_test
