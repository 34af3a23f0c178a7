// The stand-in's registry controls: failing the nth call, counting open handles,
// resetting. Native only (skipped against Windows).
#include "support/fault_injection.h"
#include "shell/win_api.h"

#include <gtest/gtest.h>

namespace {

class RegistryControl : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fault::Available()) GTEST_SKIP() << "fault injection needs the stand-in";
    fault::ResetRegistry();
  }
  void TearDown() override {
    fault::FailRegistryCall(0);
    fault::ResetRegistry();
  }
};

TEST_F(RegistryControl, NthCallFailsOnceWithTheGivenError) {
  fault::FailRegistryCall(2, ERROR_OUTOFMEMORY);
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\T", 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  EXPECT_EQ(ERROR_OUTOFMEMORY,
            RegSetValueExA(key, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2));
  EXPECT_FALSE(fault::RegistryFaultArmed());
  EXPECT_EQ(ERROR_SUCCESS,
            RegSetValueExA(key, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
}

TEST_F(RegistryControl, CallsInARowFailFromTheNth) {
  fault::FailRegistryCalls(2, 2, ERROR_OUTOFMEMORY);
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\T", 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  const BYTE* a = reinterpret_cast<const BYTE*>("a");
  EXPECT_EQ(ERROR_OUTOFMEMORY, RegSetValueExA(key, "v", 0, REG_SZ, a, 2));
  EXPECT_TRUE(fault::RegistryFaultArmed());
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));  // closing takes no turn
  EXPECT_EQ(ERROR_OUTOFMEMORY, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\T"));
  EXPECT_FALSE(fault::RegistryFaultArmed());
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\T"));
}

TEST_F(RegistryControl, CloseNeverFailsAndHandlesAreCounted) {
  long open = fault::OpenKeyHandles();
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\T", 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  EXPECT_EQ(open + 1, fault::OpenKeyHandles());
  fault::FailRegistryCall(1);
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
  EXPECT_TRUE(fault::RegistryFaultArmed());
  EXPECT_EQ(open, fault::OpenKeyHandles());
}

TEST_F(RegistryControl, ResetEmptiesEveryRootAndOrphansOpenHandles) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\T", 0, nullptr, 0,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  fault::ResetRegistry();
  HKEY again = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND,
            RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software", 0, KEY_READ, &again));
  EXPECT_EQ(ERROR_KEY_DELETED,
            RegSetValueExA(key, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
}

TEST_F(RegistryControl, NullResultPointersAreRefused) {
  // Windows would fault on these; the stand-in answers instead.
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegCreateKeyExA(HKEY_CURRENT_USER, "x", 0, nullptr, 0,
                                                     KEY_READ, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_NOACCESS, RegSetValueExA(HKEY_CURRENT_USER, "x", 0, REG_SZ, nullptr, 5));
}

}  // namespace
