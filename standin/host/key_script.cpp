// Key names and the script grammar. A name is any run of modifiers (Ctrl,
// Alt, Shift, also RCtrl and RAlt) and a base key; letters and digits are base
// keys of their own (AltA, CtrlY). Lines starting with '#' in a script file
// are comments.
#include "key_script.h"

#include <ctype.h>
#include <stdlib.h>
#include <string.h>

#include "code_pages.h"

namespace host {
namespace {

struct NamedKey {
  const char* name;
  WORD vk;
  unsigned char ch;
};

const NamedKey kNamedKeys[] = {
    {"Enter", VK_RETURN, '\r'}, {"Esc", VK_ESCAPE, 27}, {"Tab", VK_TAB, '\t'},
    {"Space", VK_SPACE, ' '},   {"BS", VK_BACK, 8},     {"Ins", VK_INSERT, 0},
    {"Del", VK_DELETE, 0},      {"Home", VK_HOME, 0},   {"End", VK_END, 0},
    {"PgUp", VK_PRIOR, 0},      {"PgDn", VK_NEXT, 0},   {"Up", VK_UP, 0},
    {"Down", VK_DOWN, 0},       {"Left", VK_LEFT, 0},   {"Right", VK_RIGHT, 0},
    {"F10", VK_F10, 0},         {"F11", VK_F11, 0},     {"F12", VK_F12, 0},
    {"F1", VK_F1, 0},           {"F2", VK_F2, 0},       {"F3", VK_F3, 0},
    {"F4", VK_F4, 0},           {"F5", VK_F5, 0},       {"F6", VK_F6, 0},
    {"F7", VK_F7, 0},           {"F8", VK_F8, 0},       {"F9", VK_F9, 0},
};

bool TakePrefix(const std::string& word, size_t* pos, const char* prefix) {
  size_t n = strlen(prefix);
  if (word.compare(*pos, n, prefix) != 0 || *pos + n >= word.size()) return false;
  *pos += n;
  return true;
}

bool ParseKeyName(const std::string& word, ScriptKey* key) {
  size_t pos = 0;
  DWORD control = 0;
  for (;;) {
    if (TakePrefix(word, &pos, "Ctrl"))
      control |= LEFT_CTRL_PRESSED;
    else if (TakePrefix(word, &pos, "RCtrl"))
      control |= RIGHT_CTRL_PRESSED;
    else if (TakePrefix(word, &pos, "Alt"))
      control |= LEFT_ALT_PRESSED;
    else if (TakePrefix(word, &pos, "RAlt"))
      control |= RIGHT_ALT_PRESSED;
    else if (TakePrefix(word, &pos, "Shift"))
      control |= SHIFT_PRESSED;
    else
      break;
  }
  std::string base = word.substr(pos);
  key->control = control;
  for (const NamedKey& named : kNamedKeys) {
    if (base == named.name) {
      key->vk = named.vk;
      key->ch = named.ch;
      return true;
    }
  }
  if (base.size() == 1 && isalnum(static_cast<unsigned char>(base[0])) && control != 0) {
    char c = static_cast<char>(toupper(static_cast<unsigned char>(base[0])));
    key->vk = static_cast<WORD>(c);
    if (control & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED))
      key->ch =
          isalpha(static_cast<unsigned char>(c)) ? static_cast<unsigned char>(c - 'A' + 1) : 0;
    else if (control & SHIFT_PRESSED)
      key->ch = static_cast<unsigned char>(c);
    else
      key->ch = static_cast<unsigned char>(tolower(static_cast<unsigned char>(c)));
    return true;
  }
  return false;
}

// A typed character: its key is the letter or digit key where there is one.
ScriptKey CharacterKey(unsigned char ch) {
  ScriptKey key;
  key.ch = ch;
  if (ch >= 'a' && ch <= 'z') {
    key.vk = static_cast<WORD>(ch - 'a' + 'A');
  } else if (ch >= 'A' && ch <= 'Z') {
    key.vk = ch;
    key.control = SHIFT_PRESSED;
  } else if (ch >= '0' && ch <= '9') {
    key.vk = ch;
  } else if (ch == ' ') {
    key.vk = VK_SPACE;
  }
  return key;
}

// Reads "text" starting at the quote at script[*pos]; *pos ends after the closing quote.
bool ParseQuoted(const std::string& script, size_t* pos, bool typeAhead,
                 std::vector<ScriptKey>* keys, std::string* error) {
  std::string text;
  size_t i = *pos + 1;
  for (; i < script.size() && script[i] != '"'; ++i) {
    if (script[i] == '\\' && i + 1 < script.size()) ++i;
    text.push_back(script[i]);
  }
  if (i >= script.size()) {
    *error = "unterminated quoted text at offset " + std::to_string(*pos);
    return false;
  }
  *pos = i + 1;
  std::string oem = Utf8ToOem(text);
  for (unsigned char c : oem) {
    ScriptKey key = CharacterKey(c);
    key.typeAhead = typeAhead;
    keys->push_back(key);
  }
  return true;
}

// Takes a trailing "@N" or "@Nms" off `word` into the key's wait.
bool ParseWait(std::string* word, ScriptKey* key, std::string* error) {
  size_t at = word->find('@');
  if (at == std::string::npos) return true;
  std::string wait = word->substr(at + 1);
  bool ms = wait.size() > 2 && wait.compare(wait.size() - 2, 2, "ms") == 0;
  if (ms) wait.resize(wait.size() - 2);
  if (wait.empty() || wait.size() > 7 ||
      wait.find_first_not_of("0123456789") != std::string::npos) {
    *error = "\"" + *word + "\": a key waits @POLLS or @MILLISECONDSms";
    return false;
  }
  (ms ? key->afterMs : key->afterPolls) = atoi(wait.c_str());
  word->resize(at);
  return true;
}

}  // namespace

bool ParseKeyScript(const std::string& script, std::vector<ScriptKey>* keys, std::string* error) {
  std::vector<ScriptKey> parsed;
  std::string dummy;
  if (!error) error = &dummy;
  size_t pos = 0;
  while (pos < script.size()) {
    char c = script[pos];
    if (isspace(static_cast<unsigned char>(c))) {
      ++pos;
      continue;
    }
    if (c == '#' && (pos == 0 || script[pos - 1] == '\n')) {
      while (pos < script.size() && script[pos] != '\n') ++pos;
      continue;
    }
    bool typeAhead = false;
    if (c == '!') {
      typeAhead = true;
      ++pos;
      if (pos >= script.size() || isspace(static_cast<unsigned char>(script[pos]))) {
        *error = "'!' must be followed by a key";
        return false;
      }
    }
    if (script[pos] == '"') {
      if (!ParseQuoted(script, &pos, typeAhead, &parsed, error)) return false;
      continue;
    }
    size_t end = pos;
    while (end < script.size() && !isspace(static_cast<unsigned char>(script[end]))) ++end;
    std::string word = script.substr(pos, end - pos);
    ScriptKey key;
    if (!ParseWait(&word, &key, error)) return false;
    if (key.Timed() && typeAhead) {
      *error = "\"!" + word + "\": a key is typed ahead or waits, not both";
      return false;
    }
    if (word == "Snap") {
      if (key.Timed()) {
        *error = "Snap cannot wait";
        return false;
      }
      if (typeAhead) {
        *error = "Snap cannot be typed ahead";
        return false;
      }
      key.snap = true;
      parsed.push_back(key);
      pos = end;
      continue;
    }
    if (!ParseKeyName(word, &key)) {
      *error = "unknown key name \"" + word + "\"";
      return false;
    }
    key.typeAhead = typeAhead;
    parsed.push_back(key);
    pos = end;
  }
  keys->insert(keys->end(), parsed.begin(), parsed.end());
  return true;
}

int ModifierBits(DWORD control) {
  int bits = 0;
  if (control & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED)) bits |= PKF_CONTROL;
  if (control & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED)) bits |= PKF_ALT;
  if (control & SHIFT_PRESSED) bits |= PKF_SHIFT;
  return bits;
}

std::string KeyName(WORD vk, DWORD control, unsigned char ch) {
  int bits = ModifierBits(control);
  std::string base;
  for (const NamedKey& named : kNamedKeys)
    if (named.vk == vk) base = named.name;
  if (base.empty() && ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) &&
      (bits & (PKF_CONTROL | PKF_ALT)))
    base = std::string(1, static_cast<char>(vk));
  if (base.empty()) {
    std::string text = "\"";
    if (ch == '"' || ch == '\\') text += '\\';
    text += OemToUtf8(std::string(1, static_cast<char>(ch ? ch : '?')));
    return text + "\"";
  }
  std::string name;
  if (bits & PKF_CONTROL) name += "Ctrl";
  if (bits & PKF_ALT) name += "Alt";
  if (bits & PKF_SHIFT) name += "Shift";
  return name + base;
}

INPUT_RECORD ToInputRecord(const ScriptKey& key, bool down) {
  INPUT_RECORD record;
  memset(&record, 0, sizeof record);
  record.EventType = KEY_EVENT;
  record.Event.KeyEvent.bKeyDown = down ? TRUE : FALSE;
  record.Event.KeyEvent.wRepeatCount = 1;
  record.Event.KeyEvent.wVirtualKeyCode = key.vk;
  record.Event.KeyEvent.uChar.AsciiChar = static_cast<CHAR>(key.ch);
  record.Event.KeyEvent.dwControlKeyState = key.control;
  return record;
}

ScriptKey FromInputRecord(const INPUT_RECORD& record) {
  ScriptKey key;
  key.vk = record.Event.KeyEvent.wVirtualKeyCode;
  key.control = record.Event.KeyEvent.dwControlKeyState;
  key.ch = static_cast<unsigned char>(record.Event.KeyEvent.uChar.AsciiChar);
  return key;
}

}  // namespace host
