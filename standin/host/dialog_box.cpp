// The Dialog service: layout (centring, DIF_CENTERGROUP rows, separators,
// button widths), drawing, the host's keyboard model and the copy-back of
// every record, whatever the result.
//
// Keyboard: Tab/Down and ShiftTab/Up move the focus over focusable items
// (wrapping); Left/Right do so too on items that are not edit fields. Space
// toggles a check box, selects a radio button within its DIF_GROUP run and
// presses a button. Enter presses the focused button, else the default
// button, else closes with the focused item. Esc closes with -1. Alt+letter
// (or the letter alone when no edit field has the focus) goes to the item
// whose text marks that letter with '&' and acts on it; a text label passes
// the focus to the next item. F1 shows the help topic. In an edit field:
// characters, BS, Del, Home, End, Left, Right, Ins, Ctrl+Y, and Ctrl+Up /
// Ctrl+Down for the history list. A field's initial text is replaced by the
// first character typed, as in the host, until the cursor is moved.
// Covered by tests/standin/host/dialog_box_test.cpp.
#include <string.h>

#include <algorithm>

#include "host_state.h"
#include "trace_line.h"

namespace host {
namespace {

const int kMaxEditLength = 511;  // DI_EDIT text within the 512-byte Data
const int kMaxHistory = 64;
const DWORD kNoBrackets = 0x8000;    // buttons: same bit as DIF_MANUALADDHISTORY
const uint32_t kRadioMark = 0x2022;  // the host's "•" in a chosen radio button

struct Item {
  FarDialogItem* rec;
  int type;
  int x1, y1, x2, y2;
  DWORD flags;
  std::string text;   // as the module gave it (with '&')
  std::string shown;  // without the hotkey mark
  unsigned char hotkey = 0;
  int selected = 0;
  bool focusable = false;
  // Edit fields.
  int cursor = 0, scroll = 0, maxLength = kMaxEditLength;
  bool clearFlag = false, overtype = false;
};

struct DialogView {
  std::vector<Item> items;
  int x1, y1, width, height;
  int focus = -1;
  int defaultButton = -1;
};

bool IsEdit(int type) {
  return type == DI_EDIT || type == DI_FIXEDIT || type == DI_PSWEDIT;
}

bool IsSeparator(const Item& it) {
  return it.type == DI_TEXT && (it.flags & (DIF_SEPARATOR | DIF_SEPARATOR2));
}

const char* TypeName(int type) {
  static const char* const kNames[] = {
      "DI_TEXT",    "DI_VTEXT",   "DI_SINGLEBOX", "DI_DOUBLEBOX", "DI_EDIT",
      "DI_PSWEDIT", "DI_FIXEDIT", "DI_BUTTON",    "DI_CHECKBOX",  "DI_RADIOBUTTON"};
  return type >= 0 && type <= DI_RADIOBUTTON ? kNames[type] : "unknown";
}

bool HasHistory(const Item& it) {
  return IsEdit(it.type) && (it.flags & DIF_HISTORY) && it.rec->History;
}

// Width of an item's visible part, as the host counts it for layout.
int VisibleWidth(const Item& it) {
  int length = static_cast<int>(it.shown.size());
  switch (it.type) {
    case DI_BUTTON: return it.flags & kNoBrackets ? length : length + 4;
    case DI_CHECKBOX:
    case DI_RADIOBUTTON: return length + 4;
  }
  return length;
}

void LayoutCenterGroups(DialogView& d) {
  size_t i = 0;
  while (i < d.items.size()) {
    if (!(d.items[i].flags & DIF_CENTERGROUP) || IsEdit(d.items[i].type) ||
        IsSeparator(d.items[i])) {
      ++i;
      continue;
    }
    size_t end = i;
    int width = 0;
    while (end < d.items.size() && (d.items[end].flags & DIF_CENTERGROUP) &&
           d.items[end].y1 == d.items[i].y1) {
      const Item& it = d.items[end];
      width += VisibleWidth(it) + (it.type == DI_CHECKBOX || it.type == DI_RADIOBUTTON ? 1 : 0);
      if (end > i) width += 2;
      ++end;
    }
    int x = (d.width - width) / 2;
    for (size_t k = i; k < end; ++k) {
      Item& it = d.items[k];
      int w = VisibleWidth(it);
      it.x1 = x;
      it.x2 = x + w - 1;
      x += w + 2 + (it.type == DI_CHECKBOX || it.type == DI_RADIOBUTTON ? 1 : 0);
    }
    i = end;
  }
}

void Layout(DialogView& d) {
  for (Item& it : d.items) {
    if (it.y2 < it.y1) it.y2 = it.y1;
    if (it.type == DI_TEXT && !IsSeparator(it) && it.x1 == -1)
      it.x1 = (d.width - static_cast<int>(it.shown.size())) / 2;
    if (it.type == DI_TEXT || it.type == DI_CHECKBOX || it.type == DI_RADIOBUTTON ||
        it.type == DI_BUTTON)
      if (!IsSeparator(it)) it.x2 = it.x1 + std::max(VisibleWidth(it), 1) - 1;
    if (IsEdit(it.type) && it.x2 < it.x1) it.x2 = it.x1;
  }
  LayoutCenterGroups(d);
}

void InitEdit(HostState& s, Item& it) {
  it.maxLength = kMaxEditLength;
  if (it.type == DI_FIXEDIT) {
    it.maxLength = std::min(it.x2 - it.x1 + 1 + (it.flags & DIF_HISTORY ? 1 : 0), kMaxEditLength);
    it.overtype = true;
  }
  if (it.type == DI_EDIT && (it.flags & DIF_HISTORY) && (it.flags & DIF_USELASTHISTORY) &&
      it.text.empty() && it.rec->History) {
    auto h = s.histories.find(LowerAscii(it.rec->History));
    if (h != s.histories.end() && h->second.fill && !h->second.lines.empty())
      it.text = h->second.lines[0];
  }
  if (static_cast<int>(it.text.size()) > it.maxLength) it.text.resize(it.maxLength);
  it.cursor = it.type == DI_FIXEDIT ? 0 : static_cast<int>(it.text.size());
  it.clearFlag = it.type != DI_FIXEDIT && !it.text.empty() && !(it.flags & DIF_READONLY);
}

void DrawSeparator(Screen& screen, const DialogView& d, const Item& it) {
  bool dbl = (it.flags & DIF_SEPARATOR2) != 0;
  int y = d.y1 + it.y1;
  int left = d.x1 + 3, right = d.x1 + d.width - 4;
  screen.Put(left, y, dbl ? 0xCC : 0xC7, kDialogBox);
  screen.Fill(left + 1, y, right - 1, y, dbl ? 0xCD : 0xC4, kDialogBox);
  screen.Put(right, y, dbl ? 0xB9 : 0xB6, kDialogBox);
  if (!it.shown.empty()) {
    int x = it.x1 == -1 ? (d.width - static_cast<int>(it.shown.size())) / 2 : it.x1;
    screen.Text(d.x1 + x, y, it.shown, kDialogText);
  }
}

// Writes shown text and colours its hotkey letter.
void DrawLabel(Screen& screen, int x, int y, const Item& it, unsigned char attr,
               unsigned char hot) {
  screen.Text(x, y, it.shown, attr);
  if (!it.hotkey) return;
  for (size_t i = 0; i < it.shown.size(); ++i)
    if (UpperOem(static_cast<unsigned char>(it.shown[i])) == it.hotkey) {
      screen.SetAttr(x + static_cast<int>(i), y, hot);
      return;
    }
}

void DrawEditField(Screen& screen, const DialogView& d, Item& it, bool focused) {
  int width = it.x2 - it.x1 + 1;
  if (it.cursor < it.scroll) it.scroll = it.cursor;
  if (it.cursor >= it.scroll + width) it.scroll = it.cursor - width + 1;
  if (it.type == DI_FIXEDIT) it.scroll = 0;  // a fixed field never scrolls
  std::string shown =
      it.text.size() > static_cast<size_t>(it.scroll) ? it.text.substr(it.scroll) : "";
  if (it.type == DI_PSWEDIT) shown.assign(shown.size(), '*');
  int x = d.x1 + it.x1, y = d.y1 + it.y1;
  unsigned char attr = it.clearFlag && focused ? kDialogEditUnchanged : kDialogEdit;
  screen.Fill(x, y, x + width - 1, y, ' ', kDialogEdit);
  screen.Text(x, y, shown, attr, width);
  if (it.flags & DIF_HISTORY) screen.Put(x + width, y, 0x19, kDialogEdit);
  if (focused) {
    screen.cursorX = x + std::min(it.cursor - it.scroll, width - 1);
    screen.cursorY = y;
    screen.cursorVisible = true;
  }
}

void DrawItem(Screen& screen, DialogView& d, Item& it, bool focused) {
  int x = d.x1 + it.x1, y = d.y1 + it.y1;
  unsigned char attr = focused ? kDialogFocus : kDialogText;
  switch (it.type) {
    case DI_SINGLEBOX:
    case DI_DOUBLEBOX: {
      screen.Box(x, y, d.x1 + it.x2, d.y1 + it.y2, it.type == DI_DOUBLEBOX, kDialogBox);
      if (!it.shown.empty()) {
        std::string title = " " + it.shown + " ";
        int inner = it.x2 - it.x1 - 1;
        screen.Text(x + 1 + std::max((inner - static_cast<int>(title.size())) / 2, 0), y, title,
                    kDialogBox, std::max(inner, 0));
      }
      break;
    }
    case DI_TEXT:
      if (IsSeparator(it))
        DrawSeparator(screen, d, it);
      else
        DrawLabel(screen, x, y, it, it.flags & DIF_BOXCOLOR ? kDialogBox : kDialogText,
                  kDialogHotkey);
      break;
    case DI_VTEXT:
      for (size_t i = 0; i < it.shown.size(); ++i)
        screen.Put(x, y + static_cast<int>(i), static_cast<unsigned char>(it.shown[i]),
                   kDialogText);
      break;
    case DI_EDIT:
    case DI_FIXEDIT:
    case DI_PSWEDIT: DrawEditField(screen, d, it, focused); break;
    case DI_CHECKBOX:
    case DI_RADIOBUTTON: {
      bool radio = it.type == DI_RADIOBUTTON;
      char mark = it.selected ? (radio ? '*' : it.selected == 2 ? '?' : 'x') : ' ';
      std::string box = radio ? std::string("(") + mark + ") " : std::string("[") + mark + "] ";
      screen.Text(x, y, box, kDialogText);
      if (radio && it.selected) screen.PutGlyph(x + 1, y, kRadioMark, kDialogText);
      DrawLabel(screen, x + 4, y, it, attr, focused ? kDialogFocus : kDialogHotkey);
      if (focused) {
        screen.cursorX = x + 1;
        screen.cursorY = y;
        screen.cursorVisible = true;
      }
      break;
    }
    case DI_BUTTON: {
      bool brackets = !(it.flags & kNoBrackets);
      if (brackets) screen.Text(x, y, "[ ", attr);
      DrawLabel(screen, x + (brackets ? 2 : 0), y, it, attr,
                focused ? kDialogFocus : kDialogHotkey);
      if (brackets) screen.Text(x + 2 + static_cast<int>(it.shown.size()), y, " ]", attr);
      if (focused) {
        screen.cursorX = x + (brackets ? 2 : 0);
        screen.cursorY = y;
        screen.cursorVisible = false;
      }
      break;
    }
  }
}

void DrawDialog(HostState& s, DialogView& d) {
  Screen& screen = s.screen;
  screen.cursorVisible = false;
  screen.Fill(d.x1, d.y1, d.x1 + d.width - 1, d.y1 + d.height - 1, ' ', kDialogText);
  screen.Shadow(d.x1, d.y1, d.x1 + d.width - 1, d.y1 + d.height - 1);
  for (size_t i = 0; i < d.items.size(); ++i)
    DrawItem(screen, d, d.items[i], static_cast<int>(i) == d.focus);
}

int NextFocus(const DialogView& d, int from, int direction) {
  int n = static_cast<int>(d.items.size());
  for (int step = 1; step <= n; ++step) {
    int i = ((from + direction * step) % n + n) % n;
    if (d.items[i].focusable) return i;
  }
  return from;
}

void SelectRadio(DialogView& d, int i) {
  int start = i;
  while (start > 0 && !(d.items[start].flags & DIF_GROUP) &&
         d.items[start - 1].type == DI_RADIOBUTTON)
    --start;
  int end = i;
  while (end + 1 < static_cast<int>(d.items.size()) && d.items[end + 1].type == DI_RADIOBUTTON &&
         !(d.items[end + 1].flags & DIF_GROUP))
    ++end;
  for (int k = start; k <= end; ++k) d.items[k].selected = 0;
  d.items[i].selected = 1;
}

// Space on (or a hotkey for) item i; returns the closing index or -2.
int Activate(DialogView& d, int i) {
  Item& it = d.items[i];
  switch (it.type) {
    case DI_CHECKBOX: it.selected = it.selected ? 0 : 1; break;
    case DI_RADIOBUTTON: SelectRadio(d, i); break;
    case DI_BUTTON: return i;
  }
  return -2;
}

int Hotkey(DialogView& d, unsigned char letter) {
  unsigned char wanted = UpperOem(letter);
  for (size_t i = 0; i < d.items.size(); ++i) {
    Item& it = d.items[i];
    if (!it.hotkey || it.hotkey != wanted) continue;
    if (it.type == DI_TEXT || it.type == DI_VTEXT) {
      for (size_t k = i + 1; k < d.items.size(); ++k)
        if (d.items[k].focusable) {
          d.focus = static_cast<int>(k);
          return -2;
        }
      return -2;
    }
    if (!it.focusable) continue;
    d.focus = static_cast<int>(i);
    return Activate(d, static_cast<int>(i));
  }
  return -2;
}

void HistoryMenu(HostState& s, Item& it) {
  auto h = s.histories.find(LowerAscii(it.rec->History));
  if (h == s.histories.end() || h->second.lines.empty()) return;
  std::vector<FarMenuItem> entries(h->second.lines.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    memset(&entries[i], 0, sizeof entries[i]);
    snprintf(entries[i].Text, sizeof entries[i].Text, "%s", h->second.lines[i].c_str());
  }
  bool tracing = s.tracing;
  s.tracing = false;  // the host's own menu, not a module call
  int chosen = RunMenu(s, -1, -1, 0, FMENU_SHOWAMPERSAND | FMENU_WRAPMODE, "History", nullptr,
                       nullptr, nullptr, nullptr, entries.data(), static_cast<int>(entries.size()));
  s.tracing = tracing;
  if (chosen < 0) return;
  it.text = h->second.lines[chosen];
  if (static_cast<int>(it.text.size()) > it.maxLength) it.text.resize(it.maxLength);
  it.cursor = static_cast<int>(it.text.size());
  it.clearFlag = false;
}

// Edit keys; true when the key was an edit key.
bool EditKey(HostState& s, Item& it, const ScriptKey& key) {
  int mods = ModifierBits(key.control);
  bool ctrl = (mods & PKF_CONTROL) != 0;
  int length = static_cast<int>(it.text.size());
  bool readOnly = (it.flags & DIF_READONLY) != 0;
  auto clearIfFresh = [&]() {
    if (it.clearFlag) {
      it.text.clear();
      it.cursor = 0;
      it.clearFlag = false;
      return true;
    }
    return false;
  };
  switch (key.vk) {
    case VK_LEFT:
      it.clearFlag = false;
      it.cursor = std::max(it.cursor - 1, 0);
      return true;
    case VK_RIGHT:
      it.clearFlag = false;
      it.cursor = std::min(it.cursor + 1, length);
      return true;
    case VK_HOME:
      it.clearFlag = false;
      it.cursor = 0;
      return true;
    case VK_END:
      it.clearFlag = false;
      it.cursor = length;
      return true;
    case VK_INSERT:
      if (!ctrl) it.overtype = !it.overtype;
      return true;
    case VK_UP:
    case VK_DOWN:
      if (!ctrl) return false;
      if (HasHistory(it) && !readOnly) HistoryMenu(s, it);
      return true;
    case VK_BACK:
      if (readOnly) return true;
      if (!clearIfFresh() && it.cursor > 0 && it.cursor <= length) it.text.erase(--it.cursor, 1);
      return true;
    case VK_DELETE:
      if (readOnly) return true;
      if (!clearIfFresh() && it.cursor < length) it.text.erase(it.cursor, 1);
      return true;
  }
  if (ctrl && key.vk == 'Y') {
    if (!readOnly) it.text.clear();
    it.cursor = 0;
    it.clearFlag = false;
    return true;
  }
  if (key.ch < ' ' || ctrl || (mods & PKF_ALT)) return false;
  if (readOnly) return true;
  clearIfFresh();
  length = static_cast<int>(it.text.size());
  if (it.cursor > length) it.cursor = length;
  if (it.overtype && it.cursor < length) {
    it.text[it.cursor] = static_cast<char>(key.ch);
  } else if (length < it.maxLength) {
    it.text.insert(it.text.begin() + it.cursor, static_cast<char>(key.ch));
  } else {
    return true;  // full: the character is refused
  }
  it.cursor = std::min(it.cursor + 1, it.maxLength);
  return true;
}

// One key; returns the closing index, -1 for Esc, or -2 to go on.
int HandleKey(HostState& s, DialogView& d, const ScriptKey& key, const char* helpTopic) {
  int mods = ModifierBits(key.control);
  Item* focused = d.focus >= 0 ? &d.items[d.focus] : nullptr;
  bool inEdit = focused && IsEdit(focused->type);
  if (key.vk == VK_ESCAPE && mods == 0) return -1;
  if (key.vk == VK_F1 && mods == 0) {
    ShowHelp(s, helpTopic);
    return -2;
  }
  if (key.vk == VK_RETURN && !(mods & PKF_ALT)) {
    if (focused && focused->type == DI_BUTTON && !(mods & PKF_CONTROL)) return d.focus;
    if (d.defaultButton >= 0) return d.defaultButton;
    return d.focus;
  }
  if (key.vk == VK_TAB && !(mods & (PKF_CONTROL | PKF_ALT))) {
    d.focus = NextFocus(d, d.focus, mods & PKF_SHIFT ? -1 : 1);
    return -2;
  }
  if (inEdit && EditKey(s, *focused, key)) return -2;
  switch (key.vk) {
    case VK_UP:
    case VK_LEFT: d.focus = NextFocus(d, d.focus, -1); return -2;
    case VK_DOWN:
    case VK_RIGHT: d.focus = NextFocus(d, d.focus, 1); return -2;
    case VK_SPACE:
      if (focused && mods == 0) return Activate(d, d.focus);
      return -2;
  }
  if (mods & PKF_ALT) {
    unsigned char letter = key.vk >= 'A' && key.vk <= 'Z'   ? static_cast<unsigned char>(key.vk)
                           : key.vk >= '0' && key.vk <= '9' ? static_cast<unsigned char>(key.vk)
                                                            : key.ch;
    if (letter) return Hotkey(d, letter);
  } else if (!inEdit && key.ch > ' ' && !(mods & PKF_CONTROL)) {
    return Hotkey(d, key.ch);
  }
  return -2;
}

void SaveHistories(HostState& s, const DialogView& d) {
  for (const Item& it : d.items) {
    if (!HasHistory(it) || (it.flags & DIF_MANUALADDHISTORY)) continue;
    HistoryList& list = s.histories[LowerAscii(it.rec->History)];
    if (list.name.empty()) list.name = it.rec->History;
    if (it.text.empty()) {
      list.fill = false;
      if (s.options.historyInRegistry) StoreHistory(list);
      continue;
    }
    std::string lowered = LowerAscii(it.text);
    list.lines.erase(std::remove_if(list.lines.begin(), list.lines.end(),
                                    [&](const std::string& l) { return LowerAscii(l) == lowered; }),
                     list.lines.end());
    list.lines.insert(list.lines.begin(), it.text);
    if (static_cast<int>(list.lines.size()) > kMaxHistory) list.lines.resize(kMaxHistory);
    list.fill = true;
    if (s.options.historyInRegistry) StoreHistory(list);
  }
}

void CopyBack(DialogView& d) {
  for (size_t i = 0; i < d.items.size(); ++i) {
    Item& it = d.items[i];
    FarDialogItem* r = it.rec;
    r->X1 = it.x1;
    r->Y1 = it.y1;
    r->X2 = it.x2;
    r->Y2 = it.y2;
    r->Focus = static_cast<int>(i) == d.focus ? 1 : 0;
    if (it.type == DI_CHECKBOX || it.type == DI_RADIOBUTTON) r->Selected = it.selected;
    std::string data = it.text;
    if (it.type == DI_BUTTON && !(it.flags & kNoBrackets)) data = "[ " + it.text + " ]";
    size_t n = std::min(data.size(), sizeof r->Data - 1);
    memcpy(r->Data, data.data(), n);
    r->Data[n] = 0;
  }
}

std::string ItemJson(const FarDialogItem& r, const std::string& text, bool before) {
  TraceLine line("");
  line.Text("type", TypeName(r.Type))
      .Int("x1", r.X1)
      .Int("y1", r.Y1)
      .Int("x2", r.X2)
      .Int("y2", r.Y2)
      .Int("focus", r.Focus);
  if (IsEdit(r.Type) && (r.Flags & DIF_HISTORY))
    line.Text("history", r.History);
  else
    line.Int("selected", r.Selected);
  if (before) line.Hex("flags", r.Flags).Int("default", r.DefaultButton);
  line.Text("text", text);
  std::string json = line.Done();
  return "{" + json.substr(json.find(',') + 1);  // drop the "call" key
}

std::string ItemsJson(const FarDialogItem* items, int count, bool before) {
  std::string json = "[";
  for (int i = 0; i < count; ++i) {
    if (i) json += ",";
    json += ItemJson(
        items[i], std::string(items[i].Data, strnlen(items[i].Data, sizeof items[i].Data)), before);
  }
  return json + "]";
}

}  // namespace

int RunDialog(HostState& s, int x1, int y1, int x2, int y2, const char* helpTopic,
              FarDialogItem* items, int count) {
  std::string before;
  if (s.tracing && items && count > 0) before = ItemsJson(items, count, true);
  auto fail = [&](const char* why) {
    if (s.tracing)
      s.Record(TraceLine("Dialog")
                   .Int("x1", x1)
                   .Int("y1", y1)
                   .Int("x2", x2)
                   .Int("y2", y2)
                   .Int("count", count)
                   .Text("error", why)
                   .Int("result", -1)
                   .Done());
    return -1;
  };
  if (!items || count <= 0) return fail("no items");
  if (x2 < 0 || y2 < 0) return fail("negative X2 or Y2");
  DialogView d;
  Screen& screen = s.screen;
  if (x1 == -1 && y1 == -1) {
    d.width = x2;
    d.height = y2;
    d.x1 = (screen.Columns() - d.width) / 2;
    d.y1 = (screen.Rows() - d.height) / 2;
  } else {
    d.x1 = x1 < 0 ? 0 : x1;
    d.y1 = y1 < 0 ? 0 : y1;
    d.width = x2 - d.x1 + 1;
    d.height = y2 - d.y1 + 1;
  }
  for (int i = 0; i < count; ++i) {
    FarDialogItem* r = &items[i];
    Item it;
    it.rec = r;
    it.type = r->Type;
    it.x1 = r->X1;
    it.y1 = r->Y1;
    it.x2 = r->X2;
    it.y2 = r->Y2;
    it.flags = r->Flags;
    it.text.assign(r->Data, strnlen(r->Data, sizeof r->Data));
    it.shown = IsEdit(it.type) ? it.text : StripHotkey(it.text, &it.hotkey);
    it.selected = it.type == DI_CHECKBOX || it.type == DI_RADIOBUTTON ? r->Selected : 0;
    it.focusable = (IsEdit(it.type) || it.type == DI_BUTTON || it.type == DI_CHECKBOX ||
                    it.type == DI_RADIOBUTTON) &&
                   !(it.flags & DIF_DISABLE);
    if (r->DefaultButton && d.defaultButton < 0) d.defaultButton = i;
    d.items.push_back(it);
  }
  Layout(d);
  for (int i = 0; i < count; ++i) {
    if (IsEdit(d.items[i].type)) InitEdit(s, d.items[i]);
    if (items[i].Focus && d.focus < 0 && d.items[i].focusable) d.focus = i;
  }
  if (d.focus < 0) d.focus = NextFocus(d, -1, 1);
  if (d.focus >= 0 && !d.items[d.focus].focusable) d.focus = -1;
  int startFocus = d.focus;
  SavedRect under = screen.Save(d.x1, d.y1, d.x1 + d.width + 1, d.y1 + d.height);
  int result = -1;
  ++s.modalDepth;
  for (;;) {
    DrawDialog(s, d);
    ScriptKey key;
    if (!s.ReadKey(&key, true)) break;
    int r = HandleKey(s, d, key, helpTopic);
    if (r >= -1) {
      result = r;
      break;
    }
  }
  --s.modalDepth;
  screen.Restore(under);
  if (result != -1) SaveHistories(s, d);
  CopyBack(d);
  if (s.tracing)
    s.Record(TraceLine("Dialog")
                 .Int("x1", x1)
                 .Int("y1", y1)
                 .Int("x2", x2)
                 .Int("y2", y2)
                 .Text("help", helpTopic)
                 .Int("focusBefore", startFocus)
                 .Raw("items", before)
                 .Raw("final", ItemsJson(items, count, false))
                 .Int("focus", d.focus)
                 .Int("result", result)
                 .Done());
  return result;
}

}  // namespace host
