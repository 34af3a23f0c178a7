// Applying parsed registry text: ApplyRegOperations, ImportRegText, ImportRegFile.
// A deleted key goes with everything below it (RegDeleteKeyA itself refuses
// keys that have sub-keys, so the tree is removed leaves first).
// Covered by tests/standin/regfile/reg_import_test.cpp.
#include "reg_file.h"

#include <stdio.h>

namespace regfile {
namespace {

std::string Describe(const RegOperation& op, const char* what, LONG status) {
  char text[64];
  snprintf(text, sizeof text, "line %d: %s failed (error %ld): ", op.line, what,
           static_cast<long>(status));
  return text + op.keyPath;
}

// Deletes `path` below `parent` and all its sub-keys; a missing key is fine.
LONG DeleteTree(HKEY parent, const std::string& path) {
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key);
  if (status == ERROR_FILE_NOT_FOUND) return ERROR_SUCCESS;
  if (status != ERROR_SUCCESS) return status;
  // Always take index 0: each deletion moves the next sub-key there.
  while (status == ERROR_SUCCESS) {
    std::vector<char> name(256);
    DWORD length = static_cast<DWORD>(name.size());
    status = RegEnumKeyExA(key, 0, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    while (status == ERROR_MORE_DATA && name.size() < 65536) {
      name.resize(name.size() * 2);
      length = static_cast<DWORD>(name.size());
      status = RegEnumKeyExA(key, 0, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
    }
    if (status == ERROR_SUCCESS) status = DeleteTree(key, std::string(name.data(), length));
  }
  RegCloseKey(key);
  if (status != ERROR_NO_MORE_ITEMS) return status;
  return RegDeleteKeyA(parent, path.c_str());
}

LONG SetValue(HKEY key, const RegOperation& op) {
  // A string without its terminator must stay so: the registry counts a zero
  // that follows the given bytes, so the copy is followed by a non-zero byte.
  std::vector<BYTE> data(op.data);
  data.push_back(1);
  return RegSetValueExA(key, op.valueName.c_str(), 0, op.type, data.data(),
                        static_cast<DWORD>(op.data.size()));
}

bool Apply(const RegOperation& op, std::string* error) {
  if (op.kind == RegOperation::DeleteKey) {
    LONG status = DeleteTree(op.root, op.keyPath);
    if (status != ERROR_SUCCESS) *error = Describe(op, "deleting key", status);
    return status == ERROR_SUCCESS;
  }
  HKEY key = nullptr;
  LONG status = RegCreateKeyExA(op.root, op.keyPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &key, nullptr);
  if (status != ERROR_SUCCESS) {
    *error = Describe(op, "creating key", status);
    return false;
  }
  const char* what = "setting a value in";
  if (op.kind == RegOperation::SetValue) {
    status = SetValue(key, op);
  } else if (op.kind == RegOperation::DeleteValue) {
    what = "deleting a value in";
    status = RegDeleteValueA(key, op.valueName.c_str());
    if (status == ERROR_FILE_NOT_FOUND) status = ERROR_SUCCESS;
  }
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) *error = Describe(op, what, status);
  return status == ERROR_SUCCESS;
}

}  // namespace

bool ApplyRegOperations(const std::vector<RegOperation>& operations, std::string* error) {
  std::string why;
  for (const RegOperation& op : operations) {
    if (!Apply(op, &why)) {
      if (error) *error = why;
      return false;
    }
  }
  return true;
}

bool ImportRegText(const std::string& text, std::string* error) {
  std::vector<RegOperation> operations;
  return ParseRegText(text, &operations, error) && ApplyRegOperations(operations, error);
}

bool ImportRegFile(const char* path, std::string* error) {
  std::string why;
  FILE* file = fopen(path, "rb");
  if (!file) {
    if (error) *error = std::string(path) + ": cannot be opened";
    return false;
  }
  std::string text;
  char chunk[4096];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, n);
  bool readFailed = ferror(file) != 0;
  fclose(file);
  if (readFailed) {
    if (error) *error = std::string(path) + ": read error";
    return false;
  }
  if (!ImportRegText(text, &why)) {
    if (error) *error = std::string(path) + ": " + why;
    return false;
  }
  return true;
}

}  // namespace regfile
