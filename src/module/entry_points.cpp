// The module's four exports. Each entry point is a few lines: the work lives in
// the subsystems (settings, search command, configuration dialog).
// Covered by tests/module/entry_points_test.cpp.
#include "search/search_command.h"
#include "settings/config_dialog.h"
#include "settings/options.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "shell/plugin_api.h"
#include "shell/plugin_key.h"

#include <string.h>

// PluginInfo carries arrays of text pointers: the host keeps the addresses of
// these one-element arrays after the call, so they live in static storage.
static const char* pluginMenuText;
static const char* configMenuText;

extern "C" {

void WINAPI SetStartupInfo(const PluginStartupInfo* Info) {
  memcpy(&HostInfo, Info, sizeof HostInfo);
  FormPluginKey(Info->RootKey);
  LoadOptions();
}

void WINAPI GetPluginInfo(PluginInfo* Info) {
  Info->StructSize = 40;
  Info->Flags = PF_DISABLEPANELS | PF_EDITOR;
  Info->DiskMenuStringsNumber = 0;
  pluginMenuText = GetMsg(MsgPluginMenu);
  Info->PluginMenuStrings = &pluginMenuText;
  Info->PluginMenuStringsNumber = 1;
  configMenuText = GetMsg(MsgConfigMenu);
  Info->PluginConfigStrings = &configMenuText;
  Info->PluginConfigStringsNumber = 1;
}

HANDLE WINAPI OpenPlugin(int, int) {
  RunSearchCommand();
  return INVALID_HANDLE_VALUE;
}

int WINAPI Configure(int ItemNumber) {
  if (ItemNumber != 0) return 0;
  return RunConfigDialog() ? 1 : 0;
}

}  // extern "C"
