// Import and export against the registry, the same in both builds: every value
// form reaches the registry as written, export -> import round-trips exactly,
// a malformed file changes nothing.
#include "regfile/reg_file.h"
#include "standin/win32/registry_fixture.h"

#include <gtest/gtest.h>

#include <stdio.h>

namespace {

const char kKey[] = "Software\\SkerrowTests\\RegFile";
const char kRootName[] = "HKEY_CURRENT_USER";

std::string Header() {
  return std::string("REGEDIT4\r\n\r\n[") + kRootName + "\\" + kKey;
}

class RegFile : public ::testing::Test {
 protected:
  void SetUp() override { registry_test::DeleteTree(HKEY_CURRENT_USER, kKey); }
  void TearDown() override { registry_test::DeleteTree(HKEY_CURRENT_USER, kKey); }

  std::string Export() {
    std::string text, error;
    EXPECT_TRUE(regfile::ExportRegText(HKEY_CURRENT_USER, kRootName, kKey, &text, &error)) << error;
    return text;
  }
  void Import(const std::string& text) {
    std::string error;
    ASSERT_TRUE(regfile::ImportRegText(text, &error)) << error;
  }
  // The value's type and bytes, or "missing".
  std::string Value(const char* subKey, const char* name) {
    std::string path = std::string(kKey) + (*subKey ? "\\" : "") + subKey;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return "missing";
    BYTE data[256];
    DWORD size = sizeof data, type = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return "missing";
    return std::to_string(type) + ":" + std::string(reinterpret_cast<char*>(data), size);
  }
};

// In the order export writes it: values and sub-keys as the registry
// enumerates them, a key for every level.
const char kSample[] =
    "REGEDIT4\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\SkerrowTests\\RegFile]\r\n"
    "@=\"root default\"\r\n"
    "\"Number\"=dword:0000002a\r\n"
    "\"Oem\"=\"\x8F\xE0\xA8\xAC\xA5\xE0\"\r\n"
    "\"Text\"=\"back\\\\slash \\\"q\\\"\"\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\SkerrowTests\\RegFile\\Extensions]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\SkerrowTests\\RegFile\\Extensions\\C]\r\n"
    "\"Bare\"=hex(1):61,62\r\n"
    "\"Bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,\\\r\n"
    "  16,17,18,19,1a,1b,1c,1d,1e,1f\r\n"
    "\"Empty text\"=hex(1):\r\n"
    "\"Expand\"=hex(2):25,41,25,00\r\n"
    "\"Multi\"=hex(7):61,00,62,00,00\r\n"
    "\"Odd dword\"=hex(4):01,02\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\Software\\SkerrowTests\\RegFile\\Extensions\\Empty key]\r\n"
    "\r\n";

TEST_F(RegFile, ImportWritesEveryFormAsGiven) {
  Import(kSample);
  struct Row {
    const char* key;
    const char* name;
    std::string expected;
  } rows[] = {
      {"", "", std::string("1:root default") + '\0'},
      {"", "Text", std::string("1:back\\slash \"q\"") + '\0'},
      {"", "Oem", std::string("1:\x8F\xE0\xA8\xAC\xA5\xE0") + '\0'},
      {"", "Number", std::string("4:\x2a\0\0\0", 6)},
      {"Extensions\\C", "Bare", "1:ab"},
      {"Extensions\\C", "Expand", std::string("2:%A%\0", 6)},
      {"Extensions\\C", "Multi", std::string("7:a\0b\0\0", 7)},
      {"Extensions\\C", "Odd dword", "4:\x01\x02"},
      {"Extensions\\C", "Empty text", "1:"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.expected, Value(row.key, row.name));
  }
  EXPECT_EQ(34u, Value("Extensions\\C", "Bin").size());
}

TEST_F(RegFile, ExportWritesWhatImportReadsByteForByte) {
  Import(kSample);
  EXPECT_EQ(kSample, Export());
}

TEST_F(RegFile, ExportThenImportRoundTripsSortedKeys) {
  Import(Header() + "\\b]\r\n\"v\"=\"1\"\r\n" + "[" + kRootName + "\\" + kKey + "\\A\\deep]\r\n");
  std::string first = Export();
  EXPECT_LT(first.find("\\A]"), first.find("\\b]"));  // registry order, not file order
  registry_test::DeleteTree(HKEY_CURRENT_USER, kKey);
  Import(first);
  EXPECT_EQ(first, Export());
}

TEST_F(RegFile, DeletionsRemoveValuesAndWholeTrees) {
  Import(kSample);
  Import(std::string("REGEDIT4\r\n[HKEY_CURRENT_USER\\") + kKey +
         "]\r\n\"Text\"=-\r\n\"Never\"=-\r\n" + "[-HKEY_CURRENT_USER\\" + kKey +
         "\\Extensions]\r\n[-HKEY_CURRENT_USER\\" + kKey + "\\Not there]\r\n");
  EXPECT_EQ("missing", Value("", "Text"));
  EXPECT_NE("missing", Value("", "Number"));
  EXPECT_EQ("missing", Value("Extensions", ""));
}

TEST_F(RegFile, MalformedTextChangesNothing) {
  Import(kSample);
  std::string before = Export();
  std::string error;
  EXPECT_FALSE(regfile::ImportRegText(std::string("REGEDIT4\r\n[-HKEY_CURRENT_USER\\") + kKey +
                                          "]\r\n[HKEY_CURRENT_USER\\" + kKey +
                                          "]\r\n\"v\"=dword:nope\r\n",
                                      &error));
  EXPECT_EQ(0u, error.find("line 4: ")) << error;
  EXPECT_EQ(before, Export());
}

TEST_F(RegFile, MissingKeyExportsJustTheHeader) {
  EXPECT_EQ("REGEDIT4\r\n\r\n", Export());
}

TEST_F(RegFile, FilesRoundTripAndErrorsNameTheFile) {
  Import(kSample);
  std::string path = std::string(SKERROW_BIN_DIR) + "/regfile_test_roundtrip.reg";
  std::string error;
  ASSERT_TRUE(regfile::ExportRegFile(path.c_str(), HKEY_CURRENT_USER, kRootName, kKey, &error))
      << error;
  ASSERT_TRUE(regfile::ExportRegFile(path.c_str(), HKEY_CURRENT_USER, kRootName, kKey, &error))
      << "replacing an existing file: " << error;
  registry_test::DeleteTree(HKEY_CURRENT_USER, kKey);
  ASSERT_TRUE(regfile::ImportRegFile(path.c_str(), &error)) << error;
  EXPECT_EQ(kSample, Export());
  remove(path.c_str());
  EXPECT_FALSE(regfile::ImportRegFile(path.c_str(), &error));
  EXPECT_NE(std::string::npos, error.find("regfile_test_roundtrip.reg")) << error;
}

}  // namespace
