// GetLastError and SetLastError: one value per thread, as on Windows.
#include "shell/win_api.h"

namespace {
thread_local DWORD lastError = 0;
}

extern "C" {

DWORD WINAPI GetLastError(void) {
  return lastError;
}

void WINAPI SetLastError(DWORD dwErrCode) {
  lastError = dwErrCode;
}

}  // extern "C"
