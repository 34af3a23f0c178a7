// The module's copy of the host's service table and the small wrappers every
// host call goes through, so that ModuleNumber is always passed.
#pragma once

#include "shell/plugin_api.h"

extern PluginStartupInfo HostInfo;

// Text of message `id`, host-owned, valid while the module is loaded.
const char* GetMsg(int id);
