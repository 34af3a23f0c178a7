// The line scan over a generated 200,000-line C file in the host stand-in's
// editor (trace off), beside grep -c and grep -n on the same file with the
// same search. Prints lines per second and the ratio module / grep -n; the
// module's figure includes the host calls it makes for every line (cursor
// move, line read, conversion) and building the results menu.
// Run: tools/bench-scan.sh
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/platform.h"
#include "search/line_scan.h"
#include "search/pattern_search.h"
#include "settings/options.h"
#include "shell/editor_access.h"
#include "shell/plugin_api.h"

namespace {

const int kLines = 200000;
const int kRuns = 7;

// A C file of small functions: headers, braces, control statements, calls,
// comments; "counter" followed by a digit on about one line in forty.
std::vector<std::string> GenerateFile() {
  std::vector<std::string> lines;
  lines.reserve(kLines);
  unsigned seed = 12345;
  auto next = [&seed]() { return (seed = seed * 1103515245u + 12345u) >> 8; };
  int function = 0;
  while (int(lines.size()) < kLines) {
    char buffer[160];
    snprintf(buffer, sizeof buffer, "static int handle_event_%d(struct state *s, int value)",
             function++);
    lines.push_back(buffer);
    lines.push_back("{");
    int body = 6 + int(next() % 20);
    for (int i = 0; i < body && int(lines.size()) < kLines; ++i) {
      switch (next() % 8) {
        case 0: lines.push_back("  if (value > s->limit) return -1;"); break;
        case 1: lines.push_back("  /* keep the state consistent: see the notes above */"); break;
        case 2: lines.push_back(""); break;
        case 3:
          snprintf(buffer, sizeof buffer, "  s->Counter%u += value * %u;", next() % 10,
                   next() % 100);
          lines.push_back(buffer);
          break;
        case 4: lines.push_back("  for (int i = 0; i < s->count; ++i) s->items[i] = 0;"); break;
        case 5:
          if (next() % 5 == 0) {
            snprintf(buffer, sizeof buffer, "  s->counter%u = update_total(s, value);",
                     next() % 10);
            lines.push_back(buffer);
          } else {
            lines.push_back("  value = update_total(s, value);");
          }
          break;
        case 6: lines.push_back("  while (s->pending && !s->stopped) drain(s);"); break;
        default: lines.push_back("  log_message(\"event handled\", value);"); break;
      }
    }
    lines.push_back("}");
    lines.push_back("");
  }
  lines.resize(kLines);
  return lines;
}

double Seconds(std::chrono::steady_clock::time_point from) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
}

// Best wall time of a shell command over kRuns runs.
double TimeCommand(const std::string& command) {
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    auto start = std::chrono::steady_clock::now();
    int status = system(command.c_str());
    double t = Seconds(start);
    if (status == -1) return -1;
    best = std::min(best, t);
  }
  return best;
}

std::string CommandOutput(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[256];
  while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
  pclose(pipe);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

struct Case {
  const char* name;
  const char* text;  // as typed in the search dialog
  int caseSensitive, regExp, functions;
  const char* grepFlags;
  const char* grepPattern;
  bool cache;
};

// Best time of the module's scan over kRuns runs; *found gets the result count.
double TimeScan(host::Host& h, const Case& c) {
  settings.options.Case = c.caseSensitive;
  settings.options.RegExp = c.regExp;
  settings.options.CFunc = c.functions;
  settings.options.Lines = 1;
  settings.options.Before = settings.options.After = 0;
  SetPatternCacheEnabled(c.cache);
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    h.editor().SetCursor(0, 0, 0, 0);
    auto start = std::chrono::steady_clock::now();
    LineScan scan;
    PrepareLineScan(&scan);
    RunLineScan(&scan, c.text, GetEditorCursor());
    best = std::min(best, Seconds(start));
  }
  SetPatternCacheEnabled(true);
  return best;
}

// The host's share: the three calls a scan makes for every line and the
// copy of the line, with nothing searched. Best of kRuns runs.
double TimeHostFloor(host::Host& h) {
  const PluginStartupInfo* info = h.StartupInfo();
  std::vector<char> copy(1 << 16);
  double best = 1e9;
  for (int run = 0; run < kRuns; ++run) {
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kLines; ++i) {
      EditorSetPosition position = {i, -1, -1, -1, -1, -1};
      info->EditorControl(ECTL_SETPOSITION, &position);
      EditorGetString request = {};
      request.StringNumber = -1;
      info->EditorControl(ECTL_GETSTRING, &request);
      if (request.StringLength <= 0) continue;
      memcpy(copy.data(), request.StringText, size_t(request.StringLength));
      EditorConvertText convert = {copy.data(), request.StringLength};
      info->EditorControl(ECTL_EDITORTOOEM, &convert);
    }
    best = std::min(best, Seconds(start));
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  // An argument picks one case by its number (1-based), for profiling.
  const int only = argc > 1 ? atoi(argv[1]) : 0;
  std::vector<std::string> lines = GenerateFile();
  char path[] = "/tmp/skerrow-bench-XXXXXX.c";
  int fd = mkstemps(path, 2);
  if (fd < 0) return 1;
  FILE* file = fdopen(fd, "w");
  for (const std::string& line : lines) fprintf(file, "%s\n", line.c_str());
  fclose(file);

  host::HostOptions options;
  options.moduleDir = host::ProgramDir();
  options.trace = false;
  host::Host h(options);
  SetStartupInfo(h.StartupInfo());
  h.editor().SetText(lines);
  h.editor().SetFileName(path);
  settings.options.ZeroWarn = 0;
  // A C rule as a user might keep it: a header starts in column 0 with a
  // type and ends in the name and an opening parenthesis; lines that start
  // with a blank, a brace or a comment never are.
  strcpy(settings.rule.Match, "/^[A-Za-z_][\\w\\s\\*]*\\b(\\w+)\\s*\\(/");
  strcpy(settings.rule.Ignore, "/^[\\s{}\\/#]/");
  settings.rule.RegNum = 1;

  const Case cases[] = {
      {"plain, case-sensitive", "counter", 1, 0, 0, "-F", "counter", true},
      {"plain, case-sensitive, absent word", "qzxv", 1, 0, 0, "-F", "qzxv", true},
      {"plain, case-sensitive, most lines", "e", 1, 0, 0, "-F", "e", true},
      {"plain, case-insensitive", "counter", 0, 0, 0, "-F -i", "counter", true},
      {"pattern /i", "counter\\d", 0, 1, 0, "-E -i", "counter[0-9]", true},
      {"pattern /i + function column", "counter\\d", 0, 1, 1, "-E -i", "counter[0-9]", true},
      {"  same, compiled-pattern cache off", "counter\\d", 0, 1, 1, "-E -i", "counter[0-9]", false},
  };
  printf("%d lines, best of %d runs\n", kLines, kRuns);
  printf("%-36s %8s %9s %12s %9s %9s %8s\n", "search", "found", "module", "lines/s", "grep -c",
         "grep -n", "mod/-n");
  const double floor = TimeHostFloor(h);
  printf("%-36s %8s %7.2fms %12.0f\n", "host calls alone, nothing searched", "-", floor * 1e3,
         kLines / floor);
  int number = 0;
  for (const Case& c : cases) {
    if (only && ++number != only) continue;
    std::string grep = std::string("grep ") + c.grepFlags + " '" + c.grepPattern + "' " + path;
    double module = TimeScan(h, c);
    double grepCount = TimeCommand(grep + " -c >/dev/null");
    double grepLines = TimeCommand(grep + " -n >/dev/null");
    std::string grepFound = CommandOutput(grep + " -c");
    printf("%-36s %8s %7.2fms %12.0f %7.2fms %7.2fms %8.2f\n", c.name, grepFound.c_str(),
           module * 1e3, kLines / module, grepCount * 1e3, grepLines * 1e3, module / grepLines);
  }
  printf("(found: grep -c's count; grep times include starting the process)\n");
  unlink(path);
  return 0;
}
