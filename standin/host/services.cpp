// The eight services as plain WINAPI functions. Each finds the current Host,
// refuses what it cannot take without crashing (reported in the trace) and
// hands the call to the box or editor code that does the work.
#include <stdio.h>

#include "host_state.h"
#include "trace_line.h"

namespace host {
namespace {

HostState* State() {
  Host* h = Host::Current();
  return h ? &h->state() : nullptr;
}

int WINAPI ServiceMenu(INT_PTR, int x, int y, int maxHeight, DWORD flags, const char* title,
                       const char* bottom, const char* helpTopic, const int* breakKeys,
                       int* breakCode, const FarMenuItem* items, int count) {
  HostState* s = State();
  if (!s) return -1;
  return RunMenu(*s, x, y, maxHeight, flags, title, bottom, helpTopic, breakKeys, breakCode, items,
                 count);
}

int WINAPI ServiceDialog(INT_PTR, int x1, int y1, int x2, int y2, const char* helpTopic,
                         FarDialogItem* items, int count) {
  HostState* s = State();
  if (!s) return -1;
  return RunDialog(*s, x1, y1, x2, y2, helpTopic, items, count);
}

int WINAPI ServiceMessage(INT_PTR, DWORD flags, const char* helpTopic, const char* const* items,
                          int count, int buttons) {
  HostState* s = State();
  if (!s) return -1;
  return RunMessage(*s, flags, helpTopic, items, count, buttons);
}

const char* WINAPI ServiceGetMsg(INT_PTR, int id) {
  HostState* s = State();
  if (!s) return "";
  const char* text = s->Message(id);
  if (s->tracing && s->options.traceGetMsg)
    s->Record(TraceLine("GetMsg").Int("id", id).Text("result", text).Done());
  return text;
}

HANDLE WINAPI ServiceSaveScreen(int x1, int y1, int x2, int y2) {
  HostState* s = State();
  if (!s) return nullptr;
  int id = s->nextSavedScreen++;
  s->savedScreens[id] = s->screen.Save(x1, y1, x2, y2);
  HANDLE handle = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(id));
  if (s->tracing)
    s->Record(TraceLine("SaveScreen")
                  .Int("x1", x1)
                  .Int("y1", y1)
                  .Int("x2", x2)
                  .Int("y2", y2)
                  .Int("result", id)
                  .Done());
  return handle;
}

void WINAPI ServiceRestoreScreen(HANDLE handle) {
  HostState* s = State();
  if (!s) return;
  int id = static_cast<int>(reinterpret_cast<INT_PTR>(handle));
  auto it = s->savedScreens.find(id);
  bool known = it != s->savedScreens.end();
  if (known) {
    s->screen.Restore(it->second);
    s->savedScreens.erase(it);
  }
  if (s->tracing) {
    TraceLine line("RestoreScreen");
    line.Int("handle", id);
    if (!known) line.Text("error", "unknown or already restored handle");
    s->Record(line.Done());
  }
}

int WINAPI ServiceCmpName(const char* pattern, const char* name, int skipPath) {
  HostState* s = State();
  bool bad = !pattern || !name;
  int result = bad ? FALSE : MatchMask(pattern, name, skipPath != 0) ? TRUE : FALSE;
  if (s && s->tracing) {
    TraceLine line("CmpName");
    line.Text("mask", pattern).Text("name", name).Int("skipPath", skipPath).Int("result", result);
    if (bad) line.Text("error", "null pattern or name");
    s->Record(line.Done());
  }
  return result;
}

int WINAPI ServiceEditorControl(int command, void* param) {
  HostState* s = State();
  if (!s) return FALSE;
  return EditorControlCommand(*s, command, param);
}

void WINAPI ServiceUnused() {}

}  // namespace

void FillServices(PluginStartupInfo* info) {
  info->Menu = ServiceMenu;
  info->Dialog = ServiceDialog;
  info->Message = ServiceMessage;
  info->GetMsg = ServiceGetMsg;
  info->SaveScreen = ServiceSaveScreen;
  info->RestoreScreen = ServiceRestoreScreen;
  info->CmpName = ServiceCmpName;
  info->EditorControl = ServiceEditorControl;
  FARAPIUNUSED unused = ServiceUnused;
  info->Control = info->GetDirList = info->GetPluginDirList = info->FreeDirList = unused;
  info->Viewer = info->Editor = info->CharTable = info->Text = unused;
  info->ShowHelp = info->AdvControl = info->InputBox = unused;
  info->DialogEx = info->SendDlgMessage = info->DefDlgProc = unused;
}

}  // namespace host
