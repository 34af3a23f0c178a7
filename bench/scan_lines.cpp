// The line scan over a generated 200,000-line C file in the host stand-in's
// editor (trace off), beside grep -n on the same file with the same search,
// and a 1,000,000-line log in which every line is found. Then whole runs of
// skerrow-host (load, search, menu, exit) over logs of 250,000, 500,000 and
// 1,000,000 lines, every line found, beside grep -n. The module's figure
// includes the host calls it makes for every line (cursor move, line read,
// conversion) and building the results menu. grep writes to a file: with
// its output on /dev/null it stops at the first match.
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
const int kLogLines = 1000000;
const int kRuns = 7;
const int kHostRuns = 3;

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

// A log whose every line holds a blank: the worst case for the result list.
std::vector<std::string> GenerateLog(int count) {
  std::vector<std::string> lines;
  lines.reserve(size_t(count));
  char buffer[96];
  for (int i = 0; i < count; ++i) {
    snprintf(buffer, sizeof buffer, "2026-12-08 12:%02d:%02d event %d handled by worker %d",
             i / 60 % 60, i % 60, i, i % 16);
    lines.push_back(buffer);
  }
  return lines;
}

bool WriteLines(const std::string& path, const std::vector<std::string>& lines, size_t count) {
  FILE* file = fopen(path.c_str(), "w");
  if (!file) return false;
  for (size_t i = 0; i < count && i < lines.size(); ++i) fprintf(file, "%s\n", lines[i].c_str());
  return fclose(file) == 0;
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
  const char* goal;  // the ratio to grep -n aimed at, or ""
};
// Best time of the module's scan over `runs` runs; *found gets the result count.
double TimeScan(host::Host& h, const Case& c, int runs = kRuns) {
  settings.options.Case = c.caseSensitive;
  settings.options.RegExp = c.regExp;
  settings.options.CFunc = c.functions;
  settings.options.Lines = 1;
  settings.options.Before = settings.options.After = 0;
  SetPatternCacheEnabled(c.cache);
  double best = 1e9;
  for (int run = 0; run < runs; ++run) {
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

// grep over `path`, output to a scratch file; best of kRuns.
double TimeGrep(const Case& c, const std::string& path, const std::string& scratch) {
  std::string grep = std::string("grep -n ") + c.grepFlags + " '" + c.grepPattern + "' " + path;
  return TimeCommand(grep + " >" + scratch);
}

void PrintRow(const Case& c, const char* found, double module, int lines, double grepLines) {
  printf("%-36s %8s %9.2fms %11.0f %8.2fms %7.2f %6s\n", c.name, found, module * 1e3,
         lines / module, grepLines * 1e3, module / grepLines, c.goal);
}

std::string Found(const Case& c, const std::string& path) {
  std::string grep = std::string("grep -c ") + c.grepFlags + " '" + c.grepPattern + "' " + path;
  return CommandOutput(grep);
}

// Whole skerrow-host runs: load `path`, search for a blank with line
// numbers on, close the menu, quit. Best of kHostRuns.
double TimeHostRun(const std::string& path, const std::string& registry) {
  const std::string program = host::ProgramDir() + "/skerrow-host";
  double best = 1e9;
  for (int run = 0; run < kHostRuns; ++run) {
    FILE* reg = fopen(registry.c_str(), "w");
    if (!reg) return -1;
    fprintf(reg,
            "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Far\\Plugins\\SKERROW]\n"
            "\"PickWord\"=dword:00000000\n\"Lines\"=dword:00000001\n");
    fclose(reg);
    std::string command = program + " --registry " + registry +
                          " --keys 'F11 Enter \" \" Enter Esc' " + path + " >/dev/null";
    auto start = std::chrono::steady_clock::now();
    int status = system(command.c_str());
    double t = Seconds(start);
    if (status != 0) return -1;
    best = std::min(best, t);
  }
  return best;
}

void RunHostTable(const std::vector<std::string>& log, const std::string& scratch) {
  printf("\nwhole skerrow-host runs, every line found (search for a blank), best of %d\n",
         kHostRuns);
  printf("%-10s %10s %10s %10s %8s\n", "lines", "host run", "per line", "grep -n", "ratio");
  const char* logPath = "/tmp/skerrow-bench-log.txt";
  const std::string registry = scratch + ".reg";
  for (int lines : {250000, 500000, 1000000}) {
    if (!WriteLines(logPath, log, size_t(lines))) return;
    double run = TimeHostRun(logPath, registry);
    double grep = TimeCommand(std::string("grep -n ' ' ") + logPath + " >" + scratch);
    if (run < 0) {
      printf("%-10d the host run failed\n", lines);
      continue;
    }
    printf("%-10d %8.0fms %8.2fus %8.2fms %8.1f\n", lines, run * 1e3, run * 1e6 / lines, grep * 1e3,
           run / grep);
  }
  printf(
      "(goal: 1,000,000 lines under 1.5 s and at most 2 times grep -n, the time per line "
      "flat)\n");
  unlink(logPath);
  unlink(registry.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  // An argument picks one case by its number (1-based), for profiling.
  const int only = argc > 1 ? atoi(argv[1]) : 0;
  std::vector<std::string> lines = GenerateFile();
  char path[] = "/tmp/skerrow-bench-XXXXXX.c";
  int fd = mkstemps(path, 2);
  if (fd < 0) return 1;
  close(fd);
  if (!WriteLines(path, lines, lines.size())) return 1;
  const std::string scratch = std::string(path) + ".out";

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
      {"plain, case-sensitive", "counter", 1, 0, 0, "-F", "counter", true, "1.0"},
      {"plain, case-sensitive, absent word", "qzxv", 1, 0, 0, "-F", "qzxv", true, ""},
      {"plain, most lines", "e", 1, 0, 0, "-F", "e", true, "1.5"},
      {"plain, case-insensitive", "counter", 0, 0, 0, "-F -i", "counter", true, "1.5"},
      {"pattern /i", "counter\\d", 0, 1, 0, "-E -i", "counter[0-9]", true, "1.5"},
      {"pattern /i + function column", "counter\\d", 0, 1, 1, "-E -i", "counter[0-9]", true, "1.8"},
      {"  same, compiled-pattern cache off", "counter\\d", 0, 1, 1, "-E -i", "counter[0-9]", false,
       ""},
  };
  printf("%d-line C file, best of %d runs, in process\n", kLines, kRuns);
  printf("%-36s %8s %11s %11s %10s %7s %6s\n", "search", "found", "module", "lines/s", "grep -n",
         "ratio", "goal");
  const double floor = TimeHostFloor(h);
  printf("%-36s %8s %9.2fms %11.0f\n", "host calls alone, nothing searched", "-", floor * 1e3,
         kLines / floor);
  int number = 0;
  double patternScan = 0, withColumn = 0;
  for (const Case& c : cases) {
    ++number;
    if (only && number != only) continue;
    double module = TimeScan(h, c);
    double grepLines = TimeGrep(c, path, scratch);
    PrintRow(c, Found(c, path).c_str(), module, kLines, grepLines);
    if (number == 5) patternScan = module;
    if (number == 6) withColumn = module;
  }
  if (patternScan > 0 && withColumn > 0)
    printf("%-36s %+8.0f%% %29s %6s\n", "function column, against /i alone",
           (withColumn / patternScan - 1) * 100, "", "+30%");
  unlink(path);

  // The 1,000,000-line row: every line found, so the result list and the
  // menu carry the weight.
  std::vector<std::string> log = GenerateLog(kLogLines);
  const char* logPath = "/tmp/skerrow-bench-log.txt";
  if (!only && WriteLines(logPath, log, log.size())) {
    h.editor().SetText(log);
    h.editor().SetFileName(logPath);
    const Case every = {"plain, 1,000,000 lines, all found", " ", 1, 0, 0, "-F", " ", true, ""};
    double module = TimeScan(h, every, kHostRuns);
    PrintRow(every, Found(every, logPath).c_str(), module, kLogLines,
             TimeGrep(every, logPath, scratch));
    unlink(logPath);
  }
  printf("(found: grep -c's count; grep times include starting the process)\n");
  if (!only) RunHostTable(log, scratch);
  unlink(scratch.c_str());
  return 0;
}
