// Terminal bytes to keys, as the interactive program reads them.
#include "host/terminal_keys.h"

#include "host_fixture.h"

namespace host_test {
namespace {

TEST(TerminalKeys, SequencesBecomeTheKeysScriptsName) {
  struct Case {
    const char* bytes;
    int used;
    const char* name;
  } cases[] = {
      {"\x1b[23~", 5, "F11"},
      {"\x1b[20;4~", 7, "AltShiftF9"},
      {"\x1b[1;5C", 6, "CtrlRight"},
      {"\x1b[1;5D", 6, "CtrlLeft"},
      {"\x1bOP", 3, "F1"},
      {"\x1b[A", 3, "Up"},
      {"\x1b[Z", 3, "ShiftTab"},
      {"\x1b[5~", 4, "PgUp"},
      {"\x1b[3~", 4, "Del"},
      {"\x1b[H", 3, "Home"},
      {"\r", 1, "Enter"},
      {"\x7f", 1, "BS"},
      {"\t", 1, "Tab"},
      {"\x19", 1, "CtrlY"},
      {"\x1bx", 2, "AltX"},
      {"a", 1, "\"a\""},
      {"я", 2, "\"я\""},
      {"€", 3, "\"?\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    host::ScriptKey key;
    ASSERT_EQ(c.used, host::DecodeTerminalKey(c.bytes, true, &key));
    EXPECT_EQ(c.name, host::KeyName(key.vk, key.control, key.ch));
  }
}

TEST(TerminalKeys, AnUnfinishedSequenceWaitsUnlessNoMoreBytesCome) {
  host::ScriptKey key;
  EXPECT_EQ(0, host::DecodeTerminalKey("\x1b", false, &key));
  EXPECT_EQ(1, host::DecodeTerminalKey("\x1b", true, &key));
  EXPECT_EQ(VK_ESCAPE, key.vk);
  EXPECT_EQ(0, host::DecodeTerminalKey("\x1b[2", false, &key));
  EXPECT_EQ(0, host::DecodeTerminalKey("\xD1", false, &key));
  EXPECT_EQ(-1, host::DecodeTerminalKey("\xD1", true, &key));
  EXPECT_EQ(5, host::DecodeTerminalKey("\x1b[99~x", true, &key));  // unknown: swallowed whole
}

}  // namespace
}  // namespace host_test
