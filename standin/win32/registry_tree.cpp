// The stand-in registry's tree, name order and handle table (registry_tree.h).
#include "registry_tree.h"

#include "code_pages.h"

#include <algorithm>

namespace standin {

int CompareNames(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    int d = AnsiNameKey(static_cast<unsigned char>(a[i])) -
            AnsiNameKey(static_cast<unsigned char>(b[i]));
    if (d) return d;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

namespace {

template <typename T, typename NameOf>
typename std::vector<T>::iterator LowerBound(std::vector<T>& items, const std::string& name,
                                             NameOf nameOf) {
  return std::lower_bound(
      items.begin(), items.end(), name,
      [&](const T& item, const std::string& n) { return CompareNames(nameOf(item), n) < 0; });
}

const std::string& ValueName(const RegistryValue& v) {
  return v.name;
}
const std::string& ChildName(const std::shared_ptr<RegistryKey>& k) {
  return k->name;
}

}  // namespace

RegistryValue* RegistryKey::FindValue(const std::string& valueName) {
  auto it = LowerBound(values, valueName, ValueName);
  return it != values.end() && CompareNames(it->name, valueName) == 0 ? &*it : nullptr;
}

RegistryValue* RegistryKey::ProvideValue(const std::string& valueName) {
  auto it = LowerBound(values, valueName, ValueName);
  if (it != values.end() && CompareNames(it->name, valueName) == 0) return &*it;
  RegistryValue value;
  value.name = valueName;
  return &*values.insert(it, value);
}

bool RegistryKey::EraseValue(const std::string& valueName) {
  auto it = LowerBound(values, valueName, ValueName);
  if (it == values.end() || CompareNames(it->name, valueName) != 0) return false;
  values.erase(it);
  return true;
}

RegistryKey* RegistryKey::FindChild(const std::string& childName) const {
  auto& items = const_cast<std::vector<std::shared_ptr<RegistryKey>>&>(children);
  auto it = LowerBound(items, childName, ChildName);
  return it != items.end() && CompareNames((*it)->name, childName) == 0 ? it->get() : nullptr;
}

RegistryKey* RegistryKey::ProvideChild(const std::string& childName, bool* created) {
  auto it = LowerBound(children, childName, ChildName);
  if (it != children.end() && CompareNames((*it)->name, childName) == 0) return it->get();
  auto child = std::make_shared<RegistryKey>();
  child->name = childName;
  child->parent = this;
  *created = true;
  return children.insert(it, child)->get();
}

bool RegistryKey::EraseChild(const std::string& childName) {
  auto it = LowerBound(children, childName, ChildName);
  if (it == children.end() || CompareNames((*it)->name, childName) != 0) return false;
  if (!(*it)->children.empty()) return false;
  (*it)->MarkDeleted();
  children.erase(it);
  return true;
}

void RegistryKey::MarkDeleted() {
  for (auto& child : children) child->MarkDeleted();
  children.clear();
  values.clear();
  deleted = true;
  parent = nullptr;
}

bool SplitKeyPath(const char* path, std::vector<std::string>* parts) {
  parts->clear();
  if (!path) return true;
  if (*path == '\\') return false;
  std::string part;
  for (const char* p = path;; ++p) {
    if (*p == '\\' || *p == '\0') {
      if (!part.empty()) parts->push_back(part);
      part.clear();
      if (*p == '\0') break;
    } else {
      part += *p;
    }
  }
  return true;
}

Registry::Registry() {
  Reset();
}

void Registry::Reset() {
  for (auto& root : roots_) root.second.key->MarkDeleted();
  roots_.clear();
  const HKEY predefined[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS};
  for (HKEY root : predefined) {
    OpenKey entry;
    entry.key = std::make_shared<RegistryKey>();
    entry.access = KEY_ALL_ACCESS;
    roots_[reinterpret_cast<uintptr_t>(root)] = entry;
  }
}

OpenKey* Registry::Resolve(HKEY handle) {
  uintptr_t id = reinterpret_cast<uintptr_t>(handle);
  auto root = roots_.find(id);
  if (root != roots_.end()) return &root->second;
  auto it = handles_.find(id);
  return it != handles_.end() ? &it->second : nullptr;
}

HKEY Registry::Open(const std::shared_ptr<RegistryKey>& key, REGSAM access) {
  uintptr_t id = nextHandle_;
  nextHandle_ += 4;
  handles_[id] = OpenKey{key, access};
  return reinterpret_cast<HKEY>(id);
}

bool Registry::Close(HKEY handle) {
  uintptr_t id = reinterpret_cast<uintptr_t>(handle);
  if (roots_.count(id)) return true;
  return handles_.erase(id) != 0;
}

std::shared_ptr<RegistryKey> Registry::Share(RegistryKey* key) {
  if (!key->parent) {
    for (auto& root : roots_)
      if (root.second.key.get() == key) return root.second.key;
    for (auto& open : handles_)
      if (open.second.key.get() == key) return open.second.key;
    return nullptr;
  }
  for (auto& child : key->parent->children)
    if (child.get() == key) return child;
  return nullptr;
}

}  // namespace standin
