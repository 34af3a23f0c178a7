// The editor's screen: a status line on top (file name, code page, line and
// column), the text with tabs expanded, and the key bar at the bottom.
#include <stdio.h>
#include <string.h>

#include "code_pages.h"
#include "host_state.h"

namespace host {
namespace {

const int kTabSize = 8;

std::string ExpandTabs(const std::string& line) {
  std::string out;
  for (char c : line) {
    if (c == '\t')
      out.append(kTabSize - out.size() % kTabSize, ' ');
    else
      out.push_back(c);
  }
  return out;
}

void DrawStatus(HostState& s) {
  Screen& screen = s.screen;
  Editor& e = s.editor;
  screen.Fill(0, 0, screen.Columns() - 1, 0, ' ', kEditorStatus);
  char right[96];
  snprintf(right, sizeof right, "%s%s  Line %d/%d  Col %d ", e.Modified() ? "*  " : "",
           e.Ansi() ? "1251" : "866", e.CurLine() + 1, e.TotalLines(), e.CurPos() + 1);
  int rightWidth = static_cast<int>(strlen(right));
  int nameWidth = screen.Columns() - rightWidth - 1;
  std::string name = e.FileName();
  if (static_cast<int>(name.size()) > nameWidth && nameWidth > 3)
    name = "..." + name.substr(name.size() - (nameWidth - 3));
  screen.Text(0, 0, name, kEditorStatus, nameWidth > 0 ? nameWidth : 0);
  screen.Text(screen.Columns() - rightWidth, 0, right, kEditorStatus);
}

void DrawKeyBar(Screen& screen) {
  static const char* const kLabels[12] = {"", "", "", "", "", "", "", "", "", "Quit", "Plugin", ""};
  int y = screen.Rows() - 1;
  int digits = 9 + 3 * 2;
  int width = (screen.Columns() - digits) / 12;
  if (width < 0) width = 0;
  int wider = width > 0 ? (screen.Columns() - digits) % 12 : 0;  // the last keys get one more
  screen.Fill(0, y, screen.Columns() - 1, y, ' ', kKeyBarText);
  int x = 0;
  for (int i = 0; i < 12; ++i) {
    std::string number = std::to_string(i + 1);
    x += screen.Text(x, y, number, kKeyBarNumber);
    int w = width + (i >= 12 - wider ? 1 : 0);
    screen.Text(x, y, kLabels[i], kKeyBarText, w);
    x += w;
  }
}

}  // namespace

void DrawEditor(HostState& s) {
  Screen& screen = s.screen;
  Editor& e = s.editor;
  int rows = screen.Rows() - 2;
  DrawStatus(s);
  for (int row = 0; row < rows; ++row) {
    int y = row + 1;
    screen.Fill(0, y, screen.Columns() - 1, y, ' ', kEditorText);
    int number = e.TopScreenLine() + row;
    if (number >= e.TotalLines()) continue;
    std::string shown = ExpandTabs(e.Line(number));
    if (e.Ansi())
      for (char& c : shown) c = static_cast<char>(AnsiToOemByte(static_cast<unsigned char>(c)));
    if (static_cast<int>(shown.size()) > e.LeftPos())
      screen.Text(0, y, shown.substr(e.LeftPos()), kEditorText, screen.Columns());
  }
  if (screen.Rows() > 1) DrawKeyBar(screen);
  screen.cursorX = TabPosition(e.Line(e.CurLine()), e.CurPos()) - e.LeftPos();
  screen.cursorY = e.CurLine() - e.TopScreenLine() + 1;
  screen.cursorVisible = true;
}

}  // namespace host
