// The Message service: a framed box with the title on the frame, the lines
// centred (or left-aligned with FMSG_LEFTALIGN; lines starting with byte 1 or
// 2 are single or double separators) and the buttons centred on the row
// below. With buttons it is modal (Left/Right/Tab move, Enter presses, Esc
// gives -1, hotkeys press); without buttons it stays drawn and returns -1 at
// once, so that a progress box can be redrawn on every call. A modal message
// first empties the console input queue, as the host does.
// Covered by tests/standin/host/message_box_test.cpp.
#include <algorithm>

#include "host_state.h"
#include "trace_line.h"

namespace host {
namespace {

const int kMaxMessageItems = 64;  // more strings than this are surely a bad count

struct MessageView {
  std::string title;
  std::vector<std::string> lines;
  std::vector<std::string> buttons;  // shown text, without '&'
  std::vector<unsigned char> hotkeys;
  int x1, y1, x2, y2;  // the frame
  std::vector<int> buttonX;
  int focus = 0;
};

// The host shows a message's buttons without brackets, as " OK " side by
// side, and centres them as one group.
int ButtonsWidth(const MessageView& m) {
  int width = 0;
  for (const std::string& b : m.buttons) width += static_cast<int>(b.size()) + 2;
  return width;
}

// The host's geometry: the widest of the lines, the title with a blank on
// each side and the buttons, at most 13 columns short of the screen; the
// frame is that plus a blank and a line on each side, with three more blank
// columns of the box outside it.
void Layout(const HostState& s, MessageView& m, DWORD flags) {
  int longest = static_cast<int>(m.title.size()) + 2;
  for (const std::string& line : m.lines)
    longest = std::max(longest, static_cast<int>(line.size()));
  longest = std::max(longest, ButtonsWidth(m));
  int columns = s.screen.Columns(), rows = s.screen.Rows();
  longest = std::min(longest, columns - 14);
  int width = longest + 4;
  int height = static_cast<int>(m.lines.size()) + (m.buttons.empty() ? 0 : 1) + 2;
  m.x1 = std::max((columns - 1 - longest) / 2 - 1, 3);
  m.y1 = flags & FMSG_DOWN ? rows / 2 + 1 : (rows - height) / 2;
  if (m.y1 + height > rows) m.y1 = std::max(rows - height, 0);
  m.x2 = m.x1 + width - 1;
  m.y2 = m.y1 + height - 1;
  int x = m.x1 - 3 + (width + 6 - ButtonsWidth(m)) / 2;
  for (const std::string& b : m.buttons) {
    m.buttonX.push_back(x);
    x += static_cast<int>(b.size()) + 2;
  }
}

void Draw(HostState& s, const MessageView& m, DWORD flags) {
  Screen& screen = s.screen;
  bool warning = (flags & FMSG_WARNING) != 0;
  unsigned char text = warning ? kWarningText : kDialogText;
  unsigned char box = warning ? kWarningText : kDialogBox;
  unsigned char focusAttr = warning ? kWarningFocus : kDialogFocus;
  screen.Fill(m.x1 - 3, m.y1 - 1, m.x2 + 3, m.y2 + 1, ' ', text);
  screen.Shadow(m.x1 - 3, m.y1 - 1, m.x2 + 3, m.y2 + 1);
  screen.Box(m.x1, m.y1, m.x2, m.y2, true, box);
  int inner = m.x2 - m.x1 - 1;
  if (!m.title.empty()) {
    std::string t = " " + m.title.substr(0, std::max(inner - 2, 0)) + " ";
    screen.Text(m.x1 + 1 + (inner - static_cast<int>(t.size())) / 2, m.y1, t, box);
  }
  for (size_t i = 0; i < m.lines.size(); ++i) {
    int y = m.y1 + 1 + static_cast<int>(i);
    const std::string& line = m.lines[i];
    if (!line.empty() && (line[0] == 1 || line[0] == 2)) {
      bool dbl = line[0] == 2;
      screen.Put(m.x1, y, dbl ? 0xCC : 0xC7, box);
      screen.Fill(m.x1 + 1, y, m.x2 - 1, y, dbl ? 0xCD : 0xC4, box);
      screen.Put(m.x2, y, dbl ? 0xB9 : 0xB6, box);
      if (line.size() > 1) {
        std::string t = line.substr(1);
        screen.Text(m.x1 + 1 + std::max((inner - static_cast<int>(t.size())) / 2, 0), y, t, box,
                    inner);
      }
      continue;
    }
    int width = std::min(static_cast<int>(line.size()), inner - 2);
    int x = flags & FMSG_LEFTALIGN ? m.x1 + 2 : m.x1 + 1 + (inner - width) / 2;
    screen.Text(x, y, line, text, width);
  }
  for (size_t i = 0; i < m.buttons.size(); ++i) {
    unsigned char attr = static_cast<int>(i) == m.focus ? focusAttr : text;
    screen.Text(m.buttonX[i], m.y2 - 1, " " + m.buttons[i] + " ", attr);
  }
  screen.cursorVisible = false;
}

std::string LinesJson(const char* const* items, int count) {
  std::string json = "[";
  for (int i = 0; i < count; ++i) {
    if (i) json += ",";
    json += items[i] ? TraceLine::Quote(items[i]) : "null";
  }
  return json + "]";
}

int Modal(HostState& s, MessageView& m, DWORD flags, const char* helpTopic) {
  int count = static_cast<int>(m.buttons.size());
  for (;;) {
    Draw(s, m, flags);
    ScriptKey key;
    if (!s.ReadKey(&key, true)) return -1;
    int mods = ModifierBits(key.control);
    switch (key.vk) {
      case VK_ESCAPE:
        if (mods == 0) return -1;
        break;
      case VK_RETURN: return m.focus;
      case VK_SPACE: return m.focus;
      case VK_LEFT:
      case VK_UP: m.focus = (m.focus + count - 1) % count; break;
      case VK_RIGHT:
      case VK_DOWN: m.focus = (m.focus + 1) % count; break;
      case VK_TAB: m.focus = (m.focus + (mods & PKF_SHIFT ? count - 1 : 1)) % count; break;
      case VK_F1: ShowHelp(s, helpTopic); break;
      default: {
        unsigned char letter = (mods & PKF_ALT) && key.vk >= 'A' && key.vk <= 'Z'
                                   ? static_cast<unsigned char>(key.vk)
                                   : UpperOem(key.ch);
        for (int i = 0; i < count; ++i)
          if (letter && m.hotkeys[i] == letter) return i;
      }
    }
  }
}

}  // namespace

int RunMessage(HostState& s, DWORD flags, const char* helpTopic, const char* const* items,
               int count, int buttons) {
  TraceLine line("Message");
  bool bad = !items || count < 1 || count > kMaxMessageItems || buttons < 0 || buttons >= count;
  if (bad) {
    if (s.tracing)
      s.Record(line.Hex("flags", flags)
                   .Int("count", count)
                   .Int("buttons", buttons)
                   .Text("error", "bad items, count or button count")
                   .Int("result", -1)
                   .Done());
    return -1;
  }
  MessageView m;
  m.title = items[0] ? items[0] : "";
  for (int i = 1; i < count - buttons; ++i) m.lines.push_back(items[i] ? items[i] : "");
  for (int i = count - buttons; i < count; ++i) {
    unsigned char hotkey = 0;
    m.buttons.push_back(StripHotkey(items[i] ? items[i] : "", &hotkey));
    m.hotkeys.push_back(hotkey);
  }
  Layout(s, m, flags);
  int result = -1;
  if (buttons > 0) {
    // The host empties the console input queue before it waits on a message,
    // so a key typed before the box came up never answers it.
    FlushConsoleInputBuffer(s.input);
    SavedRect under = s.screen.Save(m.x1 - 3, m.y1 - 1, m.x2 + 5, m.y2 + 2);
    ++s.modalDepth;
    result = Modal(s, m, flags, helpTopic);
    --s.modalDepth;
    s.screen.Restore(under);
  } else {
    Draw(s, m, flags);
    if (s.present) s.present();  // a progress box must be seen while the module works
  }
  if (s.tracing)
    s.Record(line.Hex("flags", flags)
                 .Text("help", helpTopic)
                 .Raw("items", LinesJson(items, count))
                 .Int("buttons", buttons)
                 .Int("result", result)
                 .Done());
  return result;
}

}  // namespace host
