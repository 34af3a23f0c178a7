// EditorControl over the editor: lines, info, positions, and the view that
// follows the cursor.
#include "host_fixture.h"

namespace host_test {
namespace {

class EditorControl : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    std::vector<std::string> lines;
    for (int i = 0; i < 100; ++i) lines.push_back("line " + std::to_string(i));
    h().editor().SetText(lines);
    h().editor().SetFileName("C:\\work\\file.c");
  }
  void SetPosition(int line, int pos, int top = -1, int left = -1) {
    EditorSetPosition p = {line, pos, -1, top, left, -1};
    ASSERT_TRUE(info().EditorControl(ECTL_SETPOSITION, &p));
  }
  EditorInfo Info() {
    EditorInfo ei;
    info().EditorControl(ECTL_GETINFO, &ei);
    return ei;
  }
};

TEST_F(EditorControl, GetStringReadsTheCursorLineOrANumberedOne) {
  SetPosition(42, 3);
  EditorGetString s = {};
  s.StringNumber = -1;
  ASSERT_TRUE(info().EditorControl(ECTL_GETSTRING, &s));
  EXPECT_EQ("line 42", std::string(s.StringText, s.StringLength));
  s.StringNumber = 99;
  ASSERT_TRUE(info().EditorControl(ECTL_GETSTRING, &s));
  EXPECT_EQ("line 99", std::string(s.StringText, s.StringLength));
  EXPECT_STREQ("", s.StringEOL);
  s.StringNumber = 100;
  EXPECT_FALSE(info().EditorControl(ECTL_GETSTRING, &s));
  EXPECT_FALSE(info().EditorControl(ECTL_GETSTRING, nullptr));
}

TEST_F(EditorControl, SetPositionKeepsWhatIsMinusOneAndTheViewFollows) {
  SetPosition(50, 4);
  EditorInfo ei = Info();
  EXPECT_EQ(50, ei.CurLine);
  EXPECT_EQ(4, ei.CurPos);
  EXPECT_EQ(50 - 23 + 1, ei.TopScreenLine);  // scrolled just enough: 23 text rows
  SetPosition(40, -1);
  ei = Info();
  EXPECT_EQ(4, ei.CurPos);
  EXPECT_EQ(28, ei.TopScreenLine);  // still on the window: the view stays
  SetPosition(10, 0, 5, 0);
  ei = Info();
  EXPECT_EQ(5, ei.TopScreenLine);
  SetPosition(500, -1);
  EXPECT_EQ(99, Info().CurLine);  // clamped to the last line
  EXPECT_EQ(100, Info().TotalLines);
  EXPECT_STREQ("C:\\work\\file.c", Info().FileName);
}

TEST_F(EditorControl, TracingOffRecordsNothing) {
  host::HostOptions options;
  options.trace = false;
  Reset(options);
  SetPosition(0, 0);
  EditorGetString s = {};
  s.StringNumber = -1;
  info().EditorControl(ECTL_GETSTRING, &s);
  EXPECT_TRUE(h().Trace().empty());
}

TEST_F(EditorControl, CallsAreTracedWithTheirKeyFields) {
  SetPosition(7, 2);
  EXPECT_NE(std::string::npos, LastTrace().find("\"command\":\"ECTL_SETPOSITION\",\"curLine\":7"));
  Info();
  EXPECT_NE(std::string::npos, LastTrace().find("\"curLine\":7,\"curPos\":2"));
  EXPECT_FALSE(info().EditorControl(99, nullptr));
  EXPECT_NE(std::string::npos, LastTrace().find("\"error\":\"null parameter\""));
}

TEST_F(EditorControl, EditorKeysMoveTheCursorAndEditTheText) {
  h().editor().SetText({"abc", "def"});
  host::Editor& e = h().editor();
  e.ProcessKey(VK_END, 0, 0);
  e.ProcessKey('X', SHIFT_PRESSED, 'X');
  e.ProcessKey(VK_DOWN, 0, 0);
  e.ProcessKey(VK_HOME, 0, 0);
  e.ProcessKey(VK_DELETE, 0, 0);
  EXPECT_EQ("abcX", e.Line(0));
  EXPECT_EQ("ef", e.Line(1));
  e.ProcessKey(VK_BACK, 0, 8);
  EXPECT_EQ("abcXef", e.Line(0));
  EXPECT_EQ(1, e.TotalLines());
  e.ProcessKey(VK_RETURN, 0, '\r');
  EXPECT_EQ(2, e.TotalLines());
  EXPECT_TRUE(e.Modified());
}

}  // namespace
}  // namespace host_test
