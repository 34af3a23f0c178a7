// A string value of the registry as the host reads it: REG_SZ only, at most
// kMaxRegistryText bytes; a longer or other value reads as missing.
#pragma once

#include <string>

#include "shell/win_api.h"

namespace host {

const unsigned kMaxRegistryText = 1023;

bool ReadRegistryText(HKEY key, const char* name, std::string* text);

}  // namespace host
