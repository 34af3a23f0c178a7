// The Host object: construction, the key feed, the language file and the
// public accessors. The services themselves are in services.cpp.
#include "host.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include "code_pages.h"
#include "host_state.h"
#include "platform.h"
#include "trace_line.h"

namespace host {

namespace {
Host* current = nullptr;
const std::string kNoError;
}  // namespace

std::string LowerAscii(const std::string& s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return out;
}

unsigned char UpperOem(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  if (c >= 0xA0 && c <= 0xAF) return static_cast<unsigned char>(c - 0x20);  // а-п
  if (c >= 0xE0 && c <= 0xEF) return static_cast<unsigned char>(c - 0x50);  // р-я
  if (c == 0xF1) return 0xF0;                                               // ё
  return c;
}

std::string StripHotkey(const std::string& text, unsigned char* hotkey) {
  std::string out;
  if (hotkey) *hotkey = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) {
      if (text[i + 1] == '&') {
        out.push_back('&');
        ++i;
        continue;
      }
      if (hotkey && *hotkey == 0) {
        *hotkey = UpperOem(static_cast<unsigned char>(text[i + 1]));
        continue;
      }
    }
    out.push_back(text[i]);
  }
  return out;
}

HostState::HostState(const HostOptions& o)
    : options(o), screen(o.columns, o.rows), tracing(o.trace) {
  memset(&info, 0, sizeof info);
  editor.SetWindow(screen.Columns(), screen.Rows() - 2);
}

bool HostState::WriteKeyPress(const ScriptKey& key) {
  INPUT_RECORD records[2] = {ToInputRecord(key, true), ToInputRecord(key, false)};
  DWORD written = 0;
  return WriteConsoleInputA(input, records, 2, &written) && written == 2;
}

// Typed-ahead keys go into the queue at once; a timed key is armed and holds
// back the keys after it until it has been queued.
void HostState::WriteTypeAhead() {
  while (!timedArmed && scriptNext < script.size()) {
    const ScriptKey& key = script[scriptNext];
    if (key.Timed()) {
      ++scriptNext;
      ArmTimedKey(key);
      break;
    }
    if (!key.typeAhead) break;
    WriteKeyPress(key);
    ++scriptNext;
  }
}

void HostState::ArmTimedKey(const ScriptKey& key) {
  timedArmed = true;
  timedKey = key;
  timedPollTarget = key.afterPolls >= 0 ? consolePolls + key.afterPolls : -1;
  timedDeadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(key.afterMs);
  if (key.afterPolls == 0) FireTimedKey(false);
}

void HostState::FireTimedKey(bool whileModuleWorks) {
  timedArmed = false;
  WriteKeyPress(timedKey);
  keyTimePending = reportKeyTimes && whileModuleWorks;
  timedFiredPolls = consolePolls;
  // A key due after a delay is queued at the first poll after its moment,
  // which is when the module would see a key pressed then: the moment counts
  // as its press.
  timedFiredAt = timedKey.afterMs >= 0 ? timedDeadline : std::chrono::steady_clock::now();
  WriteTypeAhead();
}

void HostState::OnConsolePoll() {
  ++consolePolls;
  ScriptKey typed;
  while (keyPoll && keyPoll(&typed)) WriteKeyPress(typed);
  if (!timedArmed) return;
  bool due = timedKey.afterPolls >= 0 ? consolePolls >= timedPollTarget
                                      : std::chrono::steady_clock::now() >= timedDeadline;
  if (due) FireTimedKey(true);
}

bool HostState::ReadKey(ScriptKey* key, bool modal) {
  if (keyTimePending) {
    keyTimePending = false;
    double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - timedFiredAt)
            .count();
    fprintf(stderr,
            "skerrow-host: %s pressed, seen at console poll %ld; a key was wanted %.1f ms later\n",
            KeyName(timedKey.vk, timedKey.control, timedKey.ch).c_str(), timedFiredPolls, ms);
  }
  for (;;) {
    DWORD pending = 0;
    if (GetNumberOfConsoleInputEvents(input, &pending) && pending > 0) {
      INPUT_RECORD record;
      DWORD got = 0;
      if (ReadConsoleInputA(input, &record, 1, &got) && got == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
          *key = FromInputRecord(record);
          return true;
        }
        continue;
      }
    }
    // The module asks for no key while it works: a timed key still waiting
    // when input is wanted is queued now (after its delay), so the keys
    // behind it keep their order.
    if (timedArmed) {
      if (timedKey.afterMs >= 0) SleepUntil(timedDeadline);
      FireTimedKey(false);
      continue;
    }
    ScriptKey next;
    if (scriptNext < script.size()) {
      next = script[scriptNext++];
      if (next.snap) {
        snaps.push_back(screen.ToUtf8());
        if (onSnap) onSnap(snaps.back());
        WriteTypeAhead();
        continue;
      }
    } else if (keySource) {
      if (present) present();
      if (!keySource(&next)) return false;
    } else {
      if (modal && !endedInModal) {
        endedInModal = true;
        screenAtEnd = screen.ToUtf8();
      }
      return false;
    }
    // Pressed and released, as on a console: the loop takes the press, and
    // the release stays queued for whoever reads next, which may be the
    // module polling for Esc while it works.
    if (!WriteKeyPress(next)) {
      // No usable console queue: the key still arrives, only polling misses it.
      *key = next;
      WriteTypeAhead();
      return true;
    }
    WriteTypeAhead();
  }
}

bool HostState::LoadLanguage() {
  if (lngLoaded) return lngError.empty();
  lngLoaded = true;
  std::string error;
  std::string path = ChooseLanguageFile(options.moduleDir, ".lng", options.language, &error);
  std::string text;
  if (path.empty()) {
    lngError = error;
  } else if (!ReadWholeFile(path, &text, &error)) {
    lngError = error;
  } else if (!ParseLng(text, &lng, &error)) {
    lngError = path + ": " + error;
  } else {
    lng.path = path;
  }
  if (!lngError.empty()) {
    fprintf(stderr, "skerrow-host: language file: %s\n", lngError.c_str());
    Record(TraceLine("GetMsg").Text("error", lngError).Done());
  }
  return lngError.empty();
}

const char* HostState::Message(int id) {
  if (!LoadLanguage()) return "";
  if (id < 0 || id >= static_cast<int>(lng.messages.size())) {
    // The host shows an error box here; a stand-in that waits for a key would
    // eat a test's script, so it says so on stderr and in the trace.
    fprintf(stderr, "skerrow-host: message %d not found in %s\n", id, lng.path.c_str());
    Record(
        TraceLine("GetMsg").Int("id", id).Text("error", "message not found in " + lng.path).Done());
    return "";
  }
  return lng.messages[id].c_str();
}

namespace {
void ConsolePolled() {
  if (current) current->state().OnConsolePoll();
}
}  // namespace

Host::Host(const HostOptions& options) : state_(new HostState(options)) {
  current = this;
  WatchConsolePolls(ConsolePolled);
  HostState& s = *state_;
  std::string error;
  if (!EnsureConsoleInput(&error)) fprintf(stderr, "skerrow-host: %s\n", error.c_str());
  s.input = GetStdHandle(STD_INPUT_HANDLE);
  FlushConsoleInputBuffer(s.input);
  s.info.StructSize = sizeof(PluginStartupInfo);
  snprintf(s.info.ModuleName, sizeof s.info.ModuleName, "%s", options.modulePath.c_str());
  s.info.ModuleNumber = 0;
  s.info.RootKey = s.options.rootKey.c_str();
  FillServices(&s.info);
  if (options.historyInRegistry) LoadHistories(s);
  DrawEditor(s);
}

Host::~Host() {
  if (current != this) return;
  WatchConsolePolls(nullptr);
  current = nullptr;
}

Host* Host::Current() {
  return current;
}
const PluginStartupInfo* Host::StartupInfo() {
  return &state_->info;
}
Editor& Host::editor() {
  return state_->editor;
}

bool Host::QueueKeys(const std::string& script, std::string* error) {
  std::vector<ScriptKey> keys;
  if (!ParseKeyScript(script, &keys, error)) return false;
  HostState& s = *state_;
  bool atHead = s.scriptNext == s.script.size();
  s.script.insert(s.script.end(), keys.begin(), keys.end());
  if (atHead) s.WriteTypeAhead();
  return true;
}

bool Host::TypeAhead(const std::string& script, std::string* error) {
  std::vector<ScriptKey> keys;
  if (!ParseKeyScript(script, &keys, error)) return false;
  for (const ScriptKey& key : keys) state_->WriteKeyPress(key);
  return true;
}

int Host::PendingScriptKeys() const {
  return static_cast<int>(state_->script.size() - state_->scriptNext);
}

const std::vector<std::string>& Host::Trace() const {
  return state_->trace;
}
void Host::ClearTrace() {
  state_->trace.clear();
}
std::string Host::ScreenText() const {
  return state_->screen.ToUtf8();
}
bool Host::ScriptEndedInModal() const {
  return state_->endedInModal;
}
int Host::FrozenMenuItems() const {
  return state_->frozenMenuItems;
}
const std::vector<std::string>& Host::Snaps() const {
  return state_->snaps;
}
void Host::RedrawEditor() {
  DrawEditor(*state_);
}

const std::string& Host::LanguageError() const {
  state_->LoadLanguage();
  return state_->lngError.empty() ? kNoError : state_->lngError;
}

}  // namespace host
