// ParseRegText: the accepted forms and a clear "line N" message for each
// malformed one. Pure parsing, no registry.
#include "regfile/reg_file.h"

#include <gtest/gtest.h>

namespace {

using regfile::ParseRegText;
using regfile::RegOperation;

std::vector<RegOperation> Parse(const std::string& text) {
  std::vector<RegOperation> ops;
  std::string error;
  EXPECT_TRUE(ParseRegText(text, &ops, &error)) << error;
  return ops;
}

std::vector<BYTE> Bytes(const std::string& s) {
  return std::vector<BYTE>(s.begin(), s.end());
}

TEST(RegTextParser, EveryValueForm) {
  auto ops = Parse(
      "REGEDIT4\r\n\r\n"
      "; a comment\r\n"
      "[HKEY_CURRENT_USER\\Software\\A]\r\n"
      "\"Text\"=\"a \\\"quoted\\\" \\\\ path\"\r\n"
      "@=\"default\"\r\n"
      "\"Number\"=dword:0000000a\r\n"
      "\"Bin\"=hex:01,ff,\\\r\n"
      "  02\r\n"
      "\"Expand\"=hex(2):25,00\r\n"
      "\"Multi\"=hex(7):61,00,00\r\n"
      "\"Empty\"=hex:\r\n"
      "\"Gone\"=-\r\n"
      "\"\xE0\xE1\"=\"\x8F\x80\"\r\n");
  ASSERT_EQ(10u, ops.size());
  EXPECT_EQ(RegOperation::CreateKey, ops[0].kind);
  EXPECT_EQ(HKEY_CURRENT_USER, ops[0].root);
  EXPECT_EQ("Software\\A", ops[0].keyPath);
  struct Row {
    const char* name;
    DWORD type;
    std::string data;
  } rows[] = {
      {"Text", REG_SZ, std::string("a \"quoted\" \\ path") + '\0'},
      {"", REG_SZ, std::string("default") + '\0'},
      {"Number", REG_DWORD, std::string("\x0a\0\0\0", 4)},
      {"Bin", REG_BINARY, "\x01\xff\x02"},
      {"Expand", REG_EXPAND_SZ, std::string("%\0", 2)},
      {"Multi", REG_MULTI_SZ, std::string("a\0\0", 3)},
      {"Empty", REG_BINARY, ""},
  };
  for (size_t i = 0; i < 7; ++i) {
    SCOPED_TRACE(rows[i].name);
    EXPECT_EQ(RegOperation::SetValue, ops[i + 1].kind);
    EXPECT_EQ(rows[i].name, ops[i + 1].valueName);
    EXPECT_EQ(rows[i].type, ops[i + 1].type);
    EXPECT_EQ(Bytes(rows[i].data), ops[i + 1].data);
  }
  EXPECT_EQ(RegOperation::DeleteValue, ops[8].kind);
  EXPECT_EQ("Gone", ops[8].valueName);
  EXPECT_EQ("\xE0\xE1", ops[9].valueName);  // bytes kept as they are
  EXPECT_EQ(Bytes(std::string("\x8F\x80") + '\0'), ops[9].data);
  EXPECT_EQ(8, ops[4].line);  // a continued value keeps its first line
}

TEST(RegTextParser, HeadersLineEndsAndKeyDeletion) {
  auto ops = Parse(
      "Windows Registry Editor Version 5.00\n[-HKEY_LOCAL_MACHINE\\Software\\B]\n"
      "[HKCU\\X\\]\n");
  ASSERT_EQ(2u, ops.size());
  EXPECT_EQ(RegOperation::DeleteKey, ops[0].kind);
  EXPECT_EQ(HKEY_LOCAL_MACHINE, ops[0].root);
  EXPECT_EQ("Software\\B", ops[0].keyPath);
  EXPECT_EQ("X", ops[1].keyPath);
  EXPECT_TRUE(Parse("\xEF\xBB\xBFREGEDIT4\n").empty());
}

TEST(RegTextParser, MalformedTextNamesTheLineAndYieldsNothing) {
  struct Row {
    const char* text;
    const char* message;
  } rows[] = {
      {"", "line 1: missing header"},
      {"[HKEY_CURRENT_USER\\A]\n", "line 1: missing header"},
      {"REGEDIT4\n\"v\"=\"x\"\n", "line 2: value outside a [key] section"},
      {"REGEDIT4\n[HKEY_NOWHERE\\A]\n", "line 2: unknown root key \"HKEY_NOWHERE\""},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A\n", "line 2: key name without ']'"},
      {"REGEDIT4\n[-HKEY_CURRENT_USER]\n", "line 2: a root key cannot be deleted"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"\"x\"\n", "line 3: expected '='"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v=\"x\"\n", "line 3: "},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\n", "line 3: text without closing"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"a\\n\"\n", "line 3: unknown escape \\n"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"x\" junk\n", "line 3: unexpected characters"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:123456789\n", "line 3: dword:"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=dword:xyz\n", "line 3: dword:"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:1,2\n", "line 3: hex data"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex:01,\\\n  zz\n", "line 3: hex data"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=hex(q):01\n", "line 3: hex(N):"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\n\"v\"=string\n", "line 3: unknown value data"},
      {"REGEDIT4\n[HKEY_CURRENT_USER\\A]\ngarbage\n", "line 3: expected a [key]"},
      {"\xFF\xFER\0E\0", "line 1: UTF-16 text is not supported"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    std::vector<RegOperation> ops(1);
    std::string error;
    EXPECT_FALSE(ParseRegText(row.text, &ops, &error));
    EXPECT_EQ(0u, error.find(row.message)) << error;
    EXPECT_TRUE(ops.empty());
  }
}

}  // namespace
