// UTF-8 and the OEM/ANSI tables, on loading a file and on the screen.
#include "host/code_pages.h"

#include <string.h>

#include "host_fixture.h"

namespace host_test {
namespace {

TEST(CodePages, Utf8ToOemAndBack) {
  struct Case {
    const char* utf8;
    const char* oem;
    int unmapped;
  } cases[] = {
      {"plain", "plain", 0},
      {"Привет", "\x8F\xE0\xA8\xA2\xA5\xE2", 0},
      {"ёЁ", "\xF1\xF0", 0},
      {"│┌─┐╔═╗", "\xB3\xDA\xC4\xBF\xC9\xCD\xBB", 0},
      {"€ and ü", "? and ?", 2},
      {"\xFF bad \xC3", "? bad ?", 2},  // malformed bytes count as unmapped
      {"√№", "\xFB\xFC", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.utf8);
    int unmapped = 0;
    EXPECT_EQ(c.oem, host::Utf8ToOem(c.utf8, &unmapped));
    EXPECT_EQ(c.unmapped, unmapped);
    if (c.unmapped == 0) {
      EXPECT_EQ(c.utf8, host::OemToUtf8(c.oem));
    }
  }
}

TEST(CodePages, AnsiAndOemConvertThroughUnicode) {
  EXPECT_EQ(0x8F, host::AnsiToOemByte(0xCF));  // П
  EXPECT_EQ(0xF1, host::AnsiToOemByte(0xB8));  // ё
  EXPECT_EQ('?', host::AnsiToOemByte(0x80));   // Ђ has no OEM form
  EXPECT_EQ(0xCF, host::OemToAnsiByte(0x8F));
  EXPECT_EQ('?', host::OemToAnsiByte(0xB3));  // box drawing has no ANSI form
  EXPECT_EQ("Жук", host::AnsiToUtf8("\xC6\xF3\xEA"));
  for (int c = 0; c < 256; ++c) {
    int oem = host::UnicodeToOem(host::OemToUnicode(static_cast<unsigned char>(c)));
    EXPECT_EQ(c, oem);
  }
}

TEST(CodePages, ScreenGlyphsShowControlBytesAsPictures) {
  EXPECT_EQ(0x2193u, host::OemGlyph(0x19));
  EXPECT_EQ(0x25B2u, host::OemGlyph(0x1E));
  EXPECT_EQ(0x2502u, host::OemGlyph(0xB3));
  EXPECT_EQ(static_cast<uint32_t>(' '), host::OemGlyph(0));
}

using Loading = HostTest;

TEST_F(Loading, AUtf8FileIsHeldInOemAndShownInUtf8) {
  ScratchDir dir;
  std::string path = dir.Write("f.txt", "\xEF\xBB\xBFline │ one\r\nстрока €\n\nlast");
  std::string error;
  ASSERT_TRUE(h().editor().LoadFile(path, "utf8", &error)) << error;
  host::Editor& e = h().editor();
  ASSERT_EQ(4, e.TotalLines());
  EXPECT_EQ("line \xB3 one", e.Line(0));
  EXPECT_EQ("\xE1\xE2\xE0\xAE\xAA\xA0 ?", e.Line(1));
  EXPECT_EQ("", e.Line(2));
  EXPECT_EQ("last", e.Line(3));
  EXPECT_EQ(1, e.UnmappedChars());
  h().RedrawEditor();
  EXPECT_EQ("line │ one", Row(1));
  EXPECT_EQ("строка ?", Row(2));
}

TEST_F(Loading, AnAnsiFileConvertsOnlyThroughEditorToOem) {
  ScratchDir dir;
  std::string path = dir.Write("a.txt", "\xCF\xF0\xE8\xE2\xE5\xF2\n");
  ASSERT_TRUE(h().editor().LoadFile(path, "ansi", nullptr));
  EditorGetString line = {};
  line.StringNumber = 0;
  ASSERT_TRUE(info().EditorControl(ECTL_GETSTRING, &line));
  std::string text(line.StringText, line.StringLength);
  EXPECT_EQ("\xCF\xF0\xE8\xE2\xE5\xF2", text);
  EditorConvertText convert = {&text[0], static_cast<int>(text.size())};
  ASSERT_TRUE(info().EditorControl(ECTL_EDITORTOOEM, &convert));
  EXPECT_EQ("\x8F\xE0\xA8\xA2\xA5\xE2", text);
  EditorInfo ei = {};
  info().EditorControl(ECTL_GETINFO, &ei);
  EXPECT_EQ(1, ei.AnsiMode);
  h().RedrawEditor();
  EXPECT_EQ("Привет", Row(1));
}

TEST_F(Loading, AUtf8FileGoesIntoTheTablesCodePageAndF8SwitchesTables) {
  ScratchDir dir;
  std::string path = dir.Write(
      "f.txt", "\xEF\xBB\xBF\xD1\x81\xD1\x82\xD1\x80\xD0\xBE\xD0\xBA\xD0\xB0 \xE2\x94\x82\n");
  host::Editor& e = h().editor();
  e.SetAnsi(true);
  ASSERT_TRUE(e.LoadFile(path, "utf8", nullptr));
  EXPECT_TRUE(e.Ansi());
  EXPECT_EQ("\xF1\xF2\xF0\xEE\xEA\xE0 ?", e.Line(0));  // 1251 has no box drawing
  EXPECT_EQ(1, e.UnmappedChars());
  ASSERT_TRUE(e.ProcessKey(VK_F8, 0, 0));
  EXPECT_FALSE(e.Ansi());
  EXPECT_EQ("\xF1\xF2\xF0\xEE\xEA\xE0 ?", e.Line(0));  // the bytes stay as they are
  EXPECT_FALSE(e.ProcessKey(VK_F8, SHIFT_PRESSED, 0));
  ASSERT_TRUE(e.ProcessKey(VK_F8, 0, 0));
  EXPECT_TRUE(e.Ansi());
  h().RedrawEditor();
  EXPECT_EQ("строка ?", Row(1));
}

// Lines stay in the loaded block until they are read whole or edited; the
// text handed out for one line stays put while others are taken out, and
// edits across taken and untaken lines keep every line in its place.
TEST_F(Loading, LinesTakenOutOfTheFileStayValidAndEditsKeepTheirPlaces) {
  ScratchDir dir;
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "l\xD0\xB6ne " + std::to_string(i) + "\n";
  std::string path = dir.Write("many.txt", text);
  ASSERT_TRUE(h().editor().LoadFile(path, "utf8", nullptr));
  host::Editor& e = h().editor();
  ASSERT_EQ(3001, e.TotalLines());
  const std::string& first = e.Line(0);
  for (int i = 1; i < 3000; i += 2) e.Line(i);
  EXPECT_EQ("l\xA6ne 0", first);
  int length = 0;
  EXPECT_EQ(0, memcmp(e.LineData(2998, &length), "l\xA6ne 2998", 9));
  EXPECT_EQ(9, length);
  e.SetCursor(10, 0);
  ASSERT_TRUE(e.ProcessKey(VK_BACK, 0, 8));     // joins line 10 onto line 9
  ASSERT_TRUE(e.ProcessKey(VK_RETURN, 0, 13));  // and splits it again
  e.SetCursor(2000, 0);
  ASSERT_TRUE(e.ProcessKey(VK_DELETE, 0, 0));
  EXPECT_EQ(3001, e.TotalLines());
  EXPECT_EQ("l\xA6ne 9", e.Line(9));
  EXPECT_EQ("l\xA6ne 10", e.Line(10));
  EXPECT_EQ("\xA6ne 2000", e.Line(2000));
  EXPECT_EQ("l\xA6ne 2001", e.Line(2001));
  EXPECT_EQ("", e.Line(3000));
}

TEST_F(Loading, AMissingFileOrBadEncodingIsReported) {
  std::string error;
  EXPECT_FALSE(h().editor().LoadFile("/nonexistent/file.c", "utf8", &error));
  EXPECT_NE(std::string::npos, error.find("/nonexistent/file.c"));
  EXPECT_FALSE(h().editor().LoadFile("x", "koi8", &error));
  EXPECT_NE(std::string::npos, error.find("koi8"));
}

}  // namespace
}  // namespace host_test
