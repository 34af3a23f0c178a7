#include "registry_text.h"

namespace host {

bool ReadRegistryText(HKEY key, const char* name, std::string* text) {
  char buffer[kMaxRegistryText + 1];
  DWORD type = 0, size = kMaxRegistryText;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
          ERROR_SUCCESS ||
      type != REG_SZ)
    return false;
  buffer[size] = 0;
  text->assign(buffer);  // stops at the terminator the value carries
  return true;
}

}  // namespace host
