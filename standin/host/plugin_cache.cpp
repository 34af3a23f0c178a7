// Reading the host's plug-in cache. The stand-in never writes one: every run
// without an entry is a first run, so that the registry a run saves holds
// only what the module wrote.
#include "plugin_cache.h"

#include <stdio.h>

#include "host_state.h"
#include "registry_text.h"

namespace host {
namespace {

const char kCacheRoot[] = "Software\\Far\\PluginsCache";
const int kMaxEntries = 1000;  // the host counts Plugin0, Plugin1, ... up to an empty Name

DWORD ReadNumber(HKEY key, const char* name) {
  DWORD value = 0, type = 0, size = sizeof value;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) !=
          ERROR_SUCCESS ||
      type != REG_DWORD)
    return 0;
  return value;
}

std::string FileName(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SameModule(const std::string& cachedName, const std::string& modulePath) {
  if (cachedName.find_first_of("\\/") == std::string::npos)
    return LowerAscii(cachedName) == LowerAscii(FileName(modulePath));
  return LowerAscii(cachedName) == LowerAscii(modulePath);
}

// Texts "<prefix>0", "<prefix>1", ... up to the first missing or empty one.
std::vector<std::string> ReadTexts(HKEY key, const char* prefix) {
  std::vector<std::string> texts;
  for (int i = 0;; ++i) {
    char name[64];
    snprintf(name, sizeof name, "%s%d", prefix, i);
    std::string text;
    if (!ReadRegistryText(key, name, &text) || text.empty()) break;
    texts.push_back(text);
  }
  return texts;
}

}  // namespace

bool ReadCachedMenus(const std::string& modulePath, CachedMenus* menus) {
  for (int i = 0; i < kMaxEntries; ++i) {
    char path[64];
    snprintf(path, sizeof path, "%s\\Plugin%d", kCacheRoot, i);
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    std::string name;
    bool named = ReadRegistryText(key, "Name", &name) && !name.empty();
    bool found = named && SameModule(name, modulePath) && ReadNumber(key, "Preload") != 1;
    if (found) {
      menus->flags = ReadNumber(key, "Flags");
      menus->pluginMenu = ReadTexts(key, "PluginMenuString");
      menus->configMenu = ReadTexts(key, "PluginConfigString");
    }
    RegCloseKey(key);
    if (found) return true;
    if (!named) return false;
  }
  return false;
}

}  // namespace host
