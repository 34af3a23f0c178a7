// PluginKey: the module's registry key below HKEY_CURRENT_USER, the host's
// RootKey followed by "\SKERROW".
#pragma once

// Room for any RootKey a host hands over (the host's own key plus "\Plugins",
// user profiles included) with "\SKERROW"; a longer RootKey is refused, which
// leaves the key empty rather than cut into some other key's name.
enum { kPluginKeySize = 512 };

extern char PluginKey[kPluginKeySize];

// Forms PluginKey from `rootKey`; false (and an empty key) when it would not fit.
bool FormPluginKey(const char* rootKey);
