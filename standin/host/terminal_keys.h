// Keys from a terminal's bytes, for the program's interactive mode.
// Covered by tests/standin/host/terminal_keys_test.cpp.
#pragma once

#include <string>

#include "key_script.h"

namespace host {

// Decodes one key from the start of `bytes`; returns the bytes used, 0 when
// more are needed (unless `final`: no more bytes will come), -1 for bytes
// that make no key (the caller skips one).
int DecodeTerminalKey(const std::string& bytes, bool final, ScriptKey* key);

}  // namespace host
