// The Message service with and without buttons, and SaveScreen/RestoreScreen.
#include "host_fixture.h"

namespace host_test {
namespace {

using Message = HostTest;

TEST_F(Message, WithButtonsItWaitsAndReturnsTheButton) {
  const char* items[] = {"Title", "Line one", "&Yes", "&No"};
  struct Case {
    const char* keys;
    int result;
  } cases[] = {{"Enter", 0}, {"Right Enter", 1}, {"Tab Tab Enter", 0}, {"Esc", -1}, {"\"n\"", 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    Keys(c.keys);
    EXPECT_EQ(c.result, info().Message(0, 0, nullptr, items, 4, 2));
    EXPECT_FALSE(ScreenHas("Line one"));
  }
}

// A key typed before the box came up is thrown away, as the host empties the
// console queue: only a key pressed while the box is shown answers it.
TEST_F(Message, KeysTypedBeforeTheBoxNeverAnswerIt) {
  const char* items[] = {"Title", "Line one", "&Yes", "&No"};
  ASSERT_TRUE(h().TypeAhead("Enter"));
  Keys("Right Enter");
  EXPECT_EQ(1, info().Message(0, 0, nullptr, items, 4, 2));
}

TEST_F(Message, WithoutButtonsItStaysDrawnAndReturnsAtOnce) {
  const char* items[] = {"Progress", "Scanned 10%"};
  HANDLE saved = info().SaveScreen(0, 0, -1, -1);
  EXPECT_EQ(-1, info().Message(0, 0, nullptr, items, 2, 0));
  EXPECT_FALSE(h().ScriptEndedInModal());
  EXPECT_TRUE(ScreenHas("═ Progress ═"));
  EXPECT_TRUE(ScreenHas("║ Scanned 10% ║"));
  info().RestoreScreen(saved);
  EXPECT_FALSE(ScreenHas("Progress"));
}

TEST_F(Message, LinesAreCentredAndButtonsShareTheLastRow) {
  const char* items[] = {"Warning", "short", "a longer line", "OK"};
  Keys("Snap Enter");
  info().Message(0, FMSG_WARNING, nullptr, items, 4, 1);
  const std::string& snap = h().Snaps().back();
  EXPECT_NE(std::string::npos, snap.find("║     short     ║"));
  EXPECT_NE(std::string::npos, snap.find("║ a longer line ║"));
  EXPECT_NE(std::string::npos, snap.find("║      OK       ║"));  // no brackets, as the host
}

TEST_F(Message, BadCountsAreRefused) {
  const char* items[] = {"Title", "Line"};
  EXPECT_EQ(-1, info().Message(0, 0, nullptr, nullptr, 2, 0));
  EXPECT_EQ(-1, info().Message(0, 0, nullptr, items, 2, 2));
  EXPECT_EQ(-1, info().Message(0, 0, nullptr, items, 0, 0));
  EXPECT_NE(std::string::npos, LastTrace().find("\"error\""));
}

TEST_F(Message, RestoreScreenPutsBackARectangleAndForgetsTheHandle) {
  std::string before = h().ScreenText();
  HANDLE part = info().SaveScreen(10, 5, 30, 8);
  const char* items[] = {"A box over the saved part", "text"};
  info().Message(0, 0, nullptr, items, 2, 0);
  EXPECT_NE(before, h().ScreenText());
  HANDLE whole = info().SaveScreen(0, 0, -1, -1);
  info().RestoreScreen(part);
  EXPECT_NE(before, h().ScreenText());  // only the rectangle came back
  info().RestoreScreen(whole);
  h().RedrawEditor();
  EXPECT_EQ(before, h().ScreenText());
  info().RestoreScreen(part);  // a second restore of one handle is refused
  EXPECT_NE(std::string::npos, LastTrace().find("already restored"));
}

}  // namespace
}  // namespace host_test
