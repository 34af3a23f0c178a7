// ExportRegText and ExportRegFile: REGEDIT4 text of a key tree in the
// registry's enumeration order. A value is written in the shortest form that
// reads back to the same type and bytes: "text" only for a REG_SZ that ends in
// its one zero and holds no line break, dword: only for a 4-byte REG_DWORD,
// hex(N): otherwise; hex lines are wrapped as regedit wraps them.
// Covered by tests/standin/regfile/reg_export_test.cpp.
#include "reg_file.h"

#include <stdio.h>

namespace regfile {
namespace {

const size_t kWrapColumn = 76;  // regedit breaks hex lists past this column

std::string Quote(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

bool PlainText(DWORD type, const std::vector<BYTE>& data) {
  if (type != REG_SZ || data.empty() || data.back() != 0) return false;
  for (size_t i = 0; i + 1 < data.size(); ++i)
    if (data[i] == 0 || data[i] == '\r' || data[i] == '\n') return false;
  return true;
}

void AppendHex(std::string* line, DWORD type, const std::vector<BYTE>& data, std::string* out) {
  char head[24];
  if (type == REG_BINARY)
    snprintf(head, sizeof head, "hex:");
  else
    snprintf(head, sizeof head, "hex(%lx):", static_cast<unsigned long>(type));
  *line += head;
  for (size_t i = 0; i < data.size(); ++i) {
    char byte[4];
    snprintf(byte, sizeof byte, "%02x", data[i]);
    *line += byte;
    if (i + 1 == data.size()) break;
    *line += ',';
    if (line->size() >= kWrapColumn) {
      *out += *line + "\\\r\n";
      *line = "  ";
    }
  }
}

std::string ValueLine(const std::string& name, DWORD type, const std::vector<BYTE>& data) {
  std::string out;
  std::string line = name.empty() ? "@=" : Quote(name) + "=";
  if (PlainText(type, data)) {
    line += Quote(std::string(data.begin(), data.end() - 1));
  } else if (type == REG_DWORD && data.size() == 4) {
    char digits[16];
    unsigned long v =
        data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned long>(data[3]) << 24;
    snprintf(digits, sizeof digits, "dword:%08lx", v);
    line += digits;
  } else {
    AppendHex(&line, type, data, &out);
  }
  return out + line + "\r\n";
}

// Reads the value at `index` with buffers grown as the registry asks.
LONG ReadValue(HKEY key, DWORD index, std::string* name, DWORD* type, std::vector<BYTE>* data) {
  std::vector<char> nameBuffer(256);
  data->resize(256);
  for (;;) {
    DWORD nameLength = static_cast<DWORD>(nameBuffer.size());
    DWORD dataSize = static_cast<DWORD>(data->size());
    LONG status = RegEnumValueA(key, index, nameBuffer.data(), &nameLength, nullptr, type,
                                data->data(), &dataSize);
    if (status == ERROR_SUCCESS) {
      name->assign(nameBuffer.data(), nameLength);
      data->resize(dataSize);
      return status;
    }
    if (status != ERROR_MORE_DATA || nameBuffer.size() > (1u << 20)) return status;
    if (dataSize > data->size())
      data->resize(dataSize);
    else
      nameBuffer.resize(nameBuffer.size() * 2);
  }
}

LONG ReadSubKeyName(HKEY key, DWORD index, std::string* name) {
  std::vector<char> buffer(256);
  for (;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    LONG status =
        RegEnumKeyExA(key, index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) name->assign(buffer.data(), length);
    if (status != ERROR_MORE_DATA || buffer.size() > (1u << 20)) return status;
    buffer.resize(buffer.size() * 2);
  }
}

LONG ExportKey(HKEY key, const std::string& fullName, std::string* text) {
  *text += "[" + fullName + "]\r\n";
  LONG status = ERROR_SUCCESS;
  for (DWORD i = 0; status == ERROR_SUCCESS; ++i) {
    std::string name;
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    status = ReadValue(key, i, &name, &type, &data);
    if (status == ERROR_SUCCESS) *text += ValueLine(name, type, data);
  }
  if (status != ERROR_NO_MORE_ITEMS) return status;
  *text += "\r\n";
  status = ERROR_SUCCESS;
  for (DWORD i = 0; status == ERROR_SUCCESS; ++i) {
    std::string name;
    status = ReadSubKeyName(key, i, &name);
    if (status != ERROR_SUCCESS) break;
    HKEY child = nullptr;
    status = RegOpenKeyExA(key, name.c_str(), 0, KEY_READ, &child);
    if (status != ERROR_SUCCESS) return status;
    status = ExportKey(child, fullName + "\\" + name, text);
    RegCloseKey(child);
  }
  return status == ERROR_NO_MORE_ITEMS ? ERROR_SUCCESS : status;
}

}  // namespace

bool ExportRegText(HKEY root, const char* rootName, const char* keyPath, std::string* text,
                   std::string* error) {
  *text = "REGEDIT4\r\n\r\n";
  HKEY key = nullptr;
  LONG status = RegOpenKeyExA(root, keyPath, 0, KEY_READ, &key);
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status == ERROR_SUCCESS) {
    std::string fullName = rootName;
    if (keyPath && *keyPath) fullName += std::string("\\") + keyPath;
    status = ExportKey(key, fullName, text);
    if (key != root) RegCloseKey(key);
  }
  if (status == ERROR_SUCCESS) return true;
  if (error) {
    char why[64];
    snprintf(why, sizeof why, "reading the registry failed (error %ld) below ",
             static_cast<long>(status));
    *error = why + std::string(rootName) + "\\" + (keyPath ? keyPath : "");
  }
  return false;
}

bool ExportRegFile(const char* path, HKEY root, const char* rootName, const char* keyPath,
                   std::string* error) {
  std::string text;
  if (!ExportRegText(root, rootName, keyPath, &text, error)) return false;
  std::string temporary = std::string(path) + ".tmp";
  FILE* file = fopen(temporary.c_str(), "wb");
  bool written = file && fwrite(text.data(), 1, text.size(), file) == text.size();
  if (file && fclose(file) != 0) written = false;
  // Windows' rename does not replace an existing file: only there is the old
  // one removed first (elsewhere the rename replaces it in one step).
  bool moved = written && rename(temporary.c_str(), path) == 0;
  if (written && !moved) moved = remove(path) == 0 && rename(temporary.c_str(), path) == 0;
  if (!moved) {
    remove(temporary.c_str());
    if (error) *error = std::string(path) + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace regfile
