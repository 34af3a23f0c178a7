// The module as the host holds it: loaded from its shared library, its four
// entry points resolved by their bare names, SetStartupInfo called once; the
// editor's plug-in menu (F11) and the configuration menu (Alt+Shift+F9, the
// stand-in's own key: the host opens that menu from its panels) built from
// GetPluginInfo each time; the editor's key loop. Entry point calls are
// traced as "GetPluginInfo", "OpenPlugin" and "Configure".
// Covered by tests/e2e (the skerrow-host program drives it).
#pragma once

#include <string>

#include "host.h"

namespace host {

class PluginSession {
 public:
  explicit PluginSession(Host& host) : host_(host) {}
  ~PluginSession() { Unload(); }
  PluginSession(const PluginSession&) = delete;
  PluginSession& operator=(const PluginSession&) = delete;

  // Loads the module and calls SetStartupInfo; false with *error when the
  // library cannot be loaded or lacks an entry point.
  bool Load(const std::string& path, std::string* error);
  void Unload();
  // F11: the plug-in menu; Enter on the module's entry calls OpenPlugin.
  void PluginMenu();
  // Alt+Shift+F9: the configuration menu; Enter calls Configure.
  void ConfigMenu();
  // Reads keys and acts on them until F10 (true) or the end of input (false).
  bool RunEditor();

 private:
  bool Info(PluginInfo* info);
  void* module_ = nullptr;
  Host& host_;
  SetStartupInfoFn setStartupInfo_ = nullptr;
  GetPluginInfoFn getPluginInfo_ = nullptr;
  OpenPluginFn openPlugin_ = nullptr;
  ConfigureFn configure_ = nullptr;
};

}  // namespace host
