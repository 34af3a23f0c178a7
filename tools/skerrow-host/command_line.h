// The options of skerrow-host; see Usage() in command_line.cpp.
#pragma once

#include <string>

struct HostCommandLine {
  std::string file;
  std::string keys;  // from --keys and --script, in the order given
  bool scripted = false;
  int cursorLine = -1, cursorPos = -1;
  std::string language = "English";
  std::string encoding = "utf8";
  bool ansiTable = true;  // a new file opens in the ANSI table, as in the host
  int columns = 80, rows = 25;
  std::string registryFile;  // loaded at start, saved at exit
  std::string importFile;    // merged at start
  std::string traceFile;
  std::string modulePath;
  bool traceGetMsg = false;
  bool keyTimes = false;  // say on stderr how long the module took after a timed key
};

// False with *error (or the usage text for --help, with *help set).
bool ParseCommandLine(int argc, char** argv, HostCommandLine* line, std::string* error, bool* help);
const char* Usage();
