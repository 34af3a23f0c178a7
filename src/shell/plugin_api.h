// The host's 1.x ANSI/OEM plug-in interface, declared from the host's published
// layout: structures, service function types, constants and the four exports.
// On the 32-bit target every size and offset is checked against the host's;
// on 64-bit native builds pointer fields are 8 bytes wide and the layouts grow
// accordingly (nothing squeezes a pointer into 32 bits).
// Covered by tests/shell/plugin_api_test.cpp.
#pragma once

#include <stddef.h>

#include "shell/win_api.h"

#ifdef _WIN32
#define SKERROW_EXPORT
#else
#define SKERROW_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

enum { NM = 260 };

// Dialog item types.
enum {
  DI_TEXT = 0,
  DI_VTEXT = 1,
  DI_SINGLEBOX = 2,
  DI_DOUBLEBOX = 3,
  DI_EDIT = 4,
  DI_PSWEDIT = 5,
  DI_FIXEDIT = 6,
  DI_BUTTON = 7,
  DI_CHECKBOX = 8,
  DI_RADIOBUTTON = 9,
};

// Dialog item flags.
enum {
  DIF_COLORMASK = 0xff,
  DIF_SETCOLOR = 0x100,
  DIF_BOXCOLOR = 0x200,
  DIF_GROUP = 0x400,
  DIF_CENTERGROUP = 0x4000,
  DIF_MANUALADDHISTORY = 0x8000,
  DIF_SEPARATOR = 0x10000,
  DIF_SEPARATOR2 = 0x20000,
  DIF_HISTORY = 0x40000,
  DIF_USELASTHISTORY = 0x200000,
  DIF_MASKEDIT = 0x400000,
  DIF_READONLY = 0x20000000,
};
#define DIF_DISABLE 0x80000000u

// Menu, message and plug-in flags.
enum {
  FMENU_SHOWAMPERSAND = 1,
  FMENU_WRAPMODE = 2,
  FMENU_AUTOHIGHLIGHT = 4,
  FMENU_REVERSEAUTOHIGHLIGHT = 8,
};
enum {
  FMSG_WARNING = 1,
  FMSG_ERRORTYPE = 2,
  FMSG_KEEPBACKGROUND = 4,
  FMSG_DOWN = 8,
  FMSG_LEFTALIGN = 0x10,
};
enum {
  PF_PRELOAD = 1,
  PF_DISABLEPANELS = 2,
  PF_EDITOR = 4,
  PF_VIEWER = 8,
};
enum {
  PKF_CONTROL = 1,
  PKF_ALT = 2,
  PKF_SHIFT = 4,
};

// OpenPlugin origins.
enum {
  OPEN_DISKMENU = 0,
  OPEN_PLUGINSMENU = 1,
  OPEN_FINDLIST = 2,
  OPEN_SHORTCUT = 3,
  OPEN_COMMANDLINE = 4,
  OPEN_EDITOR = 5,
  OPEN_VIEWER = 6,
};

// EditorControl commands.
enum {
  ECTL_GETSTRING = 0,
  ECTL_SETSTRING = 1,
  ECTL_GETINFO = 6,
  ECTL_SETPOSITION = 7,
  ECTL_EDITORTOOEM = 10,
  ECTL_OEMTOEDITOR = 11,
  ECTL_PROCESSINPUT = 17,
};

struct FarMenuItem {
  char Text[128];
  int Selected;
  int Checked;
  int Separator;
};

struct FarDialogItem {
  int Type;
  int X1;
  int Y1;
  int X2;
  int Y2;
  int Focus;
  union {
    int Selected;
    const char* History;
    const char* Mask;
    DWORD_PTR Reserved;
  };
  DWORD Flags;
  int DefaultButton;
  char Data[512];
};

struct EditorInfo {
  int EditorID;
  const char* FileName;
  int WindowSizeX;
  int WindowSizeY;
  int TotalLines;
  int CurLine;
  int CurPos;
  int CurTabPos;
  int TopScreenLine;
  int LeftPos;
  int Overtype;
  int BlockType;
  int BlockStartLine;
  int AnsiMode;
  int TableNum;
  DWORD Options;
  int TabSize;
  int BookMarkCount;
  DWORD CurState;
  DWORD Reserved[6];
};

struct EditorGetString {
  int StringNumber;
  const char* StringText;
  const char* StringEOL;
  int StringLength;
  int SelStart;
  int SelEnd;
};

struct EditorSetPosition {
  int CurLine;
  int CurPos;
  int CurTabPos;
  int TopScreenLine;
  int LeftPos;
  int Overtype;
};

struct EditorConvertText {
  char* Text;
  int TextLength;
};

// Service function types (all __stdcall on Windows).
typedef int(WINAPI* FARAPIMENU)(INT_PTR PluginNumber, int X, int Y, int MaxHeight, DWORD Flags,
                                const char* Title, const char* Bottom, const char* HelpTopic,
                                const int* BreakKeys, int* BreakCode,
                                const struct FarMenuItem* Item, int ItemsNumber);
typedef int(WINAPI* FARAPIDIALOG)(INT_PTR PluginNumber, int X1, int Y1, int X2, int Y2,
                                  const char* HelpTopic, struct FarDialogItem* Item,
                                  int ItemsNumber);
typedef int(WINAPI* FARAPIMESSAGE)(INT_PTR PluginNumber, DWORD Flags, const char* HelpTopic,
                                   const char* const* Items, int ItemsNumber, int ButtonsNumber);
typedef const char*(WINAPI* FARAPIGETMSG)(INT_PTR PluginNumber, int MsgId);
typedef HANDLE(WINAPI* FARAPISAVESCREEN)(int X1, int Y1, int X2, int Y2);
typedef void(WINAPI* FARAPIRESTORESCREEN)(HANDLE hScreen);
typedef int(WINAPI* FARAPICMPNAME)(const char* Pattern, const char* String, int SkipPath);
typedef int(WINAPI* FARAPIEDITORCONTROL)(int Command, void* Param);
// Services the module never calls: only their slots matter.
typedef void(WINAPI* FARAPIUNUSED)(void);

struct PluginStartupInfo {
  int StructSize;
  char ModuleName[NM];
  INT_PTR ModuleNumber;
  const char* RootKey;
  FARAPIMENU Menu;
  FARAPIDIALOG Dialog;
  FARAPIMESSAGE Message;
  FARAPIGETMSG GetMsg;
  FARAPIUNUSED Control;
  FARAPISAVESCREEN SaveScreen;
  FARAPIRESTORESCREEN RestoreScreen;
  FARAPIUNUSED GetDirList;
  FARAPIUNUSED GetPluginDirList;
  FARAPIUNUSED FreeDirList;
  FARAPIUNUSED Viewer;
  FARAPIUNUSED Editor;
  FARAPICMPNAME CmpName;
  FARAPIUNUSED CharTable;
  FARAPIUNUSED Text;
  FARAPIEDITORCONTROL EditorControl;
  void* FSF;
  FARAPIUNUSED ShowHelp;
  FARAPIUNUSED AdvControl;
  FARAPIUNUSED InputBox;
  FARAPIUNUSED DialogEx;
  FARAPIUNUSED SendDlgMessage;
  FARAPIUNUSED DefDlgProc;
  DWORD_PTR Reserved;
};

struct PluginInfo {
  int StructSize;
  DWORD Flags;
  const char* const* DiskMenuStrings;
  int* DiskMenuNumbers;
  int DiskMenuStringsNumber;
  const char* const* PluginMenuStrings;
  int PluginMenuStringsNumber;
  const char* const* PluginConfigStrings;
  int PluginConfigStringsNumber;
  const char* CommandPrefix;
};

// The module's exports, resolved by the host by these bare names.
SKERROW_EXPORT void WINAPI SetStartupInfo(const struct PluginStartupInfo* Info);
SKERROW_EXPORT void WINAPI GetPluginInfo(struct PluginInfo* Info);
SKERROW_EXPORT HANDLE WINAPI OpenPlugin(int OpenFrom, int Item);
SKERROW_EXPORT int WINAPI Configure(int ItemNumber);

typedef void(WINAPI* SetStartupInfoFn)(const struct PluginStartupInfo* Info);
typedef void(WINAPI* GetPluginInfoFn)(struct PluginInfo* Info);
typedef HANDLE(WINAPI* OpenPluginFn)(int OpenFrom, int Item);
typedef int(WINAPI* ConfigureFn)(int ItemNumber);

#ifdef __cplusplus
}
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define SKERROW_ABI_CHECK(type, size) static_assert(sizeof(type) == (size), #type " size")
#define SKERROW_OFFSET_CHECK(type, field, off) \
  static_assert(offsetof(type, field) == (off), #type "." #field " offset")
SKERROW_ABI_CHECK(PluginStartupInfo, 368);
SKERROW_ABI_CHECK(PluginInfo, 40);
SKERROW_ABI_CHECK(FarDialogItem, 548);
SKERROW_ABI_CHECK(FarMenuItem, 140);
SKERROW_ABI_CHECK(EditorInfo, 100);
SKERROW_ABI_CHECK(EditorGetString, 24);
SKERROW_ABI_CHECK(EditorSetPosition, 24);
SKERROW_ABI_CHECK(EditorConvertText, 8);
SKERROW_ABI_CHECK(INPUT_RECORD, 20);
SKERROW_OFFSET_CHECK(PluginStartupInfo, ModuleName, 4);
SKERROW_OFFSET_CHECK(PluginStartupInfo, ModuleNumber, 264);
SKERROW_OFFSET_CHECK(PluginStartupInfo, RootKey, 268);
SKERROW_OFFSET_CHECK(PluginStartupInfo, Menu, 272);
SKERROW_OFFSET_CHECK(PluginStartupInfo, Dialog, 276);
SKERROW_OFFSET_CHECK(PluginStartupInfo, Message, 280);
SKERROW_OFFSET_CHECK(PluginStartupInfo, GetMsg, 284);
SKERROW_OFFSET_CHECK(PluginStartupInfo, SaveScreen, 292);
SKERROW_OFFSET_CHECK(PluginStartupInfo, RestoreScreen, 296);
SKERROW_OFFSET_CHECK(PluginStartupInfo, CmpName, 320);
SKERROW_OFFSET_CHECK(PluginStartupInfo, EditorControl, 332);
SKERROW_OFFSET_CHECK(PluginInfo, PluginMenuStrings, 20);
SKERROW_OFFSET_CHECK(PluginInfo, PluginConfigStrings, 28);
SKERROW_OFFSET_CHECK(PluginInfo, CommandPrefix, 36);
SKERROW_OFFSET_CHECK(FarDialogItem, Selected, 24);
SKERROW_OFFSET_CHECK(FarDialogItem, Flags, 28);
SKERROW_OFFSET_CHECK(FarDialogItem, DefaultButton, 32);
SKERROW_OFFSET_CHECK(FarDialogItem, Data, 36);
SKERROW_OFFSET_CHECK(FarMenuItem, Selected, 128);
SKERROW_OFFSET_CHECK(EditorInfo, FileName, 4);
SKERROW_OFFSET_CHECK(EditorInfo, TotalLines, 16);
SKERROW_OFFSET_CHECK(EditorInfo, CurLine, 20);
SKERROW_OFFSET_CHECK(EditorInfo, TopScreenLine, 32);
SKERROW_OFFSET_CHECK(EditorInfo, LeftPos, 36);
SKERROW_OFFSET_CHECK(EditorGetString, StringLength, 12);
SKERROW_OFFSET_CHECK(INPUT_RECORD, Event.KeyEvent.bKeyDown, 4);
SKERROW_OFFSET_CHECK(INPUT_RECORD, Event.KeyEvent.wVirtualKeyCode, 10);
SKERROW_OFFSET_CHECK(INPUT_RECORD, Event.KeyEvent.dwControlKeyState, 16);
#undef SKERROW_ABI_CHECK
#undef SKERROW_OFFSET_CHECK
#endif
