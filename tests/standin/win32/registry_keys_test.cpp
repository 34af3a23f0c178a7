// Registry keys: creation along a path, opening, deletion, enumeration, name
// matching and handle checks, the same against the stand-in and Windows.
#include "registry_fixture.h"

namespace {

using registry_test::ScratchKey;
using registry_test::SubKeys;

class RegistryKeys : public ScratchKey {
 protected:
  LONG Create(HKEY parent, const char* path, DWORD* disposition = nullptr, HKEY* out = nullptr) {
    HKEY key = nullptr;
    LONG status =
        RegCreateKeyExA(parent, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, disposition);
    if (status == ERROR_SUCCESS && out)
      *out = key;
    else if (status == ERROR_SUCCESS)
      RegCloseKey(key);
    return status;
  }
  LONG Open(const char* path, REGSAM access = KEY_READ) {
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(key_, path, 0, access, &key);
    if (status == ERROR_SUCCESS) RegCloseKey(key);
    return status;
  }
};

TEST_F(RegistryKeys, CreateMakesMissingKeysAlongThePathAndReportsDisposition) {
  DWORD disposition = 0;
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "a\\b\\c", &disposition));
  EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
  EXPECT_EQ(ERROR_SUCCESS, Open("a"));
  EXPECT_EQ(ERROR_SUCCESS, Open("a\\b"));
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "A\\B", &disposition));
  EXPECT_EQ(static_cast<DWORD>(REG_OPENED_EXISTING_KEY), disposition);
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "a\\b\\d", &disposition));
  EXPECT_EQ(static_cast<DWORD>(REG_CREATED_NEW_KEY), disposition);
}

TEST_F(RegistryKeys, FullPathsFromTheRootWork) {
  std::string path = std::string(registry_test::kScratch) + "\\x\\y";
  ASSERT_EQ(ERROR_SUCCESS, Create(HKEY_CURRENT_USER, path.c_str()));
  EXPECT_EQ(ERROR_SUCCESS, Open("X\\Y"));
}

TEST_F(RegistryKeys, PathSpellings) {
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "u\\\\v\\"));  // empty parts are skipped
  struct Row {
    const char* path;
    LONG status;
  } rows[] = {
      {"u\\v", ERROR_SUCCESS},     {"u\\\\v", ERROR_SUCCESS},       {"u\\v\\", ERROR_SUCCESS},
      {"\\u", ERROR_BAD_PATHNAME}, {"u\\..", ERROR_FILE_NOT_FOUND}, {"u\\w", ERROR_FILE_NOT_FOUND},
      {"", ERROR_SUCCESS},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.path);
    EXPECT_EQ(row.status, Open(row.path));
  }
  EXPECT_EQ(ERROR_BAD_PATHNAME, Create(key_, "\\z"));
}

TEST_F(RegistryKeys, OpenMissingKeyFailsAndClearsTheHandle) {
  HKEY key = reinterpret_cast<HKEY>(0x1234);
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(key_, "missing", 0, KEY_READ, &key));
  EXPECT_EQ(nullptr, key);
}

TEST_F(RegistryKeys, OpeningARootWithAnEmptyPathGivesTheRootItself) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, "", 0, KEY_READ, &key));
  EXPECT_EQ(HKEY_CURRENT_USER, key);
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, nullptr, 0, KEY_READ, &key));
  EXPECT_EQ(HKEY_CURRENT_USER, key);
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(HKEY_CURRENT_USER));  // closing a root does nothing
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "", 0, KEY_READ, &key));
  EXPECT_NE(key_, key);  // any other key: a second handle
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(key));
}

TEST_F(RegistryKeys, LocalMachineIsAvailable) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\SkerrowTests", 0, nullptr,
                                           0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
  RegCloseKey(key);
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\SkerrowTests"));
}

TEST_F(RegistryKeys, DeleteRefusesKeysWithSubKeysAndRoots) {
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "p\\q"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(key_, "p"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "P\\Q"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteKeyA(key_, "p\\q"));
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "p"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Open("p"));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteKeyA(HKEY_CURRENT_USER, ""));
}

TEST_F(RegistryKeys, HandlesOfADeletedKeyReportIt) {
  HKEY doomed = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "doomed", nullptr, &doomed));
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "doomed"));
  EXPECT_EQ(ERROR_KEY_DELETED,
            RegSetValueExA(doomed, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2));
  EXPECT_EQ(ERROR_KEY_DELETED, RegQueryValueExA(doomed, "v", nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_SUCCESS, RegCloseKey(doomed));
}

TEST_F(RegistryKeys, BadHandlesAreRefusedNotFollowed) {
  HKEY bogus = reinterpret_cast<HKEY>(0x1230);
  HKEY out = nullptr;
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(bogus));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(nullptr));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegOpenKeyExA(bogus, "x", 0, KEY_READ, &out));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegQueryValueExA(bogus, "x", nullptr, nullptr, nullptr, nullptr));
  HKEY closed = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "", 0, KEY_READ, &closed));
  ASSERT_EQ(ERROR_SUCCESS, RegCloseKey(closed));
  EXPECT_EQ(ERROR_INVALID_HANDLE,
            RegQueryValueExA(closed, "x", nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegCloseKey(closed));
}

TEST_F(RegistryKeys, RightsOfTheHandleAreChecked) {
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "sub\\child"));
  HKEY query = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "sub", 0, KEY_QUERY_VALUE, &query));
  char name[64];
  DWORD length = sizeof name;
  EXPECT_EQ(ERROR_ACCESS_DENIED,
            RegEnumKeyExA(query, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_ACCESS_DENIED,
            RegSetValueExA(query, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegDeleteValueA(query, "v"));
  RegCloseKey(query);
  HKEY write = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "sub", 0, KEY_WRITE, &write));
  EXPECT_EQ(ERROR_SUCCESS,
            RegSetValueExA(write, "v", 0, REG_SZ, reinterpret_cast<const BYTE*>("a"), 2));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegQueryValueExA(write, "v", nullptr, nullptr, nullptr, nullptr));
  RegCloseKey(write);
}

TEST_F(RegistryKeys, EnumerationNeedsRoomForTheTerminator) {
  ASSERT_EQ(ERROR_SUCCESS, Create(key_, "LongishName"));  // 11 characters
  char name[16];
  struct Row {
    DWORD length;
    LONG status;
    DWORD lengthAfter;
  } rows[] = {{0, ERROR_MORE_DATA, 0},
              {4, ERROR_MORE_DATA, 4},
              {11, ERROR_MORE_DATA, 11},
              {12, ERROR_SUCCESS, 11},
              {16, ERROR_SUCCESS, 11}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.length);
    memset(name, 'X', sizeof name);
    DWORD length = row.length;
    EXPECT_EQ(row.status,
              RegEnumKeyExA(key_, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(row.lengthAfter, length);
    if (row.status == ERROR_SUCCESS) {
      EXPECT_STREQ("LongishName", name);
    } else {
      EXPECT_EQ('X', name[0]);  // nothing written
    }
  }
  DWORD length = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS,
            RegEnumKeyExA(key_, 1, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(static_cast<DWORD>(sizeof name), length);
}

TEST_F(RegistryKeys, NamesMatchWithoutRegardToCaseAndKeepTheirFirstSpelling) {
  const char* spellings[] = {"CaseKey",      "CASEKEY", "casekey",
                             "\xC0\xE1\xE2",  // Cyrillic, mixed case
                             "\xE0\xC1\xC2", "\xA8",    "\xB8"};
  for (const char* s : spellings) ASSERT_EQ(ERROR_SUCCESS, Create(key_, s));
  std::vector<std::string> expected = {"CaseKey", "\xC0\xE1\xE2", "\xA8"};
  EXPECT_EQ(expected, SubKeys(key_));
}

TEST_F(RegistryKeys, SubKeysEnumerateSortedWithoutRegardToCase) {
  const char* names[] = {"b",  "B2", "a",   "_x",  "Z", "zz", "~t",
                         "[1", "ab", "Ab0", "a b", "1", "a.b"};
  for (const char* n : names) ASSERT_EQ(ERROR_SUCCESS, Create(key_, n));
  std::vector<std::string> expected = {"1",   "[1", "_x", "a", "a b", "a.b", "ab",
                                       "Ab0", "b",  "B2", "Z", "zz",  "~t"};
  EXPECT_EQ(expected, SubKeys(key_));
}

}  // namespace
