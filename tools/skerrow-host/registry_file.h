// --registry and --import: the host's registry branch from and to .reg files.
#pragma once

#include <string>

// Replaces HKCU\Software\Far by the contents of `path` (an absent file gives
// an empty branch). False with *error when the file is malformed.
bool LoadRegistryFile(const std::string& path, std::string* error);
// Merges `path` into the registry.
bool ImportRegistryFile(const std::string& path, std::string* error);
// Writes HKCU\Software\Far to `path`.
bool SaveRegistryFile(const std::string& path, std::string* error);
