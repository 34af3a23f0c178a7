// A scratch key below HKEY_CURRENT_USER for registry tests, emptied before and
// after each test; the same in both builds (the stand-in, or Wine's registry).
#pragma once

#include "shell/win_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace registry_test {

const char kScratch[] = "Software\\SkerrowTests\\Win32";

// Deletes `path` below `parent` with everything in it; a missing key is fine.
inline void DeleteTree(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
  char name[1024];
  DWORD length = sizeof name;
  while (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS) {
    DeleteTree(key, name);
    length = sizeof name;
  }
  RegCloseKey(key);
  RegDeleteKeyA(parent, path.c_str());
}

// The names of the sub-keys of `key`, in enumeration order.
inline std::vector<std::string> SubKeys(HKEY key) {
  std::vector<std::string> names;
  char name[1024];
  for (DWORD i = 0;; ++i) {
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    names.push_back(std::string(name, length));
  }
  return names;
}

class ScratchKey : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteTree(HKEY_CURRENT_USER, kScratch);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0,
                                             KEY_ALL_ACCESS, nullptr, &key_, nullptr));
  }
  void TearDown() override {
    if (key_) RegCloseKey(key_);
    DeleteTree(HKEY_CURRENT_USER, kScratch);
  }
  HKEY key_ = nullptr;
};

}  // namespace registry_test
