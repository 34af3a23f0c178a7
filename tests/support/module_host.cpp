#include "support/module_host.h"

#include "host/platform.h"
#include "search/pattern_search.h"
#include "settings/options.h"
#include "shell/host_info.h"
#include "shell/plugin_api.h"
#include "shell/win_api.h"

namespace support {

namespace {

const Settings kDefaultSettings = {{1, 1, 0, 0, 0, 1, 0, 0, 0}, {1, "", ""}};

}  // namespace

host::HostOptions ModuleHostOptions() {
  host::HostOptions options;
  options.moduleDir = host::ProgramDir();
  return options;
}

void ModuleTest::SetUp() {
  host_.reset(new host::Host(HostOptionsForTest()));
  SetStartupInfo(host_->StartupInfo());
  settings = kDefaultSettings;
  badPatternShown = 0;
  host_->ClearTrace();
}

void ModuleTest::TearDown() {
  FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
  host_.reset();
}

void ModuleTest::SetLines(const std::vector<std::string>& lines) {
  editor().SetText(lines);
  editor().SetCursor(0, 0);
}

std::vector<Call> ModuleTest::Calls(const std::string& service, const std::string& command) const {
  std::vector<Call> calls;
  for (const std::string& line : host_->Trace()) {
    Call call(line);
    if (call.Service() != service) continue;
    if (!command.empty() && call.Text("command") != command) continue;
    calls.push_back(call);
  }
  return calls;
}

std::string ModuleTest::Msg(int id) const {
  return GetMsg(id);
}

std::string ModuleTest::Msg(int id, const char* text) const {
  char buffer[1024];
  wsprintfA(buffer, GetMsg(id), text);
  return buffer;
}

std::string ModuleTest::Msg(int id, int number) const {
  char buffer[1024];
  wsprintfA(buffer, GetMsg(id), number);
  return buffer;
}

unsigned ModuleTest::PendingConsoleInput() const {
  DWORD pending = 0;
  GetNumberOfConsoleInputEvents(GetStdHandle(STD_INPUT_HANDLE), &pending);
  return pending;
}

}  // namespace support
