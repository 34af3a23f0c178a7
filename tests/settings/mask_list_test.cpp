// Splitting mask lists (the bracket rule, blanks after commas, empty items).
// Matching goes through the host's CmpName and is covered with the rule sets.
#include "settings/mask_list.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Split(const char* list, size_t itemSize = 512) {
  std::vector<std::string> items;
  std::vector<char> item(itemSize + 1, '#');
  for (const char* rest = SplitMaskList(list, item.data(), itemSize); rest;
       rest = SplitMaskList(rest, item.data(), itemSize)) {
    items.push_back(item.data());
    EXPECT_EQ('#', item[itemSize]);
  }
  return items;
}

TEST(SplitMaskList, SplitsAsTheExamplesSay) {
  struct Case {
    const char* list;
    std::vector<std::string> items;
  } cases[] = {
      {"*.c,*.h", {"*.c", "*.h"}},
      {"*.c,  *.h", {"*.c", "*.h"}},
      {"*.c ,*.h", {"*.c ", "*.h"}},
      {"*.c,\t\r\n*.h", {"*.c", "*.h"}},
      {" *.c", {" *.c"}},
      {"*[,]*,*.x", {"*[,]*", "*.x"}},
      {"a[b,c", {"a[b", "c"}},
      {"a]b,c", {"a]b", "c"}},
      {"[a,b]x,[,;],y", {"[a,b]x", "[,;]", "y"}},
      {"*.c,", {"*.c"}},
      {",*.c", {"", "*.c"}},
      {"*.c,,*.h", {"*.c", "", "*.h"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.list);
    EXPECT_EQ(c.items, Split(c.list));
  }
}

TEST(SplitMaskList, NullListIsExhausted) {
  char item[4];
  EXPECT_EQ(nullptr, SplitMaskList(nullptr, item, sizeof item));
}

TEST(SplitMaskList, AnItemAsLongAsTheListFitsAndASmallBufferCuts) {
  std::string whole(511, 'a');
  EXPECT_EQ(std::vector<std::string>{whole}, Split(whole.c_str()));
  EXPECT_EQ((std::vector<std::string>{"abc", "x"}), Split("abcdef,x", 4));
}

}  // namespace
