// --registry and --import: the host's registry branch from and to .reg files.
#pragma once

#include <string>

// HKCU\Software\Far empty while the object lives and again once it is gone:
// a run sees only what --registry and --import bring, and the next run
// nothing of it (under Wine the branch lives in the prefix, not the process).
class RegistryBranchScope {
 public:
  RegistryBranchScope();
  ~RegistryBranchScope();
  RegistryBranchScope(const RegistryBranchScope&) = delete;
  RegistryBranchScope& operator=(const RegistryBranchScope&) = delete;
};

// Fills the (empty) branch from `path`; an absent file leaves it empty.
// False with *error when the file is malformed.
bool LoadRegistryFile(const std::string& path, std::string* error);
// Merges `path` into the registry.
bool ImportRegistryFile(const std::string& path, std::string* error);
// Writes HKCU\Software\Far to `path`.
bool SaveRegistryFile(const std::string& path, std::string* error);
