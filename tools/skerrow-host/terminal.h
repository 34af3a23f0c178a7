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
// A key typed already, without waiting for one; false when none was typed.
bool PollTerminalKey(host::ScriptKey* key);
