// The Menu service: a framed list with title and bottom line, the selected
// item highlighted, a scroll bar when the items do not fit, and the host's
// keyboard: break keys first (exact modifiers), then Up/Down/Home/End/PgUp/
// PgDn (Up/Down wrap only with FMENU_WRAPMODE), Enter, Esc/F10, hotkeys, F1.
// A menu too large for the real host to build in reasonable time is refused
// as the freeze it would be there (see kSlowMenuItems).
// Covered by tests/standin/host/menu_box_test.cpp.
#include <string.h>

#include <algorithm>

#include "host_state.h"
#include "trace_line.h"

namespace host {
namespace {

const unsigned char kCheckMark = 0xFB;
const uint32_t kCutMark = 0x00BB;  // the host's "»" after a cut item

// The real host adds menu items one at a time, and every addition walks all
// the items before it (it recounts the hidden ones): n items cost it about
// n * n / 2 steps, and nothing, not even Esc, interrupts it meanwhile. Under
// Wine on a shared two-core machine 10,000 items took it 0.4 s, 20,000 1.4 s,
// 30,000 6 s and 100,000 two minutes. A larger menu than this is a frozen
// editor for the user, so the stand-in shows none and says so.
const int kSlowMenuItems = 20000;

struct MenuView {
  const FarMenuItem* items;
  int count;
  bool showAmpersand;
  std::vector<std::string> texts;
  std::vector<unsigned char> hotkeys;
  int x1, y1, x2, y2;
  int visible;
  int top = 0;
  int selected = -1;
};

bool Selectable(const MenuView& m, int i) {
  return i >= 0 && i < m.count && !m.items[i].Separator;
}

std::string ItemText(const FarMenuItem& item) {
  return std::string(item.Text, strnlen(item.Text, sizeof item.Text));
}

void Layout(HostState& s, MenuView& m, int x, int y, int maxHeight, const std::string& title,
            const std::string& bottom) {
  int longestItem = 0;
  for (int i = 0; i < m.count; ++i) {
    unsigned char hotkey = 0;
    std::string text = ItemText(m.items[i]);
    if (!m.showAmpersand) text = StripHotkey(text, &hotkey);
    m.texts.push_back(text);
    m.hotkeys.push_back(m.items[i].Separator ? 0 : hotkey);
    if (!m.items[i].Separator)
      longestItem = std::max(longestItem, static_cast<int>(text.size()));
  }
  // The host's geometry: the longest of the items and the two titles with a
  // blank on each side, at most 9 columns short of the screen; each row is
  // the frame, the check-mark column, a blank, the text and a blank.
  int columns = s.screen.Columns(), rows = s.screen.Rows();
  int longest = std::max({longestItem, static_cast<int>(title.size()) + 2,
                          static_cast<int>(bottom.size()) + 2});
  longest = std::min(longest, columns - 9);
  int width = longest + 5;
  int height = m.count + 2;
  int limit = rows - 2;
  if (maxHeight > 0) limit = std::min(limit, maxHeight + 2);
  height = std::max(std::min(height, limit), 3);
  m.visible = height - 2;
  m.x1 = x >= 0 ? x : std::max((columns - width) / 2, 2);
  m.y1 = y >= 0 ? y : (rows - height) / 2;
  m.x2 = m.x1 + width - 1;
  m.y2 = m.y1 + height - 1;
}

void DrawMenu(HostState& s, const MenuView& m, const std::string& title,
              const std::string& bottom) {
  Screen& screen = s.screen;
  screen.Fill(m.x1, m.y1, m.x2, m.y2, ' ', kMenuText);
  screen.Box(m.x1, m.y1, m.x2, m.y2, true, kMenuBox);
  int inner = m.x2 - m.x1 - 1;
  if (!title.empty()) {
    std::string t = " " + title.substr(0, std::max(inner - 2, 0)) + " ";
    screen.Text(m.x1 + 1 + (inner - static_cast<int>(t.size())) / 2, m.y1, t, kMenuBox);
  }
  if (!bottom.empty()) {
    std::string b = " " + bottom.substr(0, std::max(inner - 2, 0)) + " ";
    screen.Text(m.x1 + 1 + (inner - static_cast<int>(b.size())) / 2, m.y2, b, kMenuBox);
  }
  for (int row = 0; row < m.visible; ++row) {
    int i = m.top + row, y = m.y1 + 1 + row;
    if (i >= m.count) break;
    const FarMenuItem& item = m.items[i];
    if (item.Separator) {
      screen.Put(m.x1, y, 0xC7, kMenuBox);
      screen.Fill(m.x1 + 1, y, m.x2 - 1, y, 0xC4, kMenuBox);
      screen.Put(m.x2, y, 0xB6, kMenuBox);
      continue;
    }
    unsigned char attr = i == m.selected ? kMenuSelected : kMenuText;
    screen.Fill(m.x1 + 1, y, m.x2 - 1, y, ' ', attr);
    if (item.Checked)
      screen.Put(m.x1 + 1, y, item.Checked == 1 ? kCheckMark : item.Checked & 0xFF, attr);
    int room = inner - 2;  // after the check-mark column and its blank
    screen.Text(m.x1 + 3, y, m.texts[i], attr, room);
    // A cut item ends in the host's mark over its last column.
    if (static_cast<int>(m.texts[i].size()) > room) screen.PutGlyph(m.x2 - 1, y, kCutMark, attr);
    if (m.hotkeys[i]) {
      size_t at = 0;
      while (at < m.texts[i].size() &&
             UpperOem(static_cast<unsigned char>(m.texts[i][at])) != m.hotkeys[i])
        ++at;
      if (static_cast<int>(at) < room && i != m.selected)
        screen.SetAttr(m.x1 + 3 + static_cast<int>(at), y, kMenuHotkey);
    }
  }
  if (m.count > m.visible && m.visible >= 2) {
    screen.Put(m.x2, m.y1 + 1, 0x1E, kMenuBox);
    screen.Put(m.x2, m.y2 - 1, 0x1F, kMenuBox);
    int track = m.visible - 2;
    for (int t = 0; t < track; ++t) screen.Put(m.x2, m.y1 + 2 + t, 0xB0, kMenuBox);
    if (track > 0) {
      int thumb = m.count > 1 ? std::max(m.selected, 0) * (track - 1) / (m.count - 1) : 0;
      screen.Put(m.x2, m.y1 + 2 + thumb, 0xB2, kMenuBox);
    }
  }
}

int Step(const MenuView& m, int from, int direction, bool wrap) {
  for (int i = from + direction; i >= 0 && i < m.count; i += direction)
    if (Selectable(m, i)) return i;
  if (!wrap) return from;
  int start = direction > 0 ? 0 : m.count - 1;
  for (int i = start; i != from; i += direction)
    if (Selectable(m, i)) return i;
  return from;
}

// Nearest selectable item at or after `target` (or before, at the end).
int Nearest(const MenuView& m, int target) {
  target = std::max(0, std::min(target, m.count - 1));
  for (int i = target; i < m.count; ++i)
    if (Selectable(m, i)) return i;
  for (int i = target; i >= 0; --i)
    if (Selectable(m, i)) return i;
  return -1;
}

void Follow(MenuView& m) {
  if (m.selected < 0) return;
  if (m.selected < m.top) m.top = m.selected;
  if (m.selected >= m.top + m.visible) m.top = m.selected - m.visible + 1;
}

int BreakIndex(const int* breakKeys, const ScriptKey& key) {
  if (!breakKeys) return -1;
  const int kMaxBreakKeys = 256;  // a table without its 0 ends here
  for (int i = 0; i < kMaxBreakKeys && breakKeys[i]; ++i) {
    int vk = breakKeys[i] & 0xFFFF, mods = (breakKeys[i] >> 16) & 0xFFFF;
    if (vk == key.vk && mods == ModifierBits(key.control)) return i;
  }
  return -1;
}

std::string ItemsJson(const MenuView& m) {
  std::string json = "[";
  for (int i = 0; i < m.count; ++i) {
    const FarMenuItem& item = m.items[i];
    if (i) json += ",";
    json += "{\"text\":" + TraceLine::Quote(ItemText(item)) +
            ",\"selected\":" + std::to_string(item.Selected) +
            ",\"checked\":" + std::to_string(item.Checked) +
            ",\"separator\":" + std::to_string(item.Separator) + "}";
  }
  return json + "]";
}

std::string BreakKeysJson(const int* breakKeys) {
  if (!breakKeys) return "null";
  std::string json = "[";
  for (int i = 0; i < 256 && breakKeys[i]; ++i) {
    if (i) json += ",";
    int vk = breakKeys[i] & 0xFFFF, mods = (breakKeys[i] >> 16) & 0xFFFF;
    DWORD control = (mods & PKF_CONTROL ? LEFT_CTRL_PRESSED : 0) |
                    (mods & PKF_ALT ? LEFT_ALT_PRESSED : 0) |
                    (mods & PKF_SHIFT ? SHIFT_PRESSED : 0);
    json += TraceLine::QuoteUtf8(KeyName(static_cast<WORD>(vk), control, 0));
  }
  return json + "]";
}

}  // namespace

int RunMenu(HostState& s, int x, int y, int maxHeight, DWORD flags, const char* title,
            const char* bottom, const char* helpTopic, const int* breakKeys, int* breakCode,
            const FarMenuItem* items, int count) {
  if (breakCode) *breakCode = -1;
  if (count < 0 || (count > 0 && !items)) {
    if (s.tracing)
      s.Record(
          TraceLine("Menu").Int("count", count).Text("error", "no items").Int("result", -1).Done());
    return -1;
  }
  if (count > kSlowMenuItems) {
    s.frozenMenuItems = count;
    if (s.tracing)
      s.Record(TraceLine("Menu")
                   .Int("count", count)
                   .Text("error", "the real host freezes building a menu this large")
                   .Int("result", -1)
                   .Done());
    return -1;
  }
  MenuView m;
  m.items = items;
  m.count = count;
  m.showAmpersand = (flags & FMENU_SHOWAMPERSAND) != 0;
  std::string titleText = title ? title : "", bottomText = bottom ? bottom : "";
  Layout(s, m, x, y, maxHeight, titleText, bottomText);
  for (int i = 0; i < count && m.selected < 0; ++i)
    if (items[i].Selected && Selectable(m, i)) m.selected = i;
  if (m.selected < 0) m.selected = Nearest(m, 0);
  int start = m.selected;
  Follow(m);
  SavedRect under = s.screen.Save(m.x1, m.y1, m.x2 + 2, m.y2 + 1);
  bool wrap = (flags & FMENU_WRAPMODE) != 0;
  int result = -1;
  ++s.modalDepth;
  for (;;) {
    DrawMenu(s, m, titleText, bottomText);
    s.screen.Shadow(m.x1, m.y1, m.x2, m.y2);
    s.screen.cursorVisible = false;
    ScriptKey key;
    if (!s.ReadKey(&key, true)) break;
    int hit = BreakIndex(breakKeys, key);
    if (hit >= 0) {
      if (breakCode) *breakCode = hit;
      result = m.selected;
      break;
    }
    int mods = ModifierBits(key.control);
    if (key.vk == VK_RETURN && mods == 0) {
      result = m.selected;
      break;
    }
    if ((key.vk == VK_ESCAPE || key.vk == VK_F10) && mods == 0) break;
    if (m.selected < 0) continue;
    switch (key.vk) {
      case VK_UP: m.selected = Step(m, m.selected, -1, wrap); break;
      case VK_DOWN: m.selected = Step(m, m.selected, 1, wrap); break;
      case VK_HOME: m.selected = Nearest(m, 0); break;
      case VK_END: m.selected = Step(m, m.count, -1, false); break;
      case VK_PRIOR: m.selected = Nearest(m, m.selected - (m.visible - 1)); break;
      case VK_NEXT: m.selected = Nearest(m, m.selected + (m.visible - 1)); break;
      case VK_F1: ShowHelp(s, helpTopic); break;
      default:
        if (key.ch >= ' ' && !(mods & PKF_CONTROL)) {
          unsigned char wanted = UpperOem(key.ch);
          for (int i = 0; i < m.count; ++i)
            if (m.hotkeys[i] == wanted) {
              m.selected = i;
              result = i;
            }
        }
    }
    if (result >= 0) break;
    Follow(m);
  }
  --s.modalDepth;
  s.screen.Restore(under);
  if (s.tracing) {
    TraceLine line("Menu");
    line.Int("x", x)
        .Int("y", y)
        .Int("maxHeight", maxHeight)
        .Hex("flags", flags)
        .Text("title", title)
        .Text("bottom", bottom)
        .Text("help", helpTopic)
        .Raw("breakKeys", BreakKeysJson(breakKeys))
        .Raw("items", ItemsJson(m))
        .Int("start", start)
        .Int("result", result);
    if (breakCode) line.Int("breakCode", *breakCode);
    s.Record(line.Done());
  }
  return result;
}

}  // namespace host
