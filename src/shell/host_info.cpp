// Holds HostInfo, filled once by SetStartupInfo.
#include "shell/host_info.h"

PluginStartupInfo HostInfo;

const char* GetMsg(int id) { return HostInfo.GetMsg(HostInfo.ModuleNumber, id); }
