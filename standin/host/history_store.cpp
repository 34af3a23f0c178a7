// Dialog histories in the registry, in the host's layout: one key per list
// below HKCU\Software\Far\SavedDialogHistory, values Line0 (newest), Line1,
// ... and a Flags DWORD (0 after an empty entry: no last-history fill).
// Covered by tests/e2e (the program keeps histories from run to run).
#include <stdio.h>

#include "host_state.h"
#include "registry_text.h"

namespace host {
namespace {

const char kHistoryRoot[] = "Software\\Far\\SavedDialogHistory";
const int kMaxLines = 64;

}  // namespace

void LoadHistories(HostState& state) {
  HKEY root;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kHistoryRoot, 0, KEY_READ, &root) != ERROR_SUCCESS) return;
  for (DWORD i = 0;; ++i) {
    char name[256];
    DWORD nameSize = sizeof name;
    if (RegEnumKeyExA(root, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    HKEY key;
    if (RegOpenKeyExA(root, name, 0, KEY_READ, &key) != ERROR_SUCCESS) continue;
    HistoryList list;
    list.name.assign(name, nameSize);
    for (int n = 0; n < kMaxLines; ++n) {
      char value[16];
      snprintf(value, sizeof value, "Line%d", n);
      std::string text;
      if (!ReadRegistryText(key, value, &text)) break;
      list.lines.push_back(text);
    }
    DWORD flags = 1, type = 0, size = sizeof flags;
    if (RegQueryValueExA(key, "Flags", nullptr, &type, reinterpret_cast<BYTE*>(&flags), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD)
      list.fill = flags != 0;
    RegCloseKey(key);
    state.histories[LowerAscii(list.name)] = list;
  }
  RegCloseKey(root);
}

void StoreHistory(const HistoryList& list) {
  std::string path = std::string(kHistoryRoot) + "\\" + list.name;
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS)
    return;
  int n = 0;
  for (; n < static_cast<int>(list.lines.size()) && n < kMaxLines; ++n) {
    char value[16];
    snprintf(value, sizeof value, "Line%d", n);
    const std::string& text = list.lines[n];
    RegSetValueExA(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
  }
  for (;; ++n) {  // entries pushed off the end
    char value[16];
    snprintf(value, sizeof value, "Line%d", n);
    if (RegDeleteValueA(key, value) != ERROR_SUCCESS) break;
  }
  DWORD flags = list.fill ? 1 : 0;
  RegSetValueExA(key, "Flags", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&flags), sizeof flags);
  RegCloseKey(key);
}

}  // namespace host
