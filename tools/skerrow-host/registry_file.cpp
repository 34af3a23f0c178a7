#include "registry_file.h"

#include <stdio.h>

#include <vector>

#include "regfile/reg_file.h"
#include "shell/win_api.h"

namespace {

const char kHostBranch[] = "Software\\Far";

// RegDeleteKeyA removes only keys without sub-keys: the tree goes leaves first.
void DeleteKeyTree(HKEY parent, const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
  std::vector<std::string> children;
  for (DWORD i = 0;; ++i) {
    char name[512];
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    children.push_back(std::string(name, size));
  }
  for (const std::string& child : children) DeleteKeyTree(key, child);
  RegCloseKey(key);
  RegDeleteKeyA(parent, path.c_str());
}

bool FileExists(const std::string& path) {
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) return false;
  fclose(f);
  return true;
}

}  // namespace

RegistryBranchScope::RegistryBranchScope() {
  DeleteKeyTree(HKEY_CURRENT_USER, kHostBranch);
}

RegistryBranchScope::~RegistryBranchScope() {
  DeleteKeyTree(HKEY_CURRENT_USER, kHostBranch);
}

bool LoadRegistryFile(const std::string& path, std::string* error) {
  if (!FileExists(path)) return true;
  return ImportRegistryFile(path, error);
}

bool ImportRegistryFile(const std::string& path, std::string* error) {
  std::string why;
  if (regfile::ImportRegFile(path.c_str(), &why)) return true;
  *error = path + ": " + why;
  return false;
}

bool SaveRegistryFile(const std::string& path, std::string* error) {
  std::string why;
  if (regfile::ExportRegFile(path.c_str(), HKEY_CURRENT_USER, "HKEY_CURRENT_USER", kHostBranch,
                             &why))
    return true;
  *error = path + ": " + why;
  return false;
}
