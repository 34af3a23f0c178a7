// Test fixture for everything that reaches the registry: each test gets a
// PluginKey of its own below a scratch key, removed with all its sub-keys
// before and after the test, so tests neither see nor leave anything, also in
// the persistent registry of a Wine prefix. Raw helpers reach the registry
// beside the store, to check what the store wrote.
#pragma once

#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

#include "settings/options.h"
#include "shell/plugin_key.h"
#include "shell/win_api.h"

namespace settings_test {

// The nine stored switches, in record order, and their values from a record.
const char* const kOptionNames[] = {"PickWord", "ZeroWarn", "Case",  "RegExp", "Lines",
                                    "Global",   "Before",   "After", "CFunc"};

inline std::vector<int> Switches(const Options& o) {
  return {o.PickWord, o.ZeroWarn, o.Case, o.RegExp, o.Lines, o.Global, o.Before, o.After, o.CFunc};
}

// Deletes `path` below HKEY_CURRENT_USER with every sub-key; a missing key is no error.
inline void DeleteTree(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
    std::vector<std::string> children;
    char name[512];
    for (DWORD i = 0;; ++i) {
      DWORD length = sizeof name;
      if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      children.push_back(name);
    }
    RegCloseKey(key);
    for (const std::string& child : children) DeleteTree(path + "\\" + child);
  }
  RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

// The scratch root of this test: "Software\SkerrowTests\" and a hash of the
// suite and test names. Short, because Wine refuses key paths longer than 255
// characters and the tests need room for long rule-set names below it.
inline std::string TestRootKey() {
  const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  unsigned long hash = 5381;
  for (unsigned char c : name) hash = (hash * 33 + c) & 0xFFFFFFFFul;
  char text[16];
  snprintf(text, sizeof text, "%08lx", hash);
  return std::string("Software\\SkerrowTests\\") + text;
}

inline bool KeyExists(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

inline bool SetRaw(const std::string& path, const char* name, DWORD type, const void* data,
                   DWORD size) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return false;
  LONG status = RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

inline bool CreateKey(const std::string& path) {
  return SetRaw(path, "x", REG_DWORD, "\0\0\0", 4);
}

// The stored value: type and bytes; false when it is missing.
inline bool GetRaw(const std::string& path, const char* name, DWORD* type, std::string* data) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
    return false;
  char buffer[4096];
  DWORD size = sizeof buffer;
  LONG status = RegQueryValueExA(key, name, nullptr, type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return false;
  data->assign(buffer, size);
  return true;
}

inline bool GetRawDword(const std::string& path, const char* name, DWORD* value) {
  DWORD type;
  std::string data;
  if (!GetRaw(path, name, &type, &data) || type != REG_DWORD || data.size() != 4) return false;
  memcpy(value, data.data(), 4);
  return true;
}

inline bool GetRawString(const std::string& path, const char* name, std::string* text) {
  DWORD type;
  std::string data;
  if (!GetRaw(path, name, &type, &data) || type != REG_SZ || data.empty() || data.back() != 0)
    return false;
  text->assign(data.data(), data.size() - 1);
  return true;
}

// Sub-key names in the registry's enumeration order.
inline std::vector<std::string> SubKeys(const std::string& path) {
  std::vector<std::string> names;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return names;
  char name[512];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.push_back(name);
  }
  RegCloseKey(key);
  return names;
}

// Gives the test a fresh PluginKey: "<scratch root>\SKERROW".
class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = TestRootKey();
    DeleteTree(root);
    ASSERT_TRUE(FormPluginKey(root.c_str()));
    moduleKey = PluginKey;
  }
  void TearDown() override { DeleteTree(root); }

  std::string Path(const std::string& subPath) const {
    return subPath.empty() ? moduleKey : moduleKey + "\\" + subPath;
  }

  std::string root;
  std::string moduleKey;
};

}  // namespace settings_test
