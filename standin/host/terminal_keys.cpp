// Escape sequences as xterm, tmux and the Linux console send them: CSI with a
// modifier parameter (1 + Shift 1, Alt 2, Ctrl 4), SS3 for F1-F4, ESC + key
// for Alt, control bytes for Ctrl+letter, UTF-8 for text (typed as OEM).
#include "terminal_keys.h"

#include "code_pages.h"

namespace host {

namespace {

ScriptKey Key(WORD vk, DWORD control, unsigned char ch = 0) {
  ScriptKey key;
  key.vk = vk;
  key.control = control;
  key.ch = ch;
  return key;
}

DWORD Modifiers(int parameter) {
  int bits = parameter > 1 ? parameter - 1 : 0;
  DWORD control = 0;
  if (bits & 1) control |= SHIFT_PRESSED;
  if (bits & 2) control |= LEFT_ALT_PRESSED;
  if (bits & 4) control |= LEFT_CTRL_PRESSED;
  return control;
}

WORD TildeKey(int code) {
  switch (code) {
    case 1:
    case 7: return VK_HOME;
    case 2: return VK_INSERT;
    case 3: return VK_DELETE;
    case 4:
    case 8: return VK_END;
    case 5: return VK_PRIOR;
    case 6: return VK_NEXT;
    case 11: return VK_F1;
    case 12: return VK_F2;
    case 13: return VK_F3;
    case 14: return VK_F4;
    case 15: return VK_F5;
    case 17: return VK_F6;
    case 18: return VK_F7;
    case 19: return VK_F8;
    case 20: return VK_F9;
    case 21: return VK_F10;
    case 23: return VK_F11;
    case 24: return VK_F12;
  }
  return 0;
}

WORD LetterKey(char c) {
  switch (c) {
    case 'A': return VK_UP;
    case 'B': return VK_DOWN;
    case 'C': return VK_RIGHT;
    case 'D': return VK_LEFT;
    case 'H': return VK_HOME;
    case 'F': return VK_END;
    case 'P': return VK_F1;
    case 'Q': return VK_F2;
    case 'R': return VK_F3;
    case 'S': return VK_F4;
  }
  return 0;
}

ScriptKey CharKey(unsigned char oem, DWORD control) {
  ScriptKey key;
  key.ch = oem;
  key.control = control;
  if (oem >= 'a' && oem <= 'z')
    key.vk = static_cast<WORD>(oem - 32);
  else if (oem >= 'A' && oem <= 'Z') {
    key.vk = oem;
    key.control |= SHIFT_PRESSED;
  } else if (oem >= '0' && oem <= '9')
    key.vk = oem;
  else if (oem == ' ')
    key.vk = VK_SPACE;
  return key;
}

// A plain byte (or UTF-8 character) with `control` already held.
int DecodePlain(const std::string& bytes, size_t at, DWORD control, ScriptKey* key) {
  unsigned char c = static_cast<unsigned char>(bytes[at]);
  switch (c) {
    case '\r':
    case '\n': *key = Key(VK_RETURN, control, '\r'); return 1;
    case '\t': *key = Key(VK_TAB, control, '\t'); return 1;
    case 0x7F:
    case 0x08: *key = Key(VK_BACK, control, 8); return 1;
    case 0x1B: *key = Key(VK_ESCAPE, control, 27); return 1;
    case 0: *key = Key(VK_SPACE, control | LEFT_CTRL_PRESSED, ' '); return 1;
  }
  if (c < 0x20) {
    *key = Key(static_cast<WORD>('A' + c - 1), control | LEFT_CTRL_PRESSED, c);
    return 1;
  }
  if (c < 0x80) {
    *key = CharKey(c, control);
    if (control & LEFT_ALT_PRESSED) key->control &= ~SHIFT_PRESSED;
    return 1;
  }
  size_t pos = at;
  int32_t u = NextUtf8(bytes, &pos);
  if (u < 0) return -1;
  int oem = UnicodeToOem(static_cast<uint32_t>(u));
  *key = CharKey(static_cast<unsigned char>(oem < 0 ? '?' : oem), control);
  return static_cast<int>(pos - at);
}

int DecodeEscape(const std::string& bytes, bool final, ScriptKey* key) {
  if (bytes.size() == 1) {
    if (!final) return 0;
    *key = Key(VK_ESCAPE, 0, 27);
    return 1;
  }
  char second = bytes[1];
  if (second == 'O') {
    if (bytes.size() < 3) return final ? -1 : 0;
    WORD vk = LetterKey(bytes[2]);
    if (!vk) return -1;
    *key = Key(vk, 0);
    return 3;
  }
  if (second != '[') {
    int used = DecodePlain(bytes, 1, LEFT_ALT_PRESSED, key);
    return used > 0 ? used + 1 : used;
  }
  size_t i = 2;
  int params[4] = {0, 0, 0, 0}, count = 0;
  while (i < bytes.size() && ((bytes[i] >= '0' && bytes[i] <= '9') || bytes[i] == ';')) {
    if (bytes[i] == ';') {
      if (count < 3) ++count;
    } else {
      params[count] = params[count] * 10 + (bytes[i] - '0');
    }
    ++i;
  }
  if (i >= bytes.size()) return final ? -1 : 0;
  char end = bytes[i];
  int used = static_cast<int>(i + 1);
  if (end == '~') {
    WORD vk = TildeKey(params[0]);
    if (!vk) return used;
    *key = Key(vk, Modifiers(params[1]));
    return used;
  }
  if (end == 'Z') {
    *key = Key(VK_TAB, SHIFT_PRESSED, '\t');
    return used;
  }
  WORD vk = LetterKey(end);
  if (!vk) return used;  // an unknown sequence is swallowed whole
  *key = Key(vk, Modifiers(count >= 1 ? params[1] : 0));
  return used;
}

}  // namespace

int DecodeTerminalKey(const std::string& bytes, bool final, ScriptKey* key) {
  if (bytes.empty()) return 0;
  if (bytes[0] == 0x1B) return DecodeEscape(bytes, final, key);
  unsigned char c = static_cast<unsigned char>(bytes[0]);
  if (c >= 0xC0 && !final) {
    size_t need = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    if (bytes.size() < need) return 0;
  }
  return DecodePlain(bytes, 0, 0, key);
}

}  // namespace host
