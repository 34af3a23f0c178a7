// The registry store against the registry itself (the stand-in natively, the
// real one under Wine): paths, defaults, the length limits of reads, and the
// two walks.
#include "settings/registry_store.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "settings/registry_fixture.h"

namespace settings_test {
namespace {

class RegistryStore : public RegistryTest {};

TEST_F(RegistryStore, KeyPathJoinsWithOneBackslashAndNoneForAnEmptySubPath) {
  char path[kKeyPathSize];
  ASSERT_TRUE(KeyPath(path, ""));
  EXPECT_EQ(moduleKey, path);
  ASSERT_TRUE(KeyPath(path, "Extensions\\C++"));
  EXPECT_EQ(moduleKey + "\\Extensions\\C++", path);
}

TEST_F(RegistryStore, KeyPathRefusesWhatDoesNotFit) {
  char small[8];
  EXPECT_TRUE(JoinKeyPath(small, sizeof small, "abc", "def"));  // 7 characters
  EXPECT_STREQ("abc\\def", small);
  EXPECT_FALSE(JoinKeyPath(small, sizeof small, "abc", "defg"));
  EXPECT_STREQ("", small);
  // The longest PluginKey with the longest rule-set sub-path still fits.
  std::string longRoot(kPluginKeySize - 1 - strlen("\\SKERROW"), 'r');
  ASSERT_TRUE(FormPluginKey(longRoot.c_str()));
  std::string subPath = "Extensions\\" + std::string(511, 'n');
  char path[kKeyPathSize];
  ASSERT_TRUE(KeyPath(path, subPath.c_str()));
  EXPECT_EQ(std::string(PluginKey) + "\\" + subPath, path);
}

TEST_F(RegistryStore, WithoutPluginKeyNothingIsReachedAtAll) {
  ASSERT_FALSE(FormPluginKey(std::string(600, 'r').c_str()));
  WriteDword(HKEY_CURRENT_USER, "", "SkerrowProbe", 1);
  WriteString(HKEY_CURRENT_USER, "Extensions\\X", "Mask", "*.c");
  DWORD value;
  EXPECT_FALSE(GetRawDword("", "SkerrowProbe", &value));  // not in the user's root key
  EXPECT_FALSE(KeyExists("Extensions"));
  EXPECT_EQ(3, GetDword(HKEY_CURRENT_USER, "", "SkerrowProbe", 3));
  char path[kKeyPathSize];
  EXPECT_FALSE(KeyPath(path, ""));
}

TEST_F(RegistryStore, EmptySubPathReadsAndWritesTheModuleKeyItself) {
  WriteDword(HKEY_CURRENT_USER, "", "Case", 5);
  DWORD raw = 0;
  ASSERT_TRUE(GetRawDword(moduleKey, "Case", &raw));
  EXPECT_EQ(5u, raw);
  EXPECT_EQ(5, GetDword(HKEY_CURRENT_USER, "", "Case", 0));
  EXPECT_EQ(std::vector<std::string>(), SubKeys(moduleKey));
}

TEST_F(RegistryStore, WritesCreateMissingKeysAlongThePath) {
  WriteString(HKEY_CURRENT_USER, "Extensions\\Pascal", "Mask", "*.pas,*.dpr");
  std::string text;
  ASSERT_TRUE(GetRawString(Path("Extensions\\Pascal"), "Mask", &text));
  EXPECT_EQ("*.pas,*.dpr", text);
  // The terminator is stored with the text.
  DWORD type;
  std::string data;
  ASSERT_TRUE(GetRaw(Path("Extensions\\Pascal"), "Mask", &type, &data));
  EXPECT_EQ(12u, data.size());
}

TEST_F(RegistryStore, DwordReadsGiveTheDefaultForAnythingButFourBytes) {
  ASSERT_TRUE(CreateKey(moduleKey));
  const char eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
  ASSERT_TRUE(SetRaw(moduleKey, "Eight", REG_BINARY, eight, 8));
  ASSERT_TRUE(SetRaw(moduleKey, "Two", REG_BINARY, eight, 2));
  ASSERT_TRUE(SetRaw(moduleKey, "Binary4", REG_BINARY, "\x07\0\0\0", 4));
  struct Case {
    const char* subPath;
    const char* name;
    bool read;
    int value;
  } cases[] = {
      {"Missing", "Case", false, 42},  // no such key
      {"", "Missing", false, 42},      // no such value
      {"", "Eight", false, 42},       {"", "Two", false, 42},
      {"", "Binary4", true, 7},  // the type is not examined
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    int value = -1;
    EXPECT_EQ(c.read, ReadDword(HKEY_CURRENT_USER, c.subPath, c.name, &value, 42));
    EXPECT_EQ(c.value, value);
    EXPECT_EQ(c.value, GetDword(HKEY_CURRENT_USER, c.subPath, c.name, 42));
  }
}

TEST_F(RegistryStore, StringReadsAreWholeOrTheDefault) {
  struct Case {
    size_t length;
    size_t size;
    bool read;
  } cases[] = {
      {0, 255, true},   {254, 255, true},  {255, 255, false}, {255, 512, true},
      {511, 512, true}, {512, 512, false}, {600, 512, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.length) + " in " + std::to_string(c.size));
    std::string text(c.length, 'm');
    WriteString(HKEY_CURRENT_USER, "Extensions\\S", "Match", text.c_str());
    char dest[1024];
    memset(dest, '#', sizeof dest);
    EXPECT_EQ(c.read,
              ReadString(HKEY_CURRENT_USER, "Extensions\\S", "Match", dest, "dflt", c.size));
    EXPECT_EQ(c.read ? text : std::string("dflt"), dest);
    EXPECT_EQ('#', dest[c.size]);  // nothing past the destination
  }
}

TEST_F(RegistryStore, UnterminatedTextsAreTerminatedOrRefused) {
  ASSERT_TRUE(SetRaw(moduleKey, "Short", REG_SZ, "abc", 3));
  std::string full(512, 'x');
  ASSERT_TRUE(SetRaw(moduleKey, "Full", REG_SZ, full.data(), 512));
  char dest[513];
  dest[512] = '#';
  EXPECT_TRUE(ReadString(HKEY_CURRENT_USER, "", "Short", dest, "", 512));
  EXPECT_STREQ("abc", dest);
  EXPECT_FALSE(ReadString(HKEY_CURRENT_USER, "", "Full", dest, "", 512));
  EXPECT_STREQ("", dest);
  EXPECT_EQ('#', dest[512]);
}

TEST_F(RegistryStore, DeleteKeyRemovesOneKeyAndIgnoresAMissingOne) {
  WriteDword(HKEY_CURRENT_USER, "Extensions\\A", "RegNum", 1);
  WriteDword(HKEY_CURRENT_USER, "Extensions\\B", "RegNum", 1);
  DeleteKey(HKEY_CURRENT_USER, "Extensions\\A");
  DeleteKey(HKEY_CURRENT_USER, "Extensions\\Nothing");
  EXPECT_EQ(std::vector<std::string>{"B"}, SubKeys(Path("Extensions")));
}

TEST_F(RegistryStore, DeleteKeyTakesEveryKeyBelowIt) {
  for (const char* path :
       {"Extensions\\T\\a\\b\\c", "Extensions\\T\\a\\d", "Extensions\\T\\e", "Extensions\\U"})
    ASSERT_TRUE(WriteDword(HKEY_CURRENT_USER, path, "RegNum", 1)) << path;
  EXPECT_TRUE(DeleteKey(HKEY_CURRENT_USER, "Extensions\\T"));
  EXPECT_EQ(std::vector<std::string>{"U"}, SubKeys(Path("Extensions")));
  EXPECT_TRUE(DeleteKey(HKEY_CURRENT_USER, "Extensions\\T"));  // gone already
}

TEST_F(RegistryStore, ReadWholeStringReadsPastAnyBuffer) {
  std::string text(5000, 'w');
  ASSERT_TRUE(WriteString(HKEY_CURRENT_USER, "", "Long", text.c_str()));
  ASSERT_TRUE(SetRaw(moduleKey, "Bare", REG_SZ, "abc", 3));  // stored without its terminator
  char* whole = ReadWholeString(HKEY_CURRENT_USER, "", "Long");
  ASSERT_NE(nullptr, whole);
  EXPECT_EQ(text, whole);
  GlobalFree(whole);
  whole = ReadWholeString(HKEY_CURRENT_USER, "", "Bare");
  ASSERT_NE(nullptr, whole);
  EXPECT_STREQ("abc", whole);
  GlobalFree(whole);
  EXPECT_EQ(nullptr, ReadWholeString(HKEY_CURRENT_USER, "", "Missing"));
}

bool AcceptNothing(HKEY, const char*, const char*, void*) {
  return false;
}

struct Seen {
  std::vector<std::string> names;
  std::string subPath;
  const char* accept;
};

bool RecordAndAccept(HKEY, const char* subPath, const char* name, void* userData) {
  Seen* seen = static_cast<Seen*>(userData);
  seen->names.push_back(name);
  seen->subPath = subPath;
  return strcmp(name, seen->accept) == 0;
}

TEST_F(RegistryStore, FindSubKeyStopsAtTheFirstAcceptedInRegistryOrder) {
  for (const char* name : {"Beta", "Alpha", "Gamma"})
    WriteDword(HKEY_CURRENT_USER, (std::string("Extensions\\") + name).c_str(), "RegNum", 1);
  Seen seen{{}, "", "Beta"};
  char dest[16];
  ASSERT_TRUE(FindSubKey(HKEY_CURRENT_USER, "Extensions", RecordAndAccept, &seen, dest, 15));
  EXPECT_STREQ("Beta", dest);
  EXPECT_EQ((std::vector<std::string>{"Alpha", "Beta"}), seen.names);
  EXPECT_EQ("Extensions", seen.subPath);  // handed through, not the full path
}

TEST_F(RegistryStore, FindSubKeyAcceptingNothingLeavesTheDestination) {
  WriteDword(HKEY_CURRENT_USER, "Extensions\\A", "RegNum", 1);
  char dest[8] = "keep";
  EXPECT_FALSE(FindSubKey(HKEY_CURRENT_USER, "Extensions", AcceptNothing, nullptr, dest, 7));
  EXPECT_STREQ("keep", dest);
  EXPECT_FALSE(FindSubKey(HKEY_CURRENT_USER, "Missing", AcceptNothing, nullptr, dest, 7));
  EXPECT_STREQ("keep", dest);
}

TEST_F(RegistryStore, FindSubKeyCutsALongNameAtN) {
  WriteDword(HKEY_CURRENT_USER, "Extensions\\LongSetName", "RegNum", 1);
  Seen seen{{}, "", "LongSetName"};
  char dest[8];
  memset(dest, '#', sizeof dest);
  ASSERT_TRUE(FindSubKey(HKEY_CURRENT_USER, "Extensions", RecordAndAccept, &seen, dest, 4));
  EXPECT_STREQ("Long", dest);
  EXPECT_EQ('#', dest[5]);
}

TEST_F(RegistryStore, SubKeyNameAtGivesWholeNamesByPosition) {
  std::string longName(200, 'L');
  WriteDword(HKEY_CURRENT_USER, ("Extensions\\" + longName).c_str(), "RegNum", 1);
  WriteDword(HKEY_CURRENT_USER, "Extensions\\Z", "RegNum", 1);
  char name[kSubKeyNameSize];
  ASSERT_TRUE(SubKeyNameAt(HKEY_CURRENT_USER, "Extensions", 0, name));
  EXPECT_EQ(longName, name);
  ASSERT_TRUE(SubKeyNameAt(HKEY_CURRENT_USER, "Extensions", 1, name));
  EXPECT_STREQ("Z", name);
  EXPECT_FALSE(SubKeyNameAt(HKEY_CURRENT_USER, "Extensions", 2, name));
  EXPECT_STREQ("", name);
  EXPECT_FALSE(SubKeyNameAt(HKEY_CURRENT_USER, "Extensions", -1, name));
}

bool FillWithName(HKEY, const char*, const char* name, FarMenuItem* item, int* selection,
                  const char* currentName) {
  strcpy(item->Text, name);
  item->Checked = 7;  // the store must keep what the filler wrote
  return *selection == -1 && currentName && strcmp(name, currentName) == 0;
}

TEST_F(RegistryStore, CollectSubKeysGivesOneEmptyItemWithoutSubKeys) {
  ASSERT_TRUE(CreateKey(Path("Empty")));
  for (const char* subPath : {"Missing", "Empty"}) {
    SCOPED_TRACE(subPath);
    FarMenuItem* items = nullptr;
    int selection = -1;
    ASSERT_EQ(
        1, CollectSubKeys(HKEY_CURRENT_USER, subPath, FillWithName, &items, &selection, nullptr));
    ASSERT_NE(nullptr, items);
    EXPECT_STREQ("", items[0].Text);
    EXPECT_EQ(0, items[0].Selected);
    EXPECT_EQ(0, items[0].Checked);
    EXPECT_EQ(0, items[0].Separator);
    GlobalFree(items);
  }
}

TEST_F(RegistryStore, CollectSubKeysKeepsTwentyFiveItemsAcrossThreeGrowths) {
  for (int i = 24; i >= 0; --i) {
    char subPath[32];
    wsprintfA(subPath, "Extensions\\set%02d", i);
    WriteDword(HKEY_CURRENT_USER, subPath, "RegNum", i);
  }
  FarMenuItem* items = nullptr;
  int selection = -1;
  int count =
      CollectSubKeys(HKEY_CURRENT_USER, "Extensions", FillWithName, &items, &selection, "set17");
  ASSERT_EQ(25, count);
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(i);
    char expected[16];
    wsprintfA(expected, "set%02d", i);
    EXPECT_STREQ(expected, items[i].Text);
    EXPECT_EQ(i == 17 ? 1 : 0, items[i].Selected);
    EXPECT_EQ(7, items[i].Checked);
    EXPECT_EQ(0, items[i].Separator);
  }
  GlobalFree(items);
}

}  // namespace
}  // namespace settings_test
