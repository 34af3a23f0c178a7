// The module as the host holds it: loaded from its shared library, its four
// entry points resolved by their bare names; the editor's plug-in menu (F11)
// and the configuration menu (Alt+Shift+F9, the stand-in's own key: the host
// opens that menu from its panels); the editor's key loop. Entry point calls
// are traced as "GetPluginInfo", "OpenPlugin" and "Configure".
//
// As the host, it asks the module for its menu texts only when its plug-in
// cache (plugin_cache.h) has none. On such a first run SetStartupInfo and
// GetPluginInfo are called at once, and GetPluginInfo again for every menu
// shown. On a run with cached texts GetPluginInfo is never called, and
// SetStartupInfo only when a menu item of the module is chosen: a module must
// not rely on GetPluginInfo for anything but its texts.
// Covered by tests/e2e (the skerrow-host program drives it).
#pragma once

#include <string>
#include <vector>

#include "host.h"
#include "plugin_cache.h"

namespace host {

class PluginSession {
 public:
  explicit PluginSession(Host& host) : host_(host) {}
  ~PluginSession() { Unload(); }
  PluginSession(const PluginSession&) = delete;
  PluginSession& operator=(const PluginSession&) = delete;

  // Loads the module and, unless its menu texts are cached, calls
  // SetStartupInfo and GetPluginInfo; false with *error when the library
  // cannot be loaded or lacks an entry point.
  bool Load(const std::string& path, std::string* error);
  void Unload();
  // F11: the plug-in menu; Enter on the module's entry calls OpenPlugin.
  void PluginMenu();
  // Alt+Shift+F9: the configuration menu; Enter calls Configure.
  void ConfigMenu();
  // Reads keys and acts on them until F10 (true) or the end of input (false).
  bool RunEditor();

 private:
  // The texts of one of the two menus: from the cache, or from GetPluginInfo
  // (nothing for the plug-in menu when the module does not offer itself in
  // the editor).
  std::vector<std::string> MenuTexts(bool pluginMenu);
  bool Info(PluginInfo* info);
  void Start();  // SetStartupInfo, once
  void* module_ = nullptr;
  bool started_ = false;
  bool cached_ = false;
  CachedMenus cache_;
  Host& host_;
  SetStartupInfoFn setStartupInfo_ = nullptr;
  GetPluginInfoFn getPluginInfo_ = nullptr;
  OpenPluginFn openPlugin_ = nullptr;
  ConfigureFn configure_ = nullptr;
};

}  // namespace host
