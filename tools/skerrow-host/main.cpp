// skerrow-host: the host stand-in as a program. Loads the module beside it
// (or --module), opens FILE in the editor and either runs a key script and
// prints the screen, or runs interactively in the terminal.
#include <stdio.h>

#include <string>

#include "command_line.h"
#include "host/code_pages.h"
#include "host/host.h"
#include "host/host_state.h"
#include "host/platform.h"
#include "host/plugin_session.h"
#include "registry_file.h"
#include "terminal.h"

namespace {

int Fail(const std::string& message) {
  fprintf(stderr, "skerrow-host: %s\n", message.c_str());
  return 2;
}

// Screen rows without their trailing blanks.
void PrintScreen(const char* heading, const std::string& screen) {
  printf("%s\n", heading);
  size_t pos = 0;
  while (pos < screen.size()) {
    size_t end = screen.find('\n', pos);
    if (end == std::string::npos) end = screen.size();
    size_t stop = end;
    while (stop > pos && screen[stop - 1] == ' ') --stop;
    printf("%.*s\n", static_cast<int>(stop - pos), screen.c_str() + pos);
    pos = end + 1;
  }
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

bool WriteTrace(const std::string& path, const std::vector<std::string>& lines,
                std::string* error) {
  FILE* f = fopen(path.c_str(), "wb");
  if (!f) {
    *error = "cannot write " + path;
    return false;
  }
  for (const std::string& line : lines) fprintf(f, "%s\n", line.c_str());
  bool ok = fclose(f) == 0;
  if (!ok) *error = "cannot write " + path;
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  HostCommandLine line;
  std::string error;
  bool help = false;
  if (!ParseCommandLine(argc, argv, &line, &error, &help)) {
    if (help) {
      fputs(Usage(), stdout);
      return 0;
    }
    fprintf(stderr, "skerrow-host: %s\n%s", error.c_str(), Usage());
    return 2;
  }
  bool interactive = !line.scripted;
  if (interactive && !StdinIsTerminal())
    return Fail("standard input is not a terminal: give --keys or --script");
  // Made before the host and the module, so that it ends after them.
  RegistryBranchScope branch;
  if (!line.registryFile.empty() && !LoadRegistryFile(line.registryFile, &error))
    return Fail(error);
  if (!line.importFile.empty() && !ImportRegistryFile(line.importFile, &error)) return Fail(error);

  std::string modulePath =
      line.modulePath.empty() ? host::DefaultModulePath(host::ProgramDir()) : line.modulePath;
  host::HostOptions options;
  options.columns = line.columns;
  options.rows = line.rows;
  options.language = line.language;
  options.moduleDir = DirectoryOf(modulePath);
  options.modulePath = host::FullPath(modulePath);
  options.trace = !line.traceFile.empty();
  options.traceGetMsg = line.traceGetMsg;
  options.historyInRegistry = true;
  host::Host h(options);
  host::HostState& state = h.state();
  state.reportKeyTimes = line.keyTimes;

  if (!line.file.empty()) {
    h.editor().SetAnsi(line.ansiTable);
    if (!h.editor().LoadFile(line.file, line.encoding, &error)) return Fail(error);
    h.editor().SetAnsi(line.ansiTable);
    h.editor().SetFileName(host::PathForEditor(host::FullPath(line.file)));
    if (h.editor().UnmappedChars() > 0)
      fprintf(stderr,
              "skerrow-host: %d characters of %s have no form in code page %s; shown as '?'\n",
              h.editor().UnmappedChars(), line.file.c_str(), line.ansiTable ? "1251" : "866");
  }
  if (line.cursorLine >= 0) h.editor().SetCursor(line.cursorLine, line.cursorPos);
  if (!h.QueueKeys(line.keys, &error)) return Fail("script: " + error);

  host::PluginSession session(h);
  if (!session.Load(modulePath, &error)) return Fail(error);

  int snapNumber = 0;
  if (interactive) {
    if (!EnterTerminal(&error)) return Fail(error);
    state.keySource = ReadTerminalKey;
    state.keyPoll = PollTerminalKey;
    state.present = [&state]() { PresentScreen(state.screen); };
    session.RunEditor();
    LeaveTerminal();
  } else {
    state.onSnap = [&snapNumber](const std::string& screen) {
      PrintScreen(("--- snap " + std::to_string(++snapNumber)).c_str(), screen);
    };
    session.RunEditor();
    PrintScreen("--- screen", h.ScriptEndedInModal() ? state.screenAtEnd : h.ScreenText());
    const host::Editor& e = h.editor();
    printf("cursor %d %d %d %d\n", e.CurLine(), e.CurPos(), e.TopScreenLine(), e.LeftPos());
    if (h.ScriptEndedInModal()) printf("script ended while a modal was open\n");
  }
  fflush(stdout);
  session.Unload();

  int status = h.ScriptEndedInModal() ? 1 : 0;
  if (h.FrozenMenuItems()) {
    fprintf(stderr, "skerrow-host: a menu of %d items would freeze the real host for minutes\n",
            h.FrozenMenuItems());
    status = 3;
  }
  if (!line.traceFile.empty() && !WriteTrace(line.traceFile, h.Trace(), &error))
    status = Fail(error);
  if (!line.registryFile.empty() && !SaveRegistryFile(line.registryFile, &error))
    status = Fail(error);
  return status;
}
