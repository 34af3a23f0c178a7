// The host stand-in as a library: one editor, a console screen, the eight
// services a module calls, the console input queue as the one source of keys,
// and a trace of every service call. Unit tests build a Host, hand its
// StartupInfo() to the module's SetStartupInfo and call module functions
// directly; tools/skerrow-host wraps the same object in a program.
//
// Key scripts (QueueKeys, TypeAhead, --keys, --script) are blank-separated key
// names as the host's macro language writes them: Enter Esc Tab ShiftTab Space
// BS Ins Del Home End PgUp PgDn Up Down Left Right F1..F12, with the prefixes
// Ctrl, Alt, Shift in any order (CtrlLeft, AltShiftF9, CtrlShiftEnd, AltA,
// CtrlY), and "quoted text" typed character by character (\" and \\ inside).
// A key marked with a leading '!' (!Esc, !"abc") is typed ahead: it goes into
// the console input queue right after the key before it was delivered (at once
// when the script starts with it), so a module that polls the queue during a
// long operation sees it. A key with a wait (Esc@3, Esc@500ms) is queued once
// the module has polled the console (PeekConsoleInputA) 3 more times, or at
// its first poll 500 ms on, both counted from the delivery of the key before
// it, and holds back the keys after it; when a loop of the host wants input
// first, it is queued then (after its delay). In interactive use, keys typed
// at the terminal while the module works are moved into the console queue at
// each of its polls, as Windows queues them. "Snap" is no key: when the script reaches it, the
// screen is recorded (Snaps(); the program prints it). Every other key is delivered only when a
// modal loop of the host (or the editor) waits for input. Every key, however it
// comes, is a press and then a release in the queue, as the console writes
// them: the loop takes the press, and the release waits for the next reader,
// which may be the module polling during a long operation.
//
// Not thread-safe; one Host exists at a time (Current()).
// Covered by tests/standin/host/*.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "shell/plugin_api.h"

namespace host {

struct HostOptions {
  int columns = 80, rows = 25;
  std::string language = "English";  // picks the .lng/.hlf by their .Language name
  std::string moduleDir;             // where the .lng/.hlf files are (the module's folder)
  std::string modulePath;            // ModuleName handed to the module
  std::string rootKey = "Software\\Far\\Plugins";
  // Every service call becomes one JSON line in Trace(). Benchmarks turn it off:
  // then no call formats or allocates anything for the trace.
  bool trace = true;
  // GetMsg calls are frequent and rarely interesting: traced only when asked.
  bool traceGetMsg = false;
  // Dialog histories live in the registry, as the host keeps them
  // (HKCU\Software\Far\SavedDialogHistory\<name>), instead of only for the
  // life of this Host. The program turns it on; tests keep it off so that
  // one test's history never reaches the next.
  bool historyInRegistry = false;
};

class Editor {  // the file being edited; lines are bytes in the editor's code page
 public:
  Editor();
  void SetText(const std::vector<std::string>& lines);  // OEM (or 1251 with SetAnsi) bytes
  // Reads a file: "utf8" converts to the code page of the editor's table, OEM
  // 866 or ANSI 1251 (characters without a form there become '?', counted in
  // UnmappedChars); "oem" and "ansi" take the bytes as they are and switch
  // the editor to that table. Lines end at "\n" or "\r\n"; the cursor goes
  // to 0:0. False with a message on failure.
  bool LoadFile(const std::string& path, const std::string& encoding, std::string* error);
  void SetFileName(const std::string& fullPath);  // what ECTL_GETINFO reports (OEM)
  void SetAnsi(bool ansi);                        // lines held in 1251; ECTL_EDITORTOOEM converts
  // The view follows: a cursor off the window scrolls it (top = -1, left = -1
  // keep the view where it is when the cursor is visible).
  void SetCursor(int line, int pos, int top = -1, int left = -1);
  int CurLine() const { return curLine_; }
  int CurPos() const { return curPos_; }
  int TopScreenLine() const { return topLine_; }
  int LeftPos() const { return leftPos_; }
  int TotalLines() const { return static_cast<int>(slots_.size()); }
  const std::string& Line(int i) const;  // empty for a number out of range
  // The bytes of line i without copying them (null for a number out of
  // range): what ECTL_GETSTRING hands out, valid until the text changes.
  const char* LineData(int i, int* length) const;
  const std::string& FileName() const { return fileName_; }
  bool Ansi() const { return ansi_; }
  bool Overtype() const { return overtype_; }
  int UnmappedChars() const { return unmapped_; }
  bool Modified() const { return modified_; }
  // Window size in text rows and columns; the host sets it from the screen.
  void SetWindow(int columns, int rows);
  int WindowColumns() const { return windowColumns_; }
  int WindowRows() const { return windowRows_; }
  // One key press as the editor handles it (movement, Ctrl+Left/Right word
  // motion, typing, BS, Del, Enter, Ins, F8 switching between the OEM and
  // ANSI tables). False when the editor does not use it.
  bool ProcessKey(WORD vk, DWORD controlState, char ch);
  // Word delimiters for Ctrl+Left/Ctrl+Right (the host's WordDiv).
  void SetWordDiv(const std::string& wordDiv) { wordDiv_ = wordDiv; }
  const std::string& WordDiv() const { return wordDiv_; }

 private:
  // A loaded file stays in one block; a line becomes a string of its own
  // (in owned_, at the slot's `owned` index) only when it is asked for by
  // Line() or edited, so that loading 200,000 lines costs no allocation and
  // no constructed object per line.
  struct Slot {
    size_t offset;
    int length;
    int owned;  // index in owned_, -1 while the line lies in bulk_
  };
  void FollowCursor();
  void Materialize(int i) const;
  std::string& MutableLine(int i);
  void InsertLine(int at, const std::string& text);
  void EraseLine(int at);
  int LineLength(int i) const;
  std::string bulk_;
  mutable std::vector<Slot> slots_;
  // A deque: growing it never moves a line that Line() handed out.
  mutable std::deque<std::string> owned_;
  std::string fileName_;
  std::string wordDiv_;
  int curLine_ = 0, curPos_ = 0, topLine_ = 0, leftPos_ = 0;
  int windowColumns_ = 80, windowRows_ = 23;
  int unmapped_ = 0;
  bool ansi_ = false, overtype_ = false, modified_ = false;
};

struct HostState;

class Host {
 public:
  explicit Host(const HostOptions& options = HostOptions());
  ~Host();
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  static Host* Current();                  // services are plain WINAPI functions
  const PluginStartupInfo* StartupInfo();  // what SetStartupInfo receives
  Editor& editor();
  // Appends keys to the script; false (and nothing queued) on a syntax error.
  bool QueueKeys(const std::string& script, std::string* error = nullptr);
  // Writes the keys into the console input queue at once (press and release).
  bool TypeAhead(const std::string& script, std::string* error = nullptr);
  int PendingScriptKeys() const;
  const std::vector<std::string>& Trace() const;  // one JSON object per service call
  void ClearTrace();
  std::string ScreenText() const;  // the grid as UTF-8 lines, each ending in '\n'
  bool ScriptEndedInModal() const;
  // The item count of a menu the module asked for that would freeze the real
  // host (the Menu call returned -1 without showing it), or 0.
  int FrozenMenuItems() const;
  // The screen (as ScreenText gives it) at every "Snap" of the script so far.
  const std::vector<std::string>& Snaps() const;
  // Redraws the editor over the whole screen, as the host does when a module
  // call returns; modal boxes restore what was under them by themselves.
  void RedrawEditor();
  // The language file's problem (missing, malformed), or empty.
  const std::string& LanguageError() const;
  HostState& state() { return *state_; }

 private:
  std::unique_ptr<HostState> state_;
};

}  // namespace host
