// The registry store. Only these functions call Reg*A. Every key is opened,
// used for one value or one walk, and closed in the same function.
// Covered by tests/settings/registry_store_test.cpp.
#include "settings/registry_store.h"

#include <string.h>

#include "text/bounded_copy.h"

bool JoinKeyPath(char* dest, size_t size, const char* parent, const char* child) {
  size_t parentLength = strlen(parent);
  size_t childLength = strlen(child);
  size_t separator = childLength ? 1 : 0;
  if (parentLength + separator + childLength + 1 > size) {
    if (size) dest[0] = 0;
    return false;
  }
  memcpy(dest, parent, parentLength);
  if (separator) dest[parentLength] = '\\';
  memcpy(dest + parentLength + separator, child, childLength + 1);
  return true;
}

bool KeyPath(char (&dest)[kKeyPathSize], const char* subPath) {
  // Without a module key (a RootKey too long was refused) every path would
  // land in the user's root key: the store then reaches nothing at all.
  dest[0] = 0;
  if (!PluginKey[0]) return false;
  return JoinKeyPath(dest, sizeof dest, PluginKey, subPath);
}

HKEY OpenKeyForWrite(HKEY root, const char* subPath, bool* created) {
  if (created) *created = false;
  char path[kKeyPathSize];
  if (!KeyPath(path, subPath)) return nullptr;
  HKEY key = nullptr;
  DWORD disposition = 0;
  if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key, &disposition) !=
      ERROR_SUCCESS)
    return nullptr;
  if (created) *created = disposition == REG_CREATED_NEW_KEY;
  return key;
}

HKEY OpenKeyForRead(HKEY root, const char* subPath) {
  char path[kKeyPathSize];
  if (!KeyPath(path, subPath)) return nullptr;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

bool KeyExists(HKEY root, const char* subPath) {
  HKEY key = OpenKeyForRead(root, subPath);
  if (!key) return false;
  RegCloseKey(key);
  return true;
}

bool ValueExists(HKEY root, const char* subPath, const char* name) {
  HKEY key = OpenKeyForRead(root, subPath);
  if (!key) return false;
  LONG status = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

// Opens with KEY_READ for a walk over the sub-keys; null on failure.
static HKEY OpenKeyForWalk(HKEY root, const char* subPath) {
  char path[kKeyPathSize];
  if (!KeyPath(path, subPath)) return nullptr;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  return key;
}

// The value's bytes into `data` (`*size` bytes; on success `*size` = their count).
static bool QueryValue(HKEY root, const char* subPath, const char* name, void* data, DWORD* size) {
  HKEY key = OpenKeyForRead(root, subPath);
  if (!key) return false;
  LONG status = RegQueryValueExA(key, name, nullptr, nullptr, static_cast<LPBYTE>(data), size);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

bool ReadDword(HKEY root, const char* subPath, const char* name, int* value, int defaultValue) {
  // The type is not examined, only the length: a shorter value would fill
  // part of the result, so it counts as missing like a longer one.
  DWORD stored = 0;
  DWORD size = sizeof stored;
  if (QueryValue(root, subPath, name, &stored, &size) && size == sizeof stored) {
    *value = static_cast<int>(stored);
    return true;
  }
  *value = defaultValue;
  return false;
}

int GetDword(HKEY root, const char* subPath, const char* name, int defaultValue) {
  int value;
  ReadDword(root, subPath, name, &value, defaultValue);
  return value;
}

// Terminates a text value of `length` bytes in `dest` (`size` bytes). False
// when it holds size characters or more without a terminator: it did not fit.
static bool TerminateText(char* dest, DWORD length, size_t size) {
  if (length > 0 && dest[length - 1] == 0) return true;
  if (length >= size) return false;
  dest[length] = 0;
  return true;
}

bool ReadString(HKEY root, const char* subPath, const char* name, char* dest,
                const char* defaultText, size_t size) {
  if (size == 0) return false;
  DWORD length = static_cast<DWORD>(size);
  if (QueryValue(root, subPath, name, dest, &length) && TerminateText(dest, length, size))
    return true;
  size_t defaultLength = strnlen(defaultText, size - 1);
  memmove(dest, defaultText, defaultLength);
  dest[defaultLength] = 0;
  return false;
}

char* ReadWholeString(HKEY root, const char* subPath, const char* name) {
  HKEY key = OpenKeyForRead(root, subPath);
  if (!key) return nullptr;
  char* text = nullptr;
  DWORD size = 0;
  // The value may change between the two queries; a second size is tried once.
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size == 0xFFFFFFFFu)
      break;
    text = static_cast<char*>(GlobalAlloc(GMEM_FIXED, static_cast<size_t>(size) + 1));
    if (!text) break;
    DWORD length = size;
    if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<LPBYTE>(text), &length) ==
        ERROR_SUCCESS) {
      text[length] = 0;
      break;
    }
    GlobalFree(text);
    text = nullptr;
  }
  RegCloseKey(key);
  return text;
}

bool WriteDwordTo(HKEY key, const char* name, int value) {
  DWORD stored = static_cast<DWORD>(value);
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&stored),
                        sizeof stored) == ERROR_SUCCESS;
}

bool WriteStringTo(HKEY key, const char* name, const char* text) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                        static_cast<DWORD>(strlen(text) + 1)) == ERROR_SUCCESS;
}

// Copies the value at `index` of the open `from`; sets `*end` at the end of
// the list.
static bool CopyValueAt(HKEY from, DWORD index, HKEY to, bool* end) {
  char name[kValueNameSize];
  DWORD nameLength = sizeof name;
  DWORD type = 0;
  DWORD size = 0;
  LONG status = RegEnumValueA(from, index, name, &nameLength, nullptr, &type, nullptr, &size);
  *end = status == ERROR_NO_MORE_ITEMS;
  if (status != ERROR_SUCCESS) return *end;
  BYTE* data = static_cast<BYTE*>(GlobalAlloc(GMEM_FIXED, size ? size : 1));
  if (!data) return false;
  DWORD length = size;
  bool copied = RegQueryValueExA(from, name, nullptr, &type, data, &length) == ERROR_SUCCESS &&
                RegSetValueExA(to, name, 0, type, data, length) == ERROR_SUCCESS;
  GlobalFree(data);
  return copied;
}

bool CopyValues(HKEY root, const char* fromSubPath, HKEY to) {
  HKEY from = OpenKeyForRead(root, fromSubPath);
  if (!from) return false;
  bool copied = true;
  bool end = false;
  for (DWORD index = 0; copied && !end; ++index) copied = CopyValueAt(from, index, to, &end);
  RegCloseKey(from);
  return copied;
}

void CloseKey(HKEY key) {
  RegCloseKey(key);
}

bool WriteDword(HKEY root, const char* subPath, const char* name, int value) {
  HKEY key = OpenKeyForWrite(root, subPath);
  if (!key) return false;
  bool written = WriteDwordTo(key, name, value);
  RegCloseKey(key);
  return written;
}

bool WriteString(HKEY root, const char* subPath, const char* name, const char* text) {
  HKEY key = OpenKeyForWrite(root, subPath);
  if (!key) return false;
  bool written = WriteStringTo(key, name, text);
  RegCloseKey(key);
  return written;
}

// The name of sub-key `index` of the open `key`; false at the end of the list
// or on any error, which ends a walk just the same.
static bool EnumSubKey(HKEY key, DWORD index, char (&name)[kSubKeyNameSize]) {
  DWORD length = kSubKeyNameSize;
  if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  name[length < kSubKeyNameSize ? length : kSubKeyNameSize - 1] = 0;
  return true;
}

// Deletes every key below the open `top`, leaves first, by walking down the
// first sub-key until a key has none. Each step either goes one level down
// (bounded by kMaxTreeDepth) or deletes a key, so a key that refuses deletion
// ends the walk instead of repeating it.
static bool DeleteSubKeys(HKEY top) {
  HKEY chain[kMaxTreeDepth + 1];
  chain[0] = top;
  int depth = 0;
  bool deleted = true;
  char name[kSubKeyNameSize];
  while (deleted) {
    if (EnumSubKey(chain[depth], 0, name)) {
      if (depth == kMaxTreeDepth ||
          RegOpenKeyExA(chain[depth], name, 0, KEY_READ, &chain[depth + 1]) != ERROR_SUCCESS) {
        deleted = false;
        break;
      }
      ++depth;
      continue;
    }
    if (depth == 0) break;
    // The emptied key is still the first sub-key of its parent.
    RegCloseKey(chain[depth--]);
    deleted =
        EnumSubKey(chain[depth], 0, name) && RegDeleteKeyA(chain[depth], name) == ERROR_SUCCESS;
  }
  while (depth > 0) RegCloseKey(chain[depth--]);
  return deleted;
}

bool DeleteKey(HKEY root, const char* subPath) {
  char path[kKeyPathSize];
  if (!KeyPath(path, subPath)) return false;
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(root, path, 0, KEY_READ, &key);
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status != ERROR_SUCCESS) return false;
  bool emptied = DeleteSubKeys(key);
  RegCloseKey(key);
  if (!emptied) return false;
  status = RegDeleteKeyA(root, path);
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool FindSubKey(HKEY root, const char* subPath, SubKeyFilter filter, void* userData, char* dest,
                size_t n) {
  HKEY key = OpenKeyForWalk(root, subPath);
  if (!key) return false;
  bool accepted = false;
  char name[kSubKeyNameSize];
  for (DWORD index = 0; !accepted && EnumSubKey(key, index, name); ++index) {
    if (!filter(root, subPath, name, userData)) continue;
    CopyPadded(dest, name, n);
    dest[n] = 0;
    accepted = true;
  }
  RegCloseKey(key);
  return accepted;
}

bool SubKeyNameAt(HKEY root, const char* subPath, int index, char (&dest)[kSubKeyNameSize]) {
  dest[0] = 0;
  if (index < 0) return false;
  HKEY key = OpenKeyForWalk(root, subPath);
  if (!key) return false;
  bool found = EnumSubKey(key, static_cast<DWORD>(index), dest);
  RegCloseKey(key);
  if (!found) dest[0] = 0;
  return found;
}

// Replaces `*items` (holding `count` items) by a block `step` items larger.
// False, with the old block kept, when the allocation fails.
static bool GrowItems(FarMenuItem** items, int count, int* capacity) {
  size_t newCapacity = static_cast<size_t>(*capacity) + kCollectStep;
  FarMenuItem* grown =
      static_cast<FarMenuItem*>(GlobalAlloc(GMEM_FIXED, newCapacity * sizeof(FarMenuItem)));
  if (!grown) return false;
  if (*items) {
    memcpy(grown, *items, static_cast<size_t>(count) * sizeof(FarMenuItem));
    GlobalFree(*items);
  }
  *items = grown;
  *capacity = static_cast<int>(newCapacity);
  return true;
}

static void ClearItem(FarMenuItem* item) {
  item->Text[0] = 0;
  item->Selected = 0;
  item->Checked = 0;
  item->Separator = 0;
}

int CollectSubKeys(HKEY root, const char* subPath, SubKeyItemFiller filler, FarMenuItem** items,
                   int* selection, const char* currentName) {
  FarMenuItem* collected = nullptr;
  int count = 0;
  int capacity = 0;
  HKEY key = OpenKeyForWalk(root, subPath);
  if (key) {
    char name[kSubKeyNameSize];
    for (DWORD index = 0; EnumSubKey(key, index, name); ++index) {
      if (count == capacity && !GrowItems(&collected, count, &capacity)) break;
      FarMenuItem* item = &collected[count];
      ClearItem(item);
      if (filler(root, subPath, name, item, selection, currentName)) item->Selected = 1;
      ++count;
    }
    RegCloseKey(key);
  }
  if (count == 0) {
    if (collected) GlobalFree(collected);
    collected = static_cast<FarMenuItem*>(GlobalAlloc(GMEM_FIXED, sizeof(FarMenuItem)));
    if (collected) {
      ClearItem(collected);
      count = 1;
    }
  }
  *items = collected;
  return count;
}
