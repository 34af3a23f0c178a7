// The two things the host does differently on Windows and elsewhere: loading
// the module, and getting a console input buffer. Their #ifdef lives in
// platform.cpp alone.
#pragma once

#include <chrono>
#include <string>

namespace host {

// Loads the module's shared library; null with *error on failure.
void* OpenModule(const std::string& path, std::string* error);
void* ModuleSymbol(void* module, const char* name);
void CloseModule(void* module);
// Calls `hook` at the start of every PeekConsoleInputA the module makes:
// natively through the Windows API stand-in, on Windows through a wrapper
// that WatchModuleConsolePolls puts in the module's import of it. Null
// removes the hook.
void WatchConsolePolls(void (*hook)());
void WatchModuleConsolePolls(void* module);
// Returns at `deadline` (at once when it has passed).
void SleepUntil(std::chrono::steady_clock::time_point deadline);
// The standard name of the module beside a program in `dir`.
std::string DefaultModulePath(const std::string& dir);
// Makes sure STD_INPUT_HANDLE is a console input buffer that both the host
// and the module can write, peek and read. On Windows a process started with
// no console (Wine with no terminal, as CI runs it) is started again at load
// time with a console of its own that has no window; see platform.cpp.
bool EnsureConsoleInput(std::string* error);
// The folder of the running program.
std::string ProgramDir();
// The absolute form of a path (unchanged when it cannot be made).
std::string FullPath(const std::string& path);
// A file system path as the editor reports it: OEM bytes.
std::string PathForEditor(const std::string& path);

}  // namespace host
