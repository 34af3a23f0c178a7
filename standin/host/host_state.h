// What one Host holds behind its public face, shared by the services, the
// modal boxes and the program. Internal to the stand-in.
#pragma once

#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "host.h"
#include "key_script.h"
#include "lng_file.h"
#include "screen.h"

namespace host {

struct HistoryList {
  std::string name;                // as the dialog item spells it
  std::vector<std::string> lines;  // newest first
  bool fill = true;                // the list's Flags: DIF_USELASTHISTORY may fill from it
};

struct HelpFile;

struct HostState {
  explicit HostState(const HostOptions& o);
  HostOptions options;
  Screen screen;
  Editor editor;
  PluginStartupInfo info;
  HANDLE input = nullptr;

  // Keys: the script waits in `script` from `scriptNext` on.
  std::vector<ScriptKey> script;
  size_t scriptNext = 0;
  bool endedInModal = false;
  int frozenMenuItems = 0;  // items of a menu refused as too large for the real host
  // Interactive use: blocks for the next key from the terminal; false ends input.
  std::function<bool(ScriptKey*)> keySource;
  // Interactive use: shows the screen before the host waits for a key.
  std::function<void()> present;
  // Interactive use: a key typed at the terminal now, without waiting; the
  // module's console polls move such keys into the queue, as on Windows.
  std::function<bool(ScriptKey*)> keyPoll;
  // A timed key of the script (Esc@3, Esc@500ms) waiting for its moment.
  long consolePolls = 0;  // PeekConsoleInputA calls of the module so far
  bool timedArmed = false;
  ScriptKey timedKey;
  long timedPollTarget = 0;
  std::chrono::steady_clock::time_point timedDeadline;
  // --key-times: when the timed key was queued, to say on stderr how long
  // the module took before it asked for a key again.
  bool reportKeyTimes = false;
  bool keyTimePending = false;
  long timedFiredPolls = 0;
  std::chrono::steady_clock::time_point timedFiredAt;
  int modalDepth = 0;
  std::vector<std::string> snaps;  // the screen at every Snap of the script
  std::function<void(const std::string&)> onSnap;
  std::string screenAtEnd;  // the screen when the script ran out inside a modal

  std::vector<std::string> trace;
  bool tracing = true;

  bool lngLoaded = false;
  LngFile lng;
  std::string lngError;
  bool lngErrorReported = false;

  std::map<std::string, HistoryList> histories;  // by lower-cased name
  std::map<int, SavedRect> savedScreens;
  int nextSavedScreen = 1;
  std::string helpModuleDir;

  void Record(const std::string& line) {
    if (tracing) trace.push_back(line);
  }
  // Takes the next key press for a waiting loop: from the console input
  // queue, fed from the script (or the terminal) when it is empty. False when
  // input has run out; a modal loop then closes as with Esc.
  bool ReadKey(ScriptKey* key, bool modal);
  void WriteTypeAhead();
  // Called at every console poll of the module.
  void OnConsolePoll();
  void ArmTimedKey(const ScriptKey& key);
  void FireTimedKey(bool whileModuleWorks);
  // Queues the key's press and its release; false when the queue refuses them.
  bool WriteKeyPress(const ScriptKey& key);
  bool LoadLanguage();
  const char* Message(int id);
};

// Lower-cased ASCII, for names that compare case-insensitively.
std::string LowerAscii(const std::string& s);
// Editor view: the status line, the text and the key bar over the whole screen.
void DrawEditor(HostState& state);
// Text shown for an item: without the first single '&' (whose next character
// becomes *hotkey, upper-cased) and with "&&" as '&'.
std::string StripHotkey(const std::string& text, unsigned char* hotkey);
unsigned char UpperOem(unsigned char c);
int TabPosition(const std::string& line, int pos);

// The modal boxes and the help viewer; each draws over the screen, restores
// what was under it and returns as the service does.
int RunMenu(HostState& state, int x, int y, int maxHeight, DWORD flags, const char* title,
            const char* bottom, const char* helpTopic, const int* breakKeys, int* breakCode,
            const FarMenuItem* items, int count);
int RunDialog(HostState& state, int x1, int y1, int x2, int y2, const char* helpTopic,
              FarDialogItem* items, int count);
int RunMessage(HostState& state, DWORD flags, const char* helpTopic, const char* const* items,
               int count, int buttons);
void ShowHelp(HostState& state, const char* topic);
int EditorControlCommand(HostState& state, int command, void* param);
bool MatchMask(const char* pattern, const char* name, bool skipPath);
// Dialog histories in the registry (HostOptions::historyInRegistry).
void LoadHistories(HostState& state);
void StoreHistory(const HistoryList& list);

// The module's services, as PluginStartupInfo carries them.
void FillServices(PluginStartupInfo* info);

}  // namespace host
