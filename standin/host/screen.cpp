// Drawing on the cell grid. Everything is clipped: a box partly off the
// screen draws what is on it and nothing else.
#include "screen.h"

#include <algorithm>

#include "code_pages.h"

namespace host {

uint32_t Cell::Shown() const {
  return glyph ? glyph : OemGlyph(ch);
}

Screen::Screen(int columns, int rows)
    : columns_(std::max(columns, 1)), rows_(std::max(rows, 1)), cells_(columns_ * rows_) {}

const Cell& Screen::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= columns_ || y >= rows_) return outside_;
  return cells_[y * columns_ + x];
}

void Screen::Put(int x, int y, unsigned char ch, unsigned char attr) {
  if (x < 0 || y < 0 || x >= columns_ || y >= rows_) return;
  Cell& cell = cells_[y * columns_ + x];
  cell.ch = ch;
  cell.attr = attr;
  cell.glyph = 0;
}

void Screen::PutGlyph(int x, int y, uint32_t glyph, unsigned char attr) {
  if (x < 0 || y < 0 || x >= columns_ || y >= rows_) return;
  Cell& cell = cells_[y * columns_ + x];
  cell.ch = '?';
  cell.attr = attr;
  cell.glyph = glyph;
}

void Screen::SetAttr(int x, int y, unsigned char attr) {
  if (x < 0 || y < 0 || x >= columns_ || y >= rows_) return;
  cells_[y * columns_ + x].attr = attr;
}

int Screen::Text(int x, int y, const std::string& text, unsigned char attr, int width) {
  int n = static_cast<int>(text.size());
  if (width >= 0) n = std::min(n, width);
  for (int i = 0; i < n; ++i) Put(x + i, y, static_cast<unsigned char>(text[i]), attr);
  return n;
}

void Screen::Fill(int x1, int y1, int x2, int y2, unsigned char ch, unsigned char attr) {
  for (int y = std::max(y1, 0); y <= std::min(y2, rows_ - 1); ++y)
    for (int x = std::max(x1, 0); x <= std::min(x2, columns_ - 1); ++x) Put(x, y, ch, attr);
}

void Screen::Box(int x1, int y1, int x2, int y2, bool doubleLine, unsigned char attr) {
  const unsigned char h = doubleLine ? 0xCD : 0xC4, v = doubleLine ? 0xBA : 0xB3;
  for (int x = x1 + 1; x < x2; ++x) {
    Put(x, y1, h, attr);
    Put(x, y2, h, attr);
  }
  for (int y = y1 + 1; y < y2; ++y) {
    Put(x1, y, v, attr);
    Put(x2, y, v, attr);
  }
  Put(x1, y1, doubleLine ? 0xC9 : 0xDA, attr);
  Put(x2, y1, doubleLine ? 0xBB : 0xBF, attr);
  Put(x1, y2, doubleLine ? 0xC8 : 0xC0, attr);
  Put(x2, y2, doubleLine ? 0xBC : 0xD9, attr);
}

void Screen::Shadow(int x1, int y1, int x2, int y2) {
  for (int y = y1 + 1; y <= y2 + 1; ++y)
    for (int x = x2 + 1; x <= x2 + 2; ++x) SetAttr(x, y, kShadow);
  for (int x = x1 + 2; x <= x2 + 2; ++x) SetAttr(x, y2 + 1, kShadow);
}

SavedRect Screen::Save(int x1, int y1, int x2, int y2) const {
  SavedRect saved;
  if (x2 < 0 || x2 >= columns_) x2 = columns_ - 1;
  if (y2 < 0 || y2 >= rows_) y2 = rows_ - 1;
  saved.x1 = std::max(x1, 0);
  saved.y1 = std::max(y1, 0);
  saved.x2 = x2;
  saved.y2 = y2;
  for (int y = saved.y1; y <= saved.y2; ++y)
    for (int x = saved.x1; x <= saved.x2; ++x) saved.cells.push_back(At(x, y));
  return saved;
}

void Screen::Restore(const SavedRect& saved) {
  size_t i = 0;
  for (int y = saved.y1; y <= saved.y2; ++y)
    for (int x = saved.x1; x <= saved.x2 && i < saved.cells.size(); ++x, ++i)
      if (x >= 0 && y >= 0 && x < columns_ && y < rows_) cells_[y * columns_ + x] = saved.cells[i];
}

std::string Screen::RowUtf8(int y) const {
  std::string out;
  for (int x = 0; x < columns_; ++x) AppendUtf8(At(x, y).Shown(), &out);
  return out;
}

std::string Screen::ToUtf8() const {
  std::string out;
  for (int y = 0; y < rows_; ++y) out += RowUtf8(y) + "\n";
  return out;
}

}  // namespace host
