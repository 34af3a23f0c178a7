// Registry values: types, sizes, the too-small-buffer answers, string
// terminator rules, deletion and enumeration, in both builds.
#include "registry_fixture.h"

#include <string.h>

namespace {

using registry_test::ScratchKey;

class RegistryValues : public ScratchKey {
 protected:
  LONG Set(const char* name, DWORD type, const void* data, DWORD size) {
    return RegSetValueExA(key_, name, 0, type, static_cast<const BYTE*>(data), size);
  }
  // Queries into a 32-byte buffer filled with 'X'; returns the status.
  LONG Query(const char* name, DWORD bufferSize, DWORD* size, DWORD* type = nullptr) {
    memset(buffer_, 'X', sizeof buffer_);
    *size = bufferSize;
    return RegQueryValueExA(key_, name, nullptr, type, buffer_, size);
  }
  BYTE buffer_[32];
};

TEST_F(RegistryValues, EveryTypeComesBackAsStored) {
  const DWORD number = 0x12345678;
  struct Row {
    const char* name;
    DWORD type;
    const char* data;
    DWORD size;
  } rows[] = {
      {"Text", REG_SZ, "hello", 6},
      {"Expand", REG_EXPAND_SZ, "%PATH%", 7},
      {"Binary", REG_BINARY, "\x01\x00\x02", 3},
      {"Number", REG_DWORD, reinterpret_cast<const char*>(&number), 4},
      {"Multi", REG_MULTI_SZ, "a\0bc\0", 6},
      {"Odd type", 9, "zz", 2},
      {"Short dword", REG_DWORD, "\x01\x02", 2},
      {"", REG_SZ, "default", 8},
  };
  for (const Row& row : rows) ASSERT_EQ(ERROR_SUCCESS, Set(row.name, row.type, row.data, row.size));
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    DWORD size = 0, type = 0;
    ASSERT_EQ(ERROR_SUCCESS, Query(row.name, sizeof buffer_, &size, &type));
    EXPECT_EQ(row.type, type);
    ASSERT_EQ(row.size, size);
    EXPECT_EQ(0, memcmp(row.data, buffer_, size));
  }
}

TEST_F(RegistryValues, NullAndEmptyNamesAreTheDefaultValue) {
  DWORD size = 0;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Query(nullptr, sizeof buffer_, &size));
  ASSERT_EQ(ERROR_SUCCESS, Set(nullptr, REG_SZ, "d", 2));
  EXPECT_EQ(ERROR_SUCCESS, Query("", sizeof buffer_, &size));
  EXPECT_EQ(2u, size);
}

TEST_F(RegistryValues, NamesMatchWithoutRegardToCase) {
  ASSERT_EQ(ERROR_SUCCESS, Set("MixedCase", REG_SZ, "1", 2));
  ASSERT_EQ(ERROR_SUCCESS, Set("MIXEDCASE", REG_SZ, "22", 3));
  ASSERT_EQ(ERROR_SUCCESS, Set("\xC0\xC1", REG_SZ, "3", 2));  // Cyrillic upper case
  DWORD size = 0;
  ASSERT_EQ(ERROR_SUCCESS, Query("mixedcase", sizeof buffer_, &size));
  EXPECT_STREQ("22", reinterpret_cast<char*>(buffer_));
  EXPECT_EQ(ERROR_SUCCESS, Query("\xE0\xE1", sizeof buffer_, &size));
  char name[32];
  DWORD length = sizeof name;
  ASSERT_EQ(ERROR_SUCCESS,
            RegEnumValueA(key_, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ("MixedCase", name);  // the first spelling stays
}

TEST_F(RegistryValues, TooSmallBufferGivesMoreDataTheSizeAndAnUntouchedBuffer) {
  const DWORD number = 7;
  ASSERT_EQ(ERROR_SUCCESS, Set("Text", REG_SZ, "hello", 6));
  ASSERT_EQ(ERROR_SUCCESS, Set("Eight", REG_DWORD, "12345678", 8));
  ASSERT_EQ(ERROR_SUCCESS, Set("Number", REG_DWORD, &number, 4));
  struct Row {
    const char* name;
    DWORD bufferSize;
    LONG status;
    DWORD sizeAfter;
  } rows[] = {
      {"Text", 3, ERROR_MORE_DATA, 6},   {"Text", 5, ERROR_MORE_DATA, 6},
      {"Text", 6, ERROR_SUCCESS, 6},     {"Eight", 4, ERROR_MORE_DATA, 8},
      {"Number", 2, ERROR_MORE_DATA, 4}, {"Number", 4, ERROR_SUCCESS, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " in " + std::to_string(row.bufferSize));
    DWORD size = 0, type = 0;
    EXPECT_EQ(row.status, Query(row.name, row.bufferSize, &size, &type));
    EXPECT_EQ(row.sizeAfter, size);
    EXPECT_NE(0u, type);  // the type is told even when the data does not fit
    if (row.status == ERROR_MORE_DATA) {
      EXPECT_EQ('X', buffer_[0]);
    }
  }
}

TEST_F(RegistryValues, SizeQueriesAndParameterChecks) {
  ASSERT_EQ(ERROR_SUCCESS, Set("Text", REG_SZ, "hello", 6));
  DWORD size = 0, type = 0;
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "Text", nullptr, &type, nullptr, &size));
  EXPECT_EQ(6u, size);
  EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "Text", nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(ERROR_INVALID_PARAMETER,
            RegQueryValueExA(key_, "Text", nullptr, nullptr, buffer_, nullptr));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Query("Missing", sizeof buffer_, &size));
}

TEST_F(RegistryValues, StringTerminatorRules) {
  // A string whose next byte is a zero gets it counted; one without keeps its size.
  ASSERT_EQ(ERROR_SUCCESS, Set("Counted", REG_SZ, "abcd", 4));
  ASSERT_EQ(ERROR_SUCCESS, Set("Bare", REG_SZ, "abcdE", 4));
  ASSERT_EQ(ERROR_SUCCESS, Set("Binary", REG_BINARY, "abcd", 4));
  ASSERT_EQ(ERROR_SUCCESS, Set("Expand", REG_EXPAND_SZ, "ab", 2));
  ASSERT_EQ(ERROR_SUCCESS, Set("Empty", REG_SZ, "", 0));
  DWORD size = 0;
  EXPECT_EQ(ERROR_MORE_DATA, Query("Counted", 4, &size));
  EXPECT_EQ(5u, size);
  EXPECT_EQ(ERROR_SUCCESS, Query("Bare", sizeof buffer_, &size));
  EXPECT_EQ(4u, size);
  EXPECT_EQ(0, buffer_[4]);  // appended when there is room, not counted
  EXPECT_EQ(ERROR_SUCCESS, Query("Bare", 4, &size));
  EXPECT_EQ('X', buffer_[4]);
  EXPECT_EQ(ERROR_SUCCESS, Query("Binary", sizeof buffer_, &size));
  EXPECT_EQ('X', buffer_[4]);  // never for binary data
  EXPECT_EQ(ERROR_SUCCESS, Query("Expand", sizeof buffer_, &size));
  EXPECT_EQ(3u, size);
  EXPECT_EQ(ERROR_SUCCESS, Query("Empty", sizeof buffer_, &size));
  EXPECT_EQ(0u, size);
  EXPECT_EQ('X', buffer_[0]);
}

TEST_F(RegistryValues, ReplaceAndDelete) {
  ASSERT_EQ(ERROR_SUCCESS, Set("v", REG_SZ, "long text", 10));
  ASSERT_EQ(ERROR_SUCCESS, Set("V", REG_DWORD, "\x01\0\0\0", 4));
  DWORD size = 0, type = 0;
  ASSERT_EQ(ERROR_SUCCESS, Query("v", sizeof buffer_, &size, &type));
  EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
  EXPECT_EQ(4u, size);
  EXPECT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, "V"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(key_, "v"));
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, Query("v", sizeof buffer_, &size));
}

TEST_F(RegistryValues, EnumerationInNameOrderWithSizes) {
  ASSERT_EQ(ERROR_SUCCESS, Set("Str", REG_SZ, "hello", 6));
  ASSERT_EQ(ERROR_SUCCESS, Set("bin", REG_BINARY, "\x01\x02\x03", 3));
  ASSERT_EQ(ERROR_SUCCESS, Set("Dw", REG_DWORD, "\x01\0\0\0", 4));
  struct Row {
    const char* name;
    DWORD type;
    DWORD size;
  } expected[] = {{"bin", REG_BINARY, 3}, {"Dw", REG_DWORD, 4}, {"Str", REG_SZ, 6}};
  for (DWORD i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    char name[16];
    DWORD length = sizeof name, type = 0, size = sizeof buffer_;
    ASSERT_EQ(ERROR_SUCCESS, RegEnumValueA(key_, i, name, &length, nullptr, &type, buffer_, &size));
    EXPECT_STREQ(expected[i].name, name);
    EXPECT_EQ(strlen(expected[i].name), length);
    EXPECT_EQ(expected[i].type, type);
    EXPECT_EQ(expected[i].size, size);
  }
  char name[16];
  DWORD length = sizeof name;
  EXPECT_EQ(ERROR_NO_MORE_ITEMS,
            RegEnumValueA(key_, 3, name, &length, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(RegistryValues, EnumerationWithSmallBuffers) {
  ASSERT_EQ(ERROR_SUCCESS, Set("Bin", REG_BINARY, "\x01\x02\x03", 3));
  char name[8];
  memset(name, 'X', sizeof name);
  DWORD length = 3;
  EXPECT_EQ(ERROR_MORE_DATA,
            RegEnumValueA(key_, 0, name, &length, nullptr, nullptr, nullptr, nullptr));
  EXPECT_STREQ("Bi", name);  // what fits, terminated
  memset(name, 'X', sizeof name);
  length = sizeof name;
  DWORD size = 2;
  EXPECT_EQ(ERROR_MORE_DATA,
            RegEnumValueA(key_, 0, name, &length, nullptr, nullptr, buffer_, &size));
  EXPECT_EQ(3u, size);
  EXPECT_EQ('X', name[0]);
}

}  // namespace
