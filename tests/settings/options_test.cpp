// Loading and saving the nine switches below PluginKey.
#include "settings/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/registry_fixture.h"

namespace settings_test {
namespace {

class OptionsStore : public RegistryTest {
 protected:
  void SetUp() override {
    RegistryTest::SetUp();
    settings.options = Options{9, 9, 9, 9, 9, 9, 9, 9, 9};
  }
  void TearDown() override {
    settings.options = Options{1, 1, 0, 0, 0, 1, 0, 0, 0};
    RegistryTest::TearDown();
  }
};

TEST_F(OptionsStore, MissingKeyGivesTheDefaultsAndWritesNothing) {
  LoadOptions();
  EXPECT_EQ((std::vector<int>{1, 1, 0, 0, 0, 1, 0, 0, 0}), Switches(settings.options));
  EXPECT_FALSE(KeyExists(moduleKey));
}

TEST_F(OptionsStore, StoredValuesAreTakenUnchanged) {
  DWORD five = 5, zero = 0, one = 1;
  ASSERT_TRUE(SetRaw(moduleKey, "Case", REG_DWORD, &five, 4));
  ASSERT_TRUE(SetRaw(moduleKey, "PickWord", REG_DWORD, &zero, 4));
  ASSERT_TRUE(SetRaw(moduleKey, "Global", REG_DWORD, &zero, 4));
  ASSERT_TRUE(SetRaw(moduleKey, "After", REG_DWORD, &one, 4));
  ASSERT_TRUE(SetRaw(moduleKey, "Lines", REG_BINARY, "\1\0\0\0\0\0\0\0", 8));  // unreadable
  LoadOptions();
  EXPECT_EQ((std::vector<int>{0, 1, 5, 0, 0, 0, 0, 1, 0}), Switches(settings.options));
}

TEST_F(OptionsStore, ScopesThatNameNoneOrSeveralLoadAsTheWholeFile) {
  struct Case {
    int global, before, after;
    std::vector<int> loaded;
  } cases[] = {
      {0, 1, 1, {1, 0, 0}}, {0, 0, 0, {1, 0, 0}}, {1, 1, 0, {1, 0, 0}},
      {1, 1, 1, {1, 0, 0}}, {0, 7, 0, {0, 7, 0}}, {0, 0, 1, {0, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.global) + std::to_string(c.before) + std::to_string(c.after));
    DWORD values[] = {DWORD(c.global), DWORD(c.before), DWORD(c.after)};
    ASSERT_TRUE(SetRaw(moduleKey, "Global", REG_DWORD, &values[0], 4));
    ASSERT_TRUE(SetRaw(moduleKey, "Before", REG_DWORD, &values[1], 4));
    ASSERT_TRUE(SetRaw(moduleKey, "After", REG_DWORD, &values[2], 4));
    LoadOptions();
    const Options& o = settings.options;
    EXPECT_EQ(c.loaded, (std::vector<int>{o.Global, o.Before, o.After}));
  }
}

TEST_F(OptionsStore, SaveWritesAllNineOnTheModuleKeyAndLoadReadsThemBack) {
  settings.options = Options{0, 0, 1, 1, 1, 0, 0, 1, 1};
  SaveOptions();
  std::vector<int> stored;
  for (const char* name : kOptionNames) {
    SCOPED_TRACE(name);
    DWORD value = 77;
    EXPECT_TRUE(GetRawDword(moduleKey, name, &value));
    stored.push_back(static_cast<int>(value));
  }
  EXPECT_EQ(Switches(settings.options), stored);
  settings.options = Options{9, 9, 9, 9, 9, 9, 9, 9, 9};
  LoadOptions();
  EXPECT_EQ(stored, Switches(settings.options));
}

}  // namespace
}  // namespace settings_test
