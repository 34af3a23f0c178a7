#include "plugin_session.h"

#include <stdio.h>
#include <string.h>

#include <vector>

#include "host_state.h"
#include "platform.h"
#include "trace_line.h"

namespace host {
namespace {

// Menus of the host itself: drawn like the module's, never traced as its
// calls. As in the host with no hot keys assigned, the plug-in commands
// leave their hot-key column blank (`prefix`), and both menus say how to
// assign one.
int HostMenu(HostState& s, const char* title, const char* prefix,
             const std::vector<std::string>& texts) {
  std::vector<FarMenuItem> items(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    memset(&items[i], 0, sizeof items[i]);
    snprintf(items[i].Text, sizeof items[i].Text, "%s%s", prefix, texts[i].c_str());
  }
  bool tracing = s.tracing;
  s.tracing = false;
  int chosen = RunMenu(s, -1, -1, 0, FMENU_WRAPMODE, title, "F4 - set hot key", nullptr, nullptr,
                       nullptr, items.data(), static_cast<int>(items.size()));
  s.tracing = tracing;
  return chosen;
}

std::string StringsJson(const char* const* strings, int count) {
  std::string json = "[";
  for (int i = 0; strings && i < count; ++i) {
    if (i) json += ",";
    json += strings[i] ? TraceLine::Quote(strings[i]) : "null";
  }
  return json + "]";
}

}  // namespace

bool PluginSession::Load(const std::string& path, std::string* error) {
  module_ = OpenModule(path, error);
  if (!module_) return false;
  WatchModuleConsolePolls(module_);
  setStartupInfo_ = reinterpret_cast<SetStartupInfoFn>(ModuleSymbol(module_, "SetStartupInfo"));
  getPluginInfo_ = reinterpret_cast<GetPluginInfoFn>(ModuleSymbol(module_, "GetPluginInfo"));
  openPlugin_ = reinterpret_cast<OpenPluginFn>(ModuleSymbol(module_, "OpenPlugin"));
  configure_ = reinterpret_cast<ConfigureFn>(ModuleSymbol(module_, "Configure"));
  if (!setStartupInfo_ || !getPluginInfo_ || !openPlugin_ || !configure_) {
    *error = path + " lacks an entry point (SetStartupInfo, GetPluginInfo, OpenPlugin, Configure)";
    Unload();
    return false;
  }
  cached_ = ReadCachedMenus(host_.StartupInfo()->ModuleName, &cache_);
  if (!cached_) {
    Start();
    PluginInfo info;
    Info(&info);  // what the host keeps in its cache for the next run
  }
  return true;
}

void PluginSession::Start() {
  if (started_ || !setStartupInfo_) return;
  started_ = true;
  setStartupInfo_(host_.StartupInfo());
}

void PluginSession::Unload() {
  CloseModule(module_);
  module_ = nullptr;
  setStartupInfo_ = nullptr;
  getPluginInfo_ = nullptr;
  openPlugin_ = nullptr;
  configure_ = nullptr;
  started_ = false;
}

bool PluginSession::Info(PluginInfo* info) {
  if (!getPluginInfo_) return false;
  memset(info, 0, sizeof *info);
  getPluginInfo_(info);
  HostState& s = host_.state();
  if (s.tracing)
    s.Record(
        TraceLine("GetPluginInfo")
            .Hex("flags", info->Flags)
            .Raw("pluginMenu", StringsJson(info->PluginMenuStrings, info->PluginMenuStringsNumber))
            .Raw("configMenu",
                 StringsJson(info->PluginConfigStrings, info->PluginConfigStringsNumber))
            .Done());
  return true;
}

std::vector<std::string> PluginSession::MenuTexts(bool pluginMenu) {
  std::vector<std::string> texts;
  if (cached_) {
    if (!pluginMenu) return cache_.configMenu;
    if (cache_.flags & PF_EDITOR) texts = cache_.pluginMenu;
    return texts;
  }
  PluginInfo info;
  if (!Info(&info)) return texts;
  if (pluginMenu && !(info.Flags & PF_EDITOR)) return texts;
  const char* const* strings = pluginMenu ? info.PluginMenuStrings : info.PluginConfigStrings;
  int count = pluginMenu ? info.PluginMenuStringsNumber : info.PluginConfigStringsNumber;
  for (int i = 0; strings && i < count; ++i) texts.push_back(strings[i] ? strings[i] : "");
  return texts;
}

void PluginSession::PluginMenu() {
  HostState& s = host_.state();
  std::vector<std::string> texts = MenuTexts(true);
  int chosen = HostMenu(s, "Plugin commands", "   ", texts);
  if (chosen < 0 || texts.empty()) return;
  Start();
  HANDLE result = openPlugin_(OPEN_EDITOR, chosen);
  if (s.tracing) {
    TraceLine line("OpenPlugin");
    line.Int("openFrom", OPEN_EDITOR).Int("item", chosen);
    if (result == INVALID_HANDLE_VALUE)
      line.Text("result", "INVALID_HANDLE_VALUE");
    else
      line.Int("result", static_cast<long long>(reinterpret_cast<INT_PTR>(result)));
    s.Record(line.Done());
  }
  if (result == nullptr) {
    fprintf(stderr, "skerrow-host: OpenPlugin returned 0: the host unloads the module\n");
    Unload();
  }
  DrawEditor(s);
}

void PluginSession::ConfigMenu() {
  HostState& s = host_.state();
  std::vector<std::string> texts = MenuTexts(false);
  int chosen = HostMenu(s, "Plugins configuration", "", texts);
  if (chosen < 0 || texts.empty()) return;
  Start();
  int result = configure_(chosen);
  if (s.tracing) s.Record(TraceLine("Configure").Int("item", chosen).Int("result", result).Done());
  DrawEditor(s);
}

bool PluginSession::RunEditor() {
  HostState& s = host_.state();
  for (;;) {
    DrawEditor(s);
    ScriptKey key;
    if (!s.ReadKey(&key, false)) return false;
    int mods = ModifierBits(key.control);
    if (key.vk == VK_F10 && mods == 0) return true;
    if (key.vk == VK_F11 && mods == 0) {
      if (module_) PluginMenu();
      continue;
    }
    if (key.vk == VK_F9 && mods == (PKF_ALT | PKF_SHIFT)) {
      if (module_) ConfigMenu();
      continue;
    }
    s.editor.ProcessKey(key.vk, key.control, static_cast<char>(key.ch));
  }
}

}  // namespace host
