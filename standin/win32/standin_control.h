// Controls of the Windows API stand-in that Windows itself does not have: fault
// injection and state resets for tests, and the hooks the host stand-in needs.
// Native builds only; test code reaches these through tests/support/fault_injection.h,
// which reports them unavailable on Windows.
// Covered by tests/standin/win32/standin_control_test.cpp.
#pragma once

#include "shell/win_api.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Global heap. The nth GlobalAlloc from now (n = 1, 2, ...) returns NULL, once;
   0 disarms. The fault stays armed until that many allocations were asked for. */
WINAPI_STANDIN void StandinFailAllocation(unsigned n);
WINAPI_STANDIN BOOL StandinAllocationFaultArmed(void);
/* Blocks handed out by GlobalAlloc and not yet freed. */
WINAPI_STANDIN long StandinLiveAllocations(void);

/* Registry. The nth Reg* call from now (RegCloseKey excepted: it never fails)
   returns `error` instead of doing its work, once; n = 0 disarms. */
WINAPI_STANDIN void StandinFailRegistryCall(unsigned n, LONG error);
/* The same for `count` calls in a row from the nth on (count 0 disarms). */
WINAPI_STANDIN void StandinFailRegistryCalls(unsigned n, unsigned count, LONG error);
WINAPI_STANDIN BOOL StandinRegistryFaultArmed(void);
/* Key handles opened and not yet closed (predefined roots do not count). */
WINAPI_STANDIN long StandinOpenKeyHandles(void);
/* Empties every root. Handles still open then refer to deleted keys
   (ERROR_KEY_DELETED) until they are closed. Disarms the registry fault. */
WINAPI_STANDIN void StandinResetRegistry(void);

/* Console input. While failing, PeekConsoleInputA, ReadConsoleInputA and
   GetNumberOfConsoleInputEvents return FALSE with ERROR_INVALID_HANDLE, as
   they do on a handle that is not a console. */
WINAPI_STANDIN void StandinSetConsoleInputFails(BOOL fails);

/* Called at the start of every PeekConsoleInputA, before the queue is looked
   at, so that the host stand-in can count the module's polls and queue keys
   while the module works. NULL removes it. */
typedef void (*StandinConsolePollHook)(void);
WINAPI_STANDIN void StandinSetConsolePollHook(StandinConsolePollHook hook);

#ifdef __cplusplus
}
#endif
