// Module loading and the console input buffer, per platform.
//
// Windows: the console must be real, because the module polls it with
// PeekConsoleInputA. A process without a console cannot get a usable one with
// AllocConsole where no window can be shown (Wine without a display creates
// a console whose input calls all fail), but a process created with
// CREATE_NO_WINDOW gets a console without a window whose input buffer works.
// So before main() a console-less process starts itself again that way, with
// the same command line and the same standard output and error, waits for it
// and exits with its code; the child opens CONIN$ as its standard input.
#include "platform.h"

#include "code_pages.h"
#include "shell/win_api.h"

#ifdef _WIN32
#include <stdlib.h>
#include <string.h>
#else
#include "win32/standin_control.h"

#include <dlfcn.h>
#include <stdlib.h>
#include <limits.h>
#include <unistd.h>
#endif

namespace host {

#ifdef _WIN32

namespace {

const char kChildMark[] = "SKERROW_HOST_CONSOLE";

bool HasConsoleInput() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
}

bool OpenConsoleInput() {
  HANDLE in = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (in == INVALID_HANDLE_VALUE) return false;
  SetStdHandle(STD_INPUT_HANDLE, in);
  return true;
}

// Runs before main(): see the file comment.
struct ConsoleRelauncher {
  ConsoleRelauncher() {
    if (HasConsoleInput()) return;
    if (GetEnvironmentVariableA(kChildMark, nullptr, 0) > 0) {
      SetEnvironmentVariableA(kChildMark, nullptr);
      OpenConsoleInput();
      return;
    }
    if (OpenConsoleInput() && HasConsoleInput()) return;
    SetEnvironmentVariableA(kChildMark, "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nullptr;
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    char* commandLine = _strdup(GetCommandLineA());
    BOOL started = CreateProcessA(nullptr, commandLine, nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                  nullptr, nullptr, &startup, &process);
    free(commandLine);
    SetEnvironmentVariableA(kChildMark, nullptr);
    if (!started) return;  // EnsureConsoleInput reports it
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    ExitProcess(code);
  }
};

ConsoleRelauncher relauncher;

typedef BOOL(WINAPI* PeekFunction)(HANDLE, PINPUT_RECORD, DWORD, LPDWORD);
PeekFunction realPeek;
void (*pollHook)();

BOOL WINAPI WatchedPeek(HANDLE input, PINPUT_RECORD buffer, DWORD length, LPDWORD count) {
  if (pollHook) pollHook();
  return realPeek(input, buffer, length, count);
}

// The import address slot of kernel32's PeekConsoleInputA in the module, or null.
ULONG_PTR* FindPeekImport(unsigned char* base) {
  IMAGE_DOS_HEADER* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  IMAGE_NT_HEADERS* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!imports.VirtualAddress) return nullptr;
  IMAGE_IMPORT_DESCRIPTOR* library =
      reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
  for (; library->Name; ++library) {
    if (!library->OriginalFirstThunk) continue;
    IMAGE_THUNK_DATA* names =
        reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
    IMAGE_THUNK_DATA* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      IMAGE_IMPORT_BY_NAME* name =
          reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (strcmp(reinterpret_cast<const char*>(name->Name), "PeekConsoleInputA") == 0)
        return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
    }
  }
  return nullptr;
}

}  // namespace

void WatchConsolePolls(void (*hook)()) {
  pollHook = hook;
}

void SleepUntil(std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    auto left = deadline - std::chrono::steady_clock::now();
    long long ms = std::chrono::duration_cast<std::chrono::milliseconds>(left).count();
    if (left <= left.zero()) return;
    Sleep(static_cast<DWORD>(ms > 0 ? ms : 1));
  }
}

void WatchModuleConsolePolls(void* module) {
  if (!module) return;
  ULONG_PTR* slot = FindPeekImport(static_cast<unsigned char*>(module));
  if (!slot || *slot == reinterpret_cast<ULONG_PTR>(&WatchedPeek)) return;
  DWORD old = 0;
  if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old)) return;
  realPeek = reinterpret_cast<PeekFunction>(*slot);
  *slot = reinterpret_cast<ULONG_PTR>(&WatchedPeek);
  VirtualProtect(slot, sizeof *slot, old, &old);
}

void* OpenModule(const std::string& path, std::string* error) {
  HMODULE module = LoadLibraryA(path.c_str());
  if (!module) *error = "cannot load " + path + " (error " + std::to_string(GetLastError()) + ")";
  return reinterpret_cast<void*>(module);
}

void* ModuleSymbol(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}

void CloseModule(void* module) {
  if (module) FreeLibrary(static_cast<HMODULE>(module));
}

std::string DefaultModulePath(const std::string& dir) {
  return dir + "\\skerrow.dll";
}

bool EnsureConsoleInput(std::string* error) {
  if (HasConsoleInput()) return true;
  if (error) *error = "no console input buffer (the console could not be created)";
  return false;
}

std::string ProgramDir() {
  char path[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, n < MAX_PATH ? n : 0);
  size_t slash = dir.find_last_of("\\/");
  return slash == std::string::npos ? "." : dir.substr(0, slash);
}

std::string FullPath(const std::string& path) {
  char full[MAX_PATH];
  DWORD n = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  return n > 0 && n < MAX_PATH ? std::string(full, n) : path;
}

std::string PathForEditor(const std::string& path) {
  std::string oem(path);
  for (char& c : oem) c = static_cast<char>(AnsiToOemByte(static_cast<unsigned char>(c)));
  return oem;
}

#else

void* OpenModule(const std::string& path, std::string* error) {
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) *error = dlerror();
  return module;
}

void* ModuleSymbol(void* module, const char* name) {
  return dlsym(module, name);
}

void CloseModule(void* module) {
  if (module) dlclose(module);
}

void WatchConsolePolls(void (*hook)()) {
  StandinSetConsolePollHook(hook);
}

void WatchModuleConsolePolls(void*) {}

void SleepUntil(std::chrono::steady_clock::time_point deadline) {
  for (;;) {
    auto left = deadline - std::chrono::steady_clock::now();
    if (left <= left.zero()) return;
    long long us = std::chrono::duration_cast<std::chrono::microseconds>(left).count();
    usleep(static_cast<useconds_t>(us > 0 ? us : 1));
  }
}

std::string DefaultModulePath(const std::string& dir) {
  return dir + "/libskerrow.so";
}

bool EnsureConsoleInput(std::string*) {
  return true;
}

std::string ProgramDir() {
  char path[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0) return ".";
  std::string dir(path, static_cast<size_t>(n));
  size_t slash = dir.rfind('/');
  return slash == std::string::npos ? "." : dir.substr(0, slash);
}

std::string FullPath(const std::string& path) {
  char* full = realpath(path.c_str(), nullptr);
  if (!full) return path;
  std::string result(full);
  free(full);
  return result;
}

std::string PathForEditor(const std::string& path) {
  return Utf8ToOem(path);
}

#endif

}  // namespace host
