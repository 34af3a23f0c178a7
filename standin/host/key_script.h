// Key scripts: the names of keys as the host's macro language writes them,
// quoted text, and the '!' mark for keys typed ahead (see host.h). The same
// parser serves QueueKeys, --keys and --script, and KeyName gives traces and
// error messages the same names back.
// Covered by tests/standin/host/key_script_test.cpp.
#pragma once

#include <string>
#include <vector>

#include "shell/plugin_api.h"

namespace host {

struct ScriptKey {
  WORD vk = 0;           // virtual-key code; 0 for a character without its own key
  DWORD control = 0;     // LEFT_CTRL_PRESSED, LEFT_ALT_PRESSED, SHIFT_PRESSED
  unsigned char ch = 0;  // OEM character the key types, 0 for none
  bool typeAhead = false;
  bool snap = false;  // "Snap": no key; the screen is recorded when it is reached
  // "Esc@3", "Esc@500ms": queued once the module has polled the console 3
  // more times, or 500 ms later, counted from the delivery of the key before.
  int afterPolls = -1;
  int afterMs = -1;
  bool Timed() const { return afterPolls >= 0 || afterMs >= 0; }
};

// Appends the keys of `script` to *keys. On a syntax error returns false,
// leaves *keys as it was and says what is wrong in *error.
bool ParseKeyScript(const std::string& script, std::vector<ScriptKey>* keys, std::string* error);
// The script name of a key ("CtrlLeft", "AltShiftF9", "\"a\"").
std::string KeyName(WORD vk, DWORD control, unsigned char ch);
// A key-down (or key-up) console record for the key.
INPUT_RECORD ToInputRecord(const ScriptKey& key, bool down);
ScriptKey FromInputRecord(const INPUT_RECORD& record);
// Modifiers held, as the host's PKF_CONTROL/PKF_ALT/PKF_SHIFT bits.
int ModifierBits(DWORD control);

}  // namespace host
