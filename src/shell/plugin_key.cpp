// Forms PluginKey once, at SetStartupInfo.
#include "shell/plugin_key.h"

#include <string.h>

char PluginKey[kPluginKeySize];

bool FormPluginKey(const char* rootKey) {
  static const char kSuffix[] = "\\SKERROW";
  PluginKey[0] = 0;
  if (!rootKey) return false;
  size_t rootLength = strlen(rootKey);
  if (rootLength + sizeof kSuffix > sizeof PluginKey) return false;
  memcpy(PluginKey, rootKey, rootLength);
  memcpy(PluginKey + rootLength, kSuffix, sizeof kSuffix);
  return true;
}
