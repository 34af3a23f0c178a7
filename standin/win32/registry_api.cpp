// The Reg*A functions over the stand-in registry (registry_tree.h), with the
// return codes, size rules and quirks of the real ones as recorded under Wine:
// - a value or sub-key name that does not fit gives ERROR_MORE_DATA and leaves
//   the caller's buffer untouched, with the needed size for values;
// - a string value whose last byte is not zero but whose next byte is gets that
//   zero counted when it is stored (NT does this for callers that forget it);
// - reading a string into a larger buffer appends a zero it does not count;
// - a key with sub-keys cannot be deleted (ERROR_ACCESS_DENIED), nor a root;
// - handles of deleted keys answer ERROR_KEY_DELETED;
// - rights are checked as Wine checks them: querying and listing values need
//   KEY_QUERY_VALUE, setting and deleting values KEY_SET_VALUE, listing
//   sub-keys KEY_ENUMERATE_SUB_KEYS; creating or deleting sub-keys needs none.
// Differences nobody relies on: names sort by lower-cased UTF-16 unit, as
// under Wine (Windows folds to upper case, which moves "[\]^_" after the
// letters); values enumerate in name order (Windows: order of creation);
// null result or length pointers give ERROR_INVALID_PARAMETER (Wine crashes);
// class names and write times are not kept (empty and zero).
// Covered by tests/standin/win32/registry_*_test.cpp.
#include "registry_tree.h"
#include "standin_control.h"

#include <mutex>
#include <string.h>

using standin::OpenKey;
using standin::Registry;
using standin::RegistryKey;
using standin::RegistryValue;

namespace {

std::mutex registryLock;

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

unsigned callsUntilFault = 0;  // 0: disarmed
unsigned faultsAfterThis = 0;  // further calls in a row that fail
LONG injectedError = ERROR_SUCCESS;

// True when this call is one that must fail.
bool RegistryFaultHits() {
  if (callsUntilFault == 0) return false;
  if (--callsUntilFault != 0) return false;
  if (faultsAfterThis) {
    --faultsAfterThis;
    callsUntilFault = 1;
  }
  return true;
}

REGSAM EffectiveAccess(REGSAM wanted) {
  const REGSAM kGenericRead = 0x80000000, kGenericWrite = 0x40000000, kGenericAll = 0x10000000;
  if (wanted & (MAXIMUM_ALLOWED | kGenericAll)) wanted |= KEY_ALL_ACCESS;
  if (wanted & kGenericRead) wanted |= KEY_READ;
  if (wanted & kGenericWrite) wanted |= KEY_WRITE;
  return wanted;
}

// Resolves `handle` to a live key with the `needed` rights; ERROR_SUCCESS or the error.
LONG Lookup(HKEY handle, REGSAM needed, OpenKey** out) {
  OpenKey* open = TheRegistry().Resolve(handle);
  if (!open) return ERROR_INVALID_HANDLE;
  if (open->key->deleted) return ERROR_KEY_DELETED;
  if ((open->access & needed) != needed) return ERROR_ACCESS_DENIED;
  *out = open;
  return ERROR_SUCCESS;
}

// Walks `path` below `from`; null when a part is missing.
RegistryKey* Descend(RegistryKey* from, const std::vector<std::string>& parts) {
  for (const std::string& part : parts) {
    from = from->FindChild(part);
    if (!from) return nullptr;
  }
  return from;
}

// Common start of every call but RegCloseKey: the lock is held by the caller.
LONG Enter(HKEY handle, REGSAM needed, OpenKey** out) {
  if (RegistryFaultHits()) return injectedError;
  return Lookup(handle, needed, out);
}

bool IsString(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

std::string NameOf(LPCSTR name) {
  return name ? std::string(name) : std::string();
}

// Copies a value out as RegQueryValueExA and RegEnumValueA do.
LONG CopyValueOut(const RegistryValue& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  DWORD size = static_cast<DWORD>(value.data.size());
  if (lpType) *lpType = value.type;
  if (!lpcbData) return ERROR_SUCCESS;
  LONG result = ERROR_SUCCESS;
  if (lpData) {
    if (*lpcbData < size) {
      result = ERROR_MORE_DATA;
    } else {
      if (size) memcpy(lpData, value.data.data(), size);
      if (IsString(value.type) && size > 0 && size < *lpcbData && value.data[size - 1] != 0)
        lpData[size] = 0;
    }
  }
  *lpcbData = size;
  return result;
}

}  // namespace

extern "C" {

LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                            LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* parent = nullptr;
  LONG status = Enter(hKey, 0, &parent);
  if (status != ERROR_SUCCESS) return status;
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  std::vector<std::string> parts;
  if (!standin::SplitKeyPath(lpSubKey, &parts)) return ERROR_BAD_PATHNAME;
  RegistryKey* key = parent->key.get();
  bool created = false;
  for (const std::string& part : parts) key = key->ProvideChild(part, &created);
  *phkResult = TheRegistry().Open(TheRegistry().Share(key), EffectiveAccess(samDesired));
  if (lpdwDisposition) *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

// An empty or null sub-key on a predefined root gives the root itself back, as
// the real one does; on any other key, a new handle to the same key.
LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* parent = nullptr;
  LONG status = Enter(hKey, 0, &parent);
  if (status != ERROR_SUCCESS) return status;
  if (!phkResult) return ERROR_INVALID_PARAMETER;
  std::vector<std::string> parts;
  if (!standin::SplitKeyPath(lpSubKey, &parts)) return ERROR_BAD_PATHNAME;
  if (parts.empty() && !parent->key->parent) {
    for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS}) {
      if (hKey == root) {
        *phkResult = root;
        return ERROR_SUCCESS;
      }
    }
  }
  RegistryKey* key = Descend(parent->key.get(), parts);
  if (!key) {
    *phkResult = nullptr;
    return ERROR_FILE_NOT_FOUND;
  }
  *phkResult = TheRegistry().Open(TheRegistry().Share(key), EffectiveAccess(samDesired));
  return ERROR_SUCCESS;
}

LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                             LPBYTE lpData, LPDWORD lpcbData) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* open = nullptr;
  LONG status = Enter(hKey, KEY_QUERY_VALUE, &open);
  if (status != ERROR_SUCCESS) return status;
  if (lpReserved || (lpData && !lpcbData)) return ERROR_INVALID_PARAMETER;
  RegistryValue* value = open->key->FindValue(NameOf(lpValueName));
  if (!value) return ERROR_FILE_NOT_FOUND;
  return CopyValueOut(*value, lpType, lpData, lpcbData);
}

LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                           DWORD cbData) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* open = nullptr;
  LONG status = Enter(hKey, KEY_SET_VALUE, &open);
  if (status != ERROR_SUCCESS) return status;
  if (!lpData && cbData) return ERROR_NOACCESS;
  // Reads the byte after cbData, exactly as the real function does.
  if (IsString(dwType) && cbData && lpData[cbData - 1] && !lpData[cbData]) ++cbData;
  RegistryValue* value = open->key->ProvideValue(NameOf(lpValueName));
  value->type = dwType;
  value->data.assign(lpData, lpData + cbData);
  return ERROR_SUCCESS;
}

// An empty sub-key deletes the key of the handle itself (never a root).
LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* open = nullptr;
  LONG status = Enter(hKey, 0, &open);
  if (status != ERROR_SUCCESS) return status;
  std::vector<std::string> parts;
  if (!standin::SplitKeyPath(lpSubKey, &parts)) return ERROR_BAD_PATHNAME;
  RegistryKey* key = Descend(open->key.get(), parts);
  if (!key) return ERROR_FILE_NOT_FOUND;
  if (!key->parent || !key->children.empty()) return ERROR_ACCESS_DENIED;
  key->parent->EraseChild(key->name);
  return ERROR_SUCCESS;
}

LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* open = nullptr;
  LONG status = Enter(hKey, KEY_SET_VALUE, &open);
  if (status != ERROR_SUCCESS) return status;
  return open->key->EraseValue(NameOf(lpValueName)) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// The name needs *lpcchName > its length; otherwise ERROR_MORE_DATA with
// neither the buffer nor *lpcchName changed.
LONG WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD,
                          LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* open = nullptr;
  LONG status = Enter(hKey, KEY_ENUMERATE_SUB_KEYS, &open);
  if (status != ERROR_SUCCESS) return status;
  if (!lpName || !lpcchName) return ERROR_INVALID_PARAMETER;
  const auto& children = open->key->children;
  if (dwIndex >= children.size()) return ERROR_NO_MORE_ITEMS;
  const std::string& name = children[dwIndex]->name;
  if (*lpcchName <= name.size()) return ERROR_MORE_DATA;
  memcpy(lpName, name.c_str(), name.size() + 1);
  *lpcchName = static_cast<DWORD>(name.size());
  if (lpClass && lpcchClass && *lpcchClass) *lpClass = '\0';
  if (lpcchClass) *lpcchClass = 0;
  if (lpftLastWriteTime) *lpftLastWriteTime = FILETIME{0, 0};
  return ERROR_SUCCESS;
}

// A name that does not fit gives ERROR_MORE_DATA with as much of it as fits
// (and a terminator) in the buffer; data that does not fit gives
// ERROR_MORE_DATA with the needed size and the name not written.
LONG WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                          LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  std::lock_guard<std::mutex> guard(registryLock);
  OpenKey* open = nullptr;
  LONG status = Enter(hKey, KEY_QUERY_VALUE, &open);
  if (status != ERROR_SUCCESS) return status;
  if (!lpValueName || !lpcchValueName || lpReserved || (lpData && !lpcbData))
    return ERROR_INVALID_PARAMETER;
  const auto& values = open->key->values;
  if (dwIndex >= values.size()) return ERROR_NO_MORE_ITEMS;
  const RegistryValue& value = values[dwIndex];
  if (lpData && *lpcbData < value.data.size()) return CopyValueOut(value, lpType, lpData, lpcbData);
  if (*lpcchValueName <= value.name.size()) {
    if (*lpcchValueName) {
      memcpy(lpValueName, value.name.data(), *lpcchValueName - 1);
      lpValueName[*lpcchValueName - 1] = '\0';
    }
    return ERROR_MORE_DATA;
  }
  memcpy(lpValueName, value.name.c_str(), value.name.size() + 1);
  *lpcchValueName = static_cast<DWORD>(value.name.size());
  return CopyValueOut(value, lpType, lpData, lpcbData);
}

LONG WINAPI RegCloseKey(HKEY hKey) {
  std::lock_guard<std::mutex> guard(registryLock);
  return TheRegistry().Close(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void StandinFailRegistryCall(unsigned n, LONG error) {
  StandinFailRegistryCalls(n, n ? 1 : 0, error);
}

void StandinFailRegistryCalls(unsigned n, unsigned count, LONG error) {
  std::lock_guard<std::mutex> guard(registryLock);
  callsUntilFault = count ? n : 0;
  faultsAfterThis = count && n ? count - 1 : 0;
  injectedError = error;
}

BOOL StandinRegistryFaultArmed(void) {
  std::lock_guard<std::mutex> guard(registryLock);
  return callsUntilFault != 0;
}

long StandinOpenKeyHandles(void) {
  std::lock_guard<std::mutex> guard(registryLock);
  return TheRegistry().OpenHandles();
}

void StandinResetRegistry(void) {
  std::lock_guard<std::mutex> guard(registryLock);
  TheRegistry().Reset();
  callsUntilFault = 0;
  faultsAfterThis = 0;
}

}  // extern "C"
