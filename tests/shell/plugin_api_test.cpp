// Layout of the host's structures as this build sees them. The 32-bit sizes
// and offsets are also checked at compile time in plugin_api.h.
#include "shell/plugin_api.h"

#include <gtest/gtest.h>

TEST(PluginApi, PointerFieldsHoldPointers) {
  EXPECT_EQ(sizeof(PluginStartupInfo::RootKey), sizeof(void*));
  EXPECT_EQ(sizeof(FarDialogItem::History), sizeof(void*));
  EXPECT_EQ(sizeof(EditorInfo::FileName), sizeof(void*));
  EXPECT_EQ(sizeof(FarDialogItem::Data), 512u);
  EXPECT_EQ(sizeof(FarMenuItem::Text), 128u);
}

TEST(PluginApi, InputRecordKeepsTheConsoleLayout) {
  EXPECT_EQ(sizeof(INPUT_RECORD), 20u);
  EXPECT_EQ(offsetof(INPUT_RECORD, Event.KeyEvent.wVirtualKeyCode), 10u);
  EXPECT_EQ(offsetof(INPUT_RECORD, Event.KeyEvent.dwControlKeyState), 16u);
}
