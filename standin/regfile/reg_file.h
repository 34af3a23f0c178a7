// Registry text files in the format regedit imports and exports: "REGEDIT4" (or
// the "Windows Registry Editor Version 5.00" header), [ROOT\path] sections,
// [-ROOT\path] deletions, "name"="text", @= for the default value,
// dword:XXXXXXXX, hex:, hex(N): with line continuations, "name"=- deletions and
// ';' comments. Written over the Reg*A functions only, so the same code fills
// the stand-in registry natively and the real one under Wine.
// Texts are bytes: what the file holds goes into the registry unchanged, and
// export writes the stored bytes back (the module's texts are OEM bytes).
// Covered by tests/standin/regfile.
#pragma once

#include "shell/win_api.h"

#include <string>
#include <vector>

namespace regfile {

struct RegOperation {
  enum Kind { DeleteKey, CreateKey, SetValue, DeleteValue };
  Kind kind = CreateKey;
  HKEY root = nullptr;
  std::string keyPath;  // below the root, without leading backslash
  std::string valueName;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
  int line = 0;  // where the file asked for it
};

// Parses the whole text; on a malformed one returns false with "line N: why"
// in *error and leaves *operations empty.
bool ParseRegText(const std::string& text, std::vector<RegOperation>* operations,
                  std::string* error);

// Applies parsed operations in order. Stops at the first registry error and
// reports it (what was applied before stays applied).
bool ApplyRegOperations(const std::vector<RegOperation>& operations, std::string* error);

// Parses, and only when the whole text is sound applies it: a malformed text
// changes nothing in the registry.
bool ImportRegText(const std::string& text, std::string* error);
bool ImportRegFile(const char* path, std::string* error);

// Writes REGEDIT4 text of the key `keyPath` below `root` (named `rootName` in
// the text, e.g. "HKEY_CURRENT_USER") and all its sub-keys, keys and values in
// the registry's enumeration order, so that importing it recreates them
// exactly. A key that does not exist gives just the header. Lines end in CRLF.
bool ExportRegText(HKEY root, const char* rootName, const char* keyPath, std::string* text,
                   std::string* error);
// The same into a file, replaced only once the whole text was written.
bool ExportRegFile(const char* path, HKEY root, const char* rootName, const char* keyPath,
                   std::string* error);

// The predefined root for a name such as "HKEY_CURRENT_USER" (or "HKCU"), or null.
HKEY RootByName(const std::string& name);

}  // namespace regfile
