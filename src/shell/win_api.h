// The one door to the Windows API. On Windows this is <windows.h>; elsewhere it
// declares the same names, and standin/win32 (a shared library, like the system
// DLLs it replaces) implements them. Only the subset the module, the host
// stand-in and their tests use is declared; every declaration keeps the real
// name, signature, constant value and 32-bit field width.
// Covered by tests/standin/win32 (run in both builds: stand-in and Wine).
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#else
#include <stdarg.h>
#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define WINAPI
#define WINAPIV
#define CALLBACK
#define WINAPI_STANDIN __attribute__((visibility("default")))

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef unsigned int UINT;
typedef char CHAR;
typedef uint16_t WCHAR;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef uintptr_t DWORD_PTR;
typedef size_t SIZE_T;
typedef void* HANDLE;
typedef HANDLE HGLOBAL;
typedef HANDLE HINSTANCE;
typedef HINSTANCE HMODULE;
typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;
typedef LONG LSTATUS;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;

#define TRUE 1
#define FALSE 0

typedef struct _FILETIME {
  DWORD dwLowDateTime;
  DWORD dwHighDateTime;
} FILETIME, *PFILETIME;

typedef struct _SECURITY_ATTRIBUTES {
  DWORD nLength;
  LPVOID lpSecurityDescriptor;
  BOOL bInheritHandle;
} SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;

#define LOWORD(l) ((WORD)(((DWORD_PTR)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR)(l)) >> 16) & 0xffff))
#define MAKELONG(a, b) ((LONG)(((WORD)(((DWORD_PTR)(a)) & 0xffff)) | \
                               ((DWORD)((WORD)(((DWORD_PTR)(b)) & 0xffff))) << 16))

/* Error codes. */
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_KEY_DELETED 1018L
#define ERROR_BADKEY 1010L
#define ERROR_NOACCESS 998L

/* The calling thread's last error, set by the console functions on failure. */
WINAPI_STANDIN DWORD WINAPI GetLastError(void);
WINAPI_STANDIN void WINAPI SetLastError(DWORD dwErrCode);

/* Registry. */
#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)((LONG)0x80000000))
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)((LONG)0x80000001))
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)((LONG)0x80000002))
#define HKEY_USERS ((HKEY)(ULONG_PTR)((LONG)0x80000003))

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F
#define MAXIMUM_ALLOWED 0x02000000

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_OPTION_NON_VOLATILE 0
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

WINAPI_STANDIN LONG WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved,
                                           LPSTR lpClass, DWORD dwOptions, REGSAM samDesired,
                                           LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                           PHKEY phkResult, LPDWORD lpdwDisposition);
WINAPI_STANDIN LONG WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions,
                                         REGSAM samDesired, PHKEY phkResult);
WINAPI_STANDIN LONG WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved,
                                            LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
WINAPI_STANDIN LONG WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved,
                                          DWORD dwType, const BYTE* lpData, DWORD cbData);
WINAPI_STANDIN LONG WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey);
WINAPI_STANDIN LONG WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
WINAPI_STANDIN LONG WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName,
                                         LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
                                         LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
WINAPI_STANDIN LONG WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName,
                                         LPDWORD lpcchValueName, LPDWORD lpReserved,
                                         LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
WINAPI_STANDIN LONG WINAPI RegCloseKey(HKEY hKey);

/* Console input. */
#define STD_INPUT_HANDLE ((DWORD)-10)
#define STD_OUTPUT_HANDLE ((DWORD)-11)
#define STD_ERROR_HANDLE ((DWORD)-12)
#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#define KEY_EVENT 0x0001
#define MOUSE_EVENT 0x0002
#define WINDOW_BUFFER_SIZE_EVENT 0x0004
#define MENU_EVENT 0x0008
#define FOCUS_EVENT 0x0010

#define RIGHT_ALT_PRESSED 0x0001
#define LEFT_ALT_PRESSED 0x0002
#define RIGHT_CTRL_PRESSED 0x0004
#define LEFT_CTRL_PRESSED 0x0008
#define SHIFT_PRESSED 0x0010
#define NUMLOCK_ON 0x0020
#define SCROLLLOCK_ON 0x0040
#define CAPSLOCK_ON 0x0080
#define ENHANCED_KEY 0x0100

typedef struct _COORD {
  short X;
  short Y;
} COORD;

typedef struct _KEY_EVENT_RECORD {
  BOOL bKeyDown;
  WORD wRepeatCount;
  WORD wVirtualKeyCode;
  WORD wVirtualScanCode;
  union {
    WCHAR UnicodeChar;
    CHAR AsciiChar;
  } uChar;
  DWORD dwControlKeyState;
} KEY_EVENT_RECORD;

typedef struct _MOUSE_EVENT_RECORD {
  COORD dwMousePosition;
  DWORD dwButtonState;
  DWORD dwControlKeyState;
  DWORD dwEventFlags;
} MOUSE_EVENT_RECORD;

typedef struct _WINDOW_BUFFER_SIZE_RECORD {
  COORD dwSize;
} WINDOW_BUFFER_SIZE_RECORD;

typedef struct _MENU_EVENT_RECORD {
  UINT dwCommandId;
} MENU_EVENT_RECORD;

typedef struct _FOCUS_EVENT_RECORD {
  BOOL bSetFocus;
} FOCUS_EVENT_RECORD;

typedef struct _INPUT_RECORD {
  WORD EventType;
  union {
    KEY_EVENT_RECORD KeyEvent;
    MOUSE_EVENT_RECORD MouseEvent;
    WINDOW_BUFFER_SIZE_RECORD WindowBufferSizeEvent;
    MENU_EVENT_RECORD MenuEvent;
    FOCUS_EVENT_RECORD FocusEvent;
  } Event;
} INPUT_RECORD, *PINPUT_RECORD;

WINAPI_STANDIN HANDLE WINAPI GetStdHandle(DWORD nStdHandle);
WINAPI_STANDIN BOOL WINAPI PeekConsoleInputA(HANDLE hConsoleInput, PINPUT_RECORD lpBuffer,
                                             DWORD nLength, LPDWORD lpNumberOfEventsRead);
WINAPI_STANDIN BOOL WINAPI ReadConsoleInputA(HANDLE hConsoleInput, PINPUT_RECORD lpBuffer,
                                             DWORD nLength, LPDWORD lpNumberOfEventsRead);
WINAPI_STANDIN BOOL WINAPI WriteConsoleInputA(HANDLE hConsoleInput, const INPUT_RECORD* lpBuffer,
                                              DWORD nLength, LPDWORD lpNumberOfEventsWritten);
WINAPI_STANDIN BOOL WINAPI GetNumberOfConsoleInputEvents(HANDLE hConsoleInput,
                                                         LPDWORD lpcNumberOfEvents);
WINAPI_STANDIN BOOL WINAPI FlushConsoleInputBuffer(HANDLE hConsoleInput);

/* Virtual keys. */
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B

/* Character services: OEM code page 866, ANSI code page 1251. */
WINAPI_STANDIN BOOL WINAPI OemToCharBuffA(LPCSTR lpszSrc, LPSTR lpszDst, DWORD cchDstLength);
WINAPI_STANDIN BOOL WINAPI CharToOemBuffA(LPCSTR lpszSrc, LPSTR lpszDst, DWORD cchDstLength);
WINAPI_STANDIN BOOL WINAPI IsCharAlphaA(CHAR ch);
/* With a pointer whose high word is zero, the low byte is a character value and
   the upper-cased character comes back in the low byte of the result. */
WINAPI_STANDIN LPSTR WINAPI CharUpperA(LPSTR lpsz);
WINAPI_STANDIN LPSTR WINAPI CharLowerA(LPSTR lpsz);
WINAPI_STANDIN UINT WINAPI GetOEMCP(void);
WINAPI_STANDIN UINT WINAPI GetACP(void);

/* Formatting: at most 1024 characters including the terminator; no floating point. */
WINAPI_STANDIN int WINAPIV wsprintfA(LPSTR lpOut, LPCSTR lpFmt, ...);
WINAPI_STANDIN int WINAPI wvsprintfA(LPSTR lpOut, LPCSTR lpFmt, va_list arglist);

/* Global heap. */
#define GMEM_FIXED 0x0000
#define GMEM_ZEROINIT 0x0040
#define GPTR 0x0040
WINAPI_STANDIN HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes);
WINAPI_STANDIN HGLOBAL WINAPI GlobalFree(HGLOBAL hMem);

#ifdef __cplusplus
}
#endif

#endif /* _WIN32 */
