// CmpName masks as the host matches them.
#include "host_fixture.h"

namespace host_test {
namespace {

using CmpName = HostTest;

TEST_F(CmpName, MasksAsTheHostMatchesThem) {
  struct Case {
    const char* mask;
    const char* name;
    int skipPath;
    int result;
  } cases[] = {
      {"*.c", "main.c", 1, 1},
      {"*.c", "MAIN.C", 1, 1},
      {"*.c", "main.cpp", 1, 0},
      {"*.c", "a.b.c", 1, 1},
      {"*.*", "README", 1, 1},
      {"*.", "README", 1, 1},
      {"*.", "read.me", 1, 0},
      {"?.c", "a.c", 1, 1},
      {"?.c", ".c", 1, 0},
      {"m*n.c", "main.c", 1, 1},
      {"[a-c]*", "Beta", 1, 1},
      {"[a-c]*", "delta", 1, 0},
      {"[x]*", "X1", 1, 0},
      {"[x]*", "x1", 1, 1},
      {"[,;]x", ",x", 1, 1},
      {"[a", "[a", 1, 1},
      {"[-a]b", "-b", 1, 1},
      {"name.*", "name", 1, 1},
      {"*.pas", "C:\\src\\q.pas", 1, 1},
      {"*.pas", "/home/u/q.PAS", 1, 1},
      {"q.pas", "C:\\src\\q.pas", 0, 0},
      {"*q.pas", "C:\\src\\q.pas", 0, 1},
      {"*", "", 1, 1},
      {"", "a", 1, 0},
      {"\x8F*", "\xAF\xE0\xAE", 1, 1},  // OEM Cyrillic compares without case
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " ~ " + c.name);
    EXPECT_EQ(c.result, info().CmpName(c.mask, c.name, c.skipPath));
  }
}

TEST_F(CmpName, NullArgumentsGiveFalseAndAreTraced) {
  EXPECT_EQ(FALSE, info().CmpName(nullptr, "a", 1));
  EXPECT_NE(std::string::npos, LastTrace().find("\"error\""));
  EXPECT_EQ(FALSE, info().CmpName("*", nullptr, 1));
}

}  // namespace
}  // namespace host_test
