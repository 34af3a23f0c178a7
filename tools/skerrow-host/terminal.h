// The interactive terminal: raw mode, the screen drawn with ANSI sequences,
// keys decoded from the terminal's escape sequences. POSIX terminals only;
// the Windows build of the program runs scripts alone.
#pragma once

#include <string>

#include "host/key_script.h"
#include "host/screen.h"

bool StdinIsTerminal();
// Puts the terminal in raw mode on the alternate screen; restored by
// LeaveTerminal, at exit and on SIGINT/SIGTERM/SIGHUP. False when impossible.
bool EnterTerminal(std::string* error);
void LeaveTerminal();
void PresentScreen(const host::Screen& screen);
// Blocks for the next key; false when the terminal is gone.
bool ReadTerminalKey(host::ScriptKey* key);
// Decodes one key from the start of `bytes`; returns the bytes used, 0 when
// more are needed, -1 for bytes that make no key (skipped one by one).
int DecodeTerminalKey(const std::string& bytes, bool final, host::ScriptKey* key);
