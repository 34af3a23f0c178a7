// The host's plug-in cache: the menu texts a module gave in an earlier run,
// kept under HKCU\Software\Far\PluginsCache\Plugin0, Plugin1, ... (values
// Name, Flags, PluginMenuString0..., PluginConfigString0..., Preload), where
// the host reads them at its start instead of asking the module.
// Covered by tests/e2e/host/cached_menus.scenario.
#pragma once

#include <string>
#include <vector>

#include "shell/plugin_api.h"

namespace host {

struct CachedMenus {
  DWORD flags = 0;
  std::vector<std::string> pluginMenu;
  std::vector<std::string> configMenu;
};

// The cached texts of the module at `modulePath`, or false when the cache
// has no entry for it (or one marked Preload: that module is asked every
// run). An entry matches by its Name, the module's full path compared
// without regard to case; a Name without a folder matches the module of that
// file name wherever it lies, so that a test can write an entry without
// knowing the build's folder. The host also compares the file's size and
// times, so that a rebuilt module is asked again; the stand-in does not.
bool ReadCachedMenus(const std::string& modulePath, CachedMenus* menus);

}  // namespace host
