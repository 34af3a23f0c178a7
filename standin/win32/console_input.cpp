// The console input queue: GetStdHandle gives a pseudo handle for standard
// input, the host stand-in fills the queue with WriteConsoleInputA, and the
// module looks at it with PeekConsoleInputA and takes records with
// ReadConsoleInputA, first in first out, as on a real console.
// Differences nobody relies on: ReadConsoleInputA on an empty queue returns
// TRUE with 0 records instead of waiting for a key (nothing else could fill the
// queue meanwhile); the output handles are pseudo handles that no function
// here accepts; records are stored as written (no ANSI/Unicode conversion of
// uChar, which the real console does).
// Covered by tests/standin/win32/console_input_test.cpp.
#include "standin_control.h"
#include "shell/win_api.h"

#include <deque>
#include <mutex>

namespace {

const uintptr_t kConsoleInput = 0x4C0;  // pseudo handles, never valid pointers
const uintptr_t kConsoleOutput = 0x4C4;
const uintptr_t kConsoleError = 0x4C8;

std::mutex queueLock;
std::deque<INPUT_RECORD> queue;
bool inputFails = false;
StandinConsolePollHook pollHook;

// True when `handle` is the console input and reading it may succeed; sets the
// last error otherwise.
bool UsableInput(HANDLE handle) {
  if (reinterpret_cast<uintptr_t>(handle) != kConsoleInput || inputFails) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  return true;
}

BOOL CopyRecords(HANDLE handle, PINPUT_RECORD buffer, DWORD length, LPDWORD count, bool remove) {
  std::lock_guard<std::mutex> guard(queueLock);
  if (!UsableInput(handle)) return FALSE;
  if (!count || (length && !buffer)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DWORD n = 0;
  while (n < length && n < queue.size()) {
    buffer[n] = queue[n];
    ++n;
  }
  if (remove) queue.erase(queue.begin(), queue.begin() + n);
  *count = n;
  return TRUE;
}

}  // namespace

extern "C" {

HANDLE WINAPI GetStdHandle(DWORD nStdHandle) {
  switch (nStdHandle) {
    case STD_INPUT_HANDLE: return reinterpret_cast<HANDLE>(kConsoleInput);
    case STD_OUTPUT_HANDLE: return reinterpret_cast<HANDLE>(kConsoleOutput);
    case STD_ERROR_HANDLE: return reinterpret_cast<HANDLE>(kConsoleError);
  }
  SetLastError(ERROR_INVALID_HANDLE);
  return INVALID_HANDLE_VALUE;
}

BOOL WINAPI PeekConsoleInputA(HANDLE hConsoleInput, PINPUT_RECORD lpBuffer, DWORD nLength,
                              LPDWORD lpNumberOfEventsRead) {
  if (pollHook) pollHook();  // outside the lock: the hook writes to the queue
  return CopyRecords(hConsoleInput, lpBuffer, nLength, lpNumberOfEventsRead, false);
}

BOOL WINAPI ReadConsoleInputA(HANDLE hConsoleInput, PINPUT_RECORD lpBuffer, DWORD nLength,
                              LPDWORD lpNumberOfEventsRead) {
  return CopyRecords(hConsoleInput, lpBuffer, nLength, lpNumberOfEventsRead, true);
}

// Writing works even while reading is made to fail: the host stand-in keeps
// feeding the queue, only the module's view of it is broken.
BOOL WINAPI WriteConsoleInputA(HANDLE hConsoleInput, const INPUT_RECORD* lpBuffer, DWORD nLength,
                               LPDWORD lpNumberOfEventsWritten) {
  std::lock_guard<std::mutex> guard(queueLock);
  if (reinterpret_cast<uintptr_t>(hConsoleInput) != kConsoleInput) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!lpNumberOfEventsWritten || (nLength && !lpBuffer)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  queue.insert(queue.end(), lpBuffer, lpBuffer + nLength);
  *lpNumberOfEventsWritten = nLength;
  return TRUE;
}

BOOL WINAPI GetNumberOfConsoleInputEvents(HANDLE hConsoleInput, LPDWORD lpcNumberOfEvents) {
  std::lock_guard<std::mutex> guard(queueLock);
  if (!UsableInput(hConsoleInput)) return FALSE;
  if (!lpcNumberOfEvents) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  *lpcNumberOfEvents = static_cast<DWORD>(queue.size());
  return TRUE;
}

BOOL WINAPI FlushConsoleInputBuffer(HANDLE hConsoleInput) {
  std::lock_guard<std::mutex> guard(queueLock);
  if (reinterpret_cast<uintptr_t>(hConsoleInput) != kConsoleInput) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  queue.clear();
  return TRUE;
}

void StandinSetConsolePollHook(StandinConsolePollHook hook) {
  pollHook = hook;
}

void StandinSetConsoleInputFails(BOOL fails) {
  std::lock_guard<std::mutex> guard(queueLock);
  inputFails = fails != FALSE;
}

}  // extern "C"
