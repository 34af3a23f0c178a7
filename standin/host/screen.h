// The console screen: a grid of OEM character cells with colour attributes,
// on which the editor, dialogs, menus and messages are drawn, and the saved
// rectangles of SaveScreen/RestoreScreen.
// Covered by tests/standin/host/screen_test.cpp.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

namespace host {

struct Cell {
  unsigned char ch = ' ';
  unsigned char attr = 0x07;
  // A character the OEM table lacks (the host draws such marks through the
  // Unicode console), shown instead of ch when not 0.
  uint32_t glyph = 0;
  uint32_t Shown() const;
};

// Colours as the host's default palette uses them (background << 4 | text).
enum : unsigned char {
  kEditorText = 0x1B,
  kEditorStatus = 0x30,
  kKeyBarNumber = 0x07,
  kKeyBarText = 0x30,
  kDialogText = 0x70,
  kDialogBox = 0x7F,
  kDialogHotkey = 0x7E,
  kDialogEdit = 0x30,
  kDialogEditUnchanged = 0x3F,
  kDialogFocus = 0x30,
  kWarningText = 0x4F,
  kWarningFocus = 0x70,
  kMenuText = 0x3F,
  kMenuBox = 0x3F,
  kMenuSelected = 0x0F,
  kMenuHotkey = 0x3E,
  kHelpText = 0x30,
  kHelpBold = 0x3F,
  kHelpLink = 0x3E,
  kHelpSelectedLink = 0x0E,
  kShadow = 0x08,
};

struct SavedRect {
  int x1, y1, x2, y2;
  std::vector<Cell> cells;
};

class Screen {
 public:
  Screen(int columns, int rows);
  int Columns() const { return columns_; }
  int Rows() const { return rows_; }
  const Cell& At(int x, int y) const;
  void Put(int x, int y, unsigned char ch, unsigned char attr);
  void PutGlyph(int x, int y, uint32_t glyph, unsigned char attr);
  void SetAttr(int x, int y, unsigned char attr);
  // Writes OEM text from (x, y), clipped at the screen edge and after `width`
  // cells when width >= 0. Returns the number of cells written.
  int Text(int x, int y, const std::string& text, unsigned char attr, int width = -1);
  void Fill(int x1, int y1, int x2, int y2, unsigned char ch, unsigned char attr);
  // A frame of single or double lines on the given rectangle.
  void Box(int x1, int y1, int x2, int y2, bool doubleLine, unsigned char attr);
  // The shadow the host casts: two columns right and one row below turn dark.
  void Shadow(int x1, int y1, int x2, int y2);
  // Rectangle coordinates are clipped to the screen; -1 means the far edge.
  SavedRect Save(int x1, int y1, int x2, int y2) const;
  void Restore(const SavedRect& saved);
  std::string ToUtf8() const;  // every row as UTF-8, each ending in '\n'
  std::string RowUtf8(int y) const;
  // Where the terminal shows its cursor; visible only when a field has focus.
  int cursorX = 0, cursorY = 0;
  bool cursorVisible = false;

 private:
  int columns_, rows_;
  std::vector<Cell> cells_;
  Cell outside_;
};

}  // namespace host
