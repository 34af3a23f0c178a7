// The Menu service: start selection, movement with and without wrap, break
// keys with exact modifiers, hotkeys, the scroll bar and the size limit.
#include "host_fixture.h"
#include "host/screen.h"

namespace host_test {
namespace {

class Menu : public HostTest {
 protected:
  int Run(const std::string& keys, std::vector<FarMenuItem> items, DWORD flags = 0,
          const int* breakKeys = nullptr, int* breakCode = nullptr) {
    menu = items;
    Keys(keys);
    return info().Menu(0, -1, -1, 0, flags, "Title", "Bottom", nullptr, breakKeys, breakCode,
                       menu.data(), static_cast<int>(menu.size()));
  }
  static std::vector<FarMenuItem> Items(int n) {
    std::vector<FarMenuItem> items;
    for (int i = 0; i < n; ++i) items.push_back(MenuItem(("item " + std::to_string(i)).c_str()));
    return items;
  }
  static size_t Count(const std::string& text, const std::string& part) {
    size_t n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  std::vector<FarMenuItem> menu;
};

TEST_F(Menu, MovementWithAndWithoutWrap) {
  std::vector<FarMenuItem> items = Items(5);
  items[2] = MenuItem("", 0, 1);  // a separator is stepped over
  struct Case {
    const char* keys;
    DWORD flags;
    int result;
  } cases[] = {
      {"Enter", 0, 0},
      {"Down Enter", 0, 1},
      {"Down Down Enter", 0, 3},
      {"Up Enter", 0, 0},
      {"Up Enter", FMENU_WRAPMODE, 4},
      {"End Down Enter", 0, 4},
      {"End Down Enter", FMENU_WRAPMODE, 0},
      {"End Home Enter", 0, 0},
      {"PgDn Enter", 0, 4},
      {"Esc", 0, -1},
      {"F10", 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    EXPECT_EQ(c.result, Run(c.keys, items, c.flags));
  }
}

TEST_F(Menu, TheFirstSelectedItemIsTheStart) {
  std::vector<FarMenuItem> items = Items(4);
  items[2].Selected = 1;
  items[3].Selected = 1;
  EXPECT_EQ(2, Run("Enter", items));
  EXPECT_EQ(3, Run("Down Enter", items));
}

TEST_F(Menu, BreakKeysMatchOnlyWithExactlyTheirModifiers) {
  const int breakKeys[] = {VK_INSERT, VK_DELETE, VK_F4, VK_RETURN | (PKF_CONTROL << 16), 0};
  struct Case {
    const char* keys;
    int result, breakCode;
  } cases[] = {
      {"Down Ins", 1, 0},      {"Del", 0, 1},    {"Down Down F4", 2, 2},
      {"CtrlEnter", 0, 3},     {"Enter", 0, -1}, {"ShiftDel Esc", -1, -1},
      {"CtrlF4 Enter", 0, -1}, {"Esc", -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    int code = 99;
    EXPECT_EQ(c.result, Run(c.keys, Items(3), 0, breakKeys, &code));
    EXPECT_EQ(c.breakCode, code);
  }
}

TEST_F(Menu, AmpersandsAreHotkeysUnlessShown) {
  std::vector<FarMenuItem> items = {MenuItem("&Alpha"), MenuItem("&Beta")};
  EXPECT_EQ(1, Run("\"b\"", items));
  Keys("Snap Esc");
  info().Menu(0, -1, -1, 0, 0, "T", nullptr, nullptr, nullptr, nullptr, items.data(), 2);
  EXPECT_NE(std::string::npos, h().Snaps().back().find(" Alpha "));
  Keys("Snap Esc");
  info().Menu(0, -1, -1, 0, FMENU_SHOWAMPERSAND, "T", nullptr, nullptr, nullptr, nullptr,
              items.data(), 2);
  EXPECT_NE(std::string::npos, h().Snaps().back().find("&Alpha"));
}

TEST_F(Menu, ACutItemEndsInTheHostsMark) {
  std::string longText(100, 'x');
  std::vector<FarMenuItem> items = {MenuItem(longText.c_str()), MenuItem("short")};
  Keys("Snap Enter");
  info().Menu(0, -1, -1, 0, 0, "T", nullptr, nullptr, nullptr, nullptr, items.data(), 2);
  const std::string& snap = h().Snaps().back();
  EXPECT_NE(std::string::npos, snap.find("xx»║")) << snap;
  EXPECT_EQ(1u, Count(snap, "»"));  // the item that fits has none
  // The mark lies outside the OEM table: a box saved and restored over it keeps it.
  host::Screen screen(10, 2);
  screen.PutGlyph(3, 1, 0xBB, 0x07);
  host::SavedRect under = screen.Save(0, 0, -1, -1);
  screen.Fill(0, 0, 9, 1, 'a', 0x07);
  EXPECT_EQ("aaaaaaaaaa", screen.RowUtf8(1));
  screen.Restore(under);
  EXPECT_EQ("   »      ", screen.RowUtf8(1));
}

TEST_F(Menu, ManyItemsScrollWithABar) {
  Keys("End Snap Enter");
  std::vector<FarMenuItem> items = Items(40);
  EXPECT_EQ(39, info().Menu(0, -1, -1, 0, 0, "Title", "Bottom", nullptr, nullptr, nullptr,
                            items.data(), 40));
  const std::string& snap = h().Snaps().back();
  EXPECT_NE(std::string::npos, snap.find("item 39"));
  EXPECT_EQ(std::string::npos, snap.find("item 0 "));
  EXPECT_NE(std::string::npos, snap.find("▲"));
  EXPECT_NE(std::string::npos, snap.find("▼"));
  EXPECT_NE(std::string::npos, snap.find("═ Title ═"));
  EXPECT_NE(std::string::npos, snap.find("═ Bottom ═"));
}

TEST_F(Menu, TheMenuIsTracedWithItemsResultAndBreakCode) {
  const int breakKeys[] = {VK_F4, 0};
  int code = 0;
  Run("Down F4", Items(2), FMENU_WRAPMODE, breakKeys, &code);
  const std::string& line = LastTrace();
  EXPECT_NE(std::string::npos, line.find("\"flags\":\"0x2\""));
  EXPECT_NE(std::string::npos, line.find("\"breakKeys\":[\"F4\"]"));
  EXPECT_NE(std::string::npos, line.find("{\"text\":\"item 1\""));
  EXPECT_NE(std::string::npos, line.find("\"result\":1,\"breakCode\":0}"));
}

TEST_F(Menu, NoItemsOrANullArrayNeverCrash) {
  int code = 5;
  EXPECT_EQ(-1, info().Menu(0, -1, -1, 0, 0, "T", nullptr, nullptr, nullptr, &code, nullptr, 3));
  EXPECT_EQ(-1, code);
  Keys("Enter");
  EXPECT_EQ(-1, info().Menu(0, -1, -1, 0, 0, "T", nullptr, nullptr, nullptr, nullptr, nullptr, 0));
}

TEST_F(Menu, AMenuTooLargeForTheRealHostIsRefusedAsAFreeze) {
  // 20,000 items still come up (the real host needs over a second for them);
  // one more is refused: the real host would hang for a long time.
  EXPECT_EQ(19999, Run("End Enter", Items(20000)));
  EXPECT_EQ(0, h().FrozenMenuItems());
  int code = 5;
  EXPECT_EQ(-1, Run("Enter", Items(20001), 0, nullptr, &code));
  EXPECT_EQ(-1, code);
  EXPECT_EQ(20001, h().FrozenMenuItems());
  EXPECT_NE(std::string::npos, LastTrace().find("\"error\":\"the real host freezes"));
  EXPECT_EQ(1, h().PendingScriptKeys());  // the key is still waiting: no menu read it
}

}  // namespace
}  // namespace host_test
