// The stand-in registry's data: a tree of keys under the predefined roots, each
// key holding values and sub-keys kept in the order the real registry
// enumerates them (names compared by their lower-cased UTF-16 units, see
// AnsiNameKey), and the table of open key handles. Not thread-safe by itself:
// registry_api.cpp serialises every call.
// Covered through the API by tests/standin/win32/registry_*_test.cpp.
#pragma once

#include "shell/win_api.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace standin {

struct RegistryValue {
  std::string name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

struct RegistryKey {
  std::string name;  // as first created; matching ignores case
  RegistryKey* parent = nullptr;
  bool deleted = false;
  std::vector<RegistryValue> values;                   // sorted by name
  std::vector<std::shared_ptr<RegistryKey>> children;  // sorted by name

  RegistryValue* FindValue(const std::string& valueName);
  // The value of that name, created empty if missing.
  RegistryValue* ProvideValue(const std::string& valueName);
  bool EraseValue(const std::string& valueName);
  RegistryKey* FindChild(const std::string& childName) const;
  RegistryKey* ProvideChild(const std::string& childName, bool* created);
  // Unlinks a child that has no sub-keys; false if it has some or is missing.
  bool EraseChild(const std::string& childName);
  // Marks this key and every key below it deleted and drops their contents.
  void MarkDeleted();
};

// <0, 0, >0 as `a` sorts before, equal to or after `b` in enumeration order.
int CompareNames(const std::string& a, const std::string& b);

// Splits a sub-key path at backslashes, skipping empty parts ("a\\b\" is a\b).
// False for a path that starts with a backslash, which Windows rejects.
bool SplitKeyPath(const char* path, std::vector<std::string>* parts);

struct OpenKey {
  std::shared_ptr<RegistryKey> key;
  REGSAM access = 0;
};

class Registry {
 public:
  Registry();
  // The key behind a handle (a predefined root or an open handle), or null.
  OpenKey* Resolve(HKEY handle);
  HKEY Open(const std::shared_ptr<RegistryKey>& key, REGSAM access);
  bool Close(HKEY handle);
  long OpenHandles() const { return static_cast<long>(handles_.size()); }
  // Shared ownership of a key reached from a resolved one (for new handles).
  std::shared_ptr<RegistryKey> Share(RegistryKey* key);
  void Reset();

 private:
  std::map<uintptr_t, OpenKey> roots_;
  std::map<uintptr_t, OpenKey> handles_;
  uintptr_t nextHandle_ = 0x1000;  // never reused, so a stale handle stays invalid
};

}  // namespace standin
