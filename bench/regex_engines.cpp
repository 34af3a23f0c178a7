// Compile time and match time per line of the pattern engine for typical
// search and rule patterns, beside PCRE2 and std::regex running the same
// patterns (written where their meanings agree on these lines). Figures
// only: nothing here asserts on time. The lines are real C source: the
// headers under /usr/include that Debian's packages installed (up to
// kMaxLines of them), or a few built-in lines where there are none.
// "ours_noprefilter" runs our engine with its prefilter off.
//
// After them come two tables of its own timing: every shipped rule set's
// Match and Ignore on real source of that language (tests/data/corpus)
// beside PCRE2 without JIT running the same pattern (pcre_form.h), and the
// rows of the engine's speed goals. --tables runs only those tables.
// --once measures each figure of the tables in one pass; run so under
// callgrind (tools/bench-engines-callgrind.sh), every figure's loop is
// counted apart (a dump named set|rule|engine|lines), which a busy machine
// does not disturb.
#include <benchmark/benchmark.h>
#include <dirent.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "pcre_form.h"
#include "regex/pattern_object.h"

#ifdef SKERROW_HAVE_PCRE2
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
#endif

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_ZERO_STATS
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace {

struct PatternPair {
  const char* name;
  const char* ours;    // our envelope and syntax
  const char* common;  // the same for PCRE2 and std::regex (ECMAScript)
  bool ignoreCase;
};

const PatternPair kPatterns[] = {
    {"literal", "/return/", "return", false},
    {"literal_i", "/buffer/i", "buffer", true},
    {"function_rule", "/^[ \t]*[A-Za-z_]\\w*[ \t]+(\\w+)[ \t]*\\(/",
     "^[ \t]*[A-Za-z_]\\w*[ \t]+(\\w+)[ \t]*\\(", false},
    {"assignment", "/[A-Za-z_]\\w*[ \t]*=[^=]/", "[A-Za-z_]\\w*[ \t]*=[^=]", false},
    {"number_pair", "/(\\d+)\\.(\\d+)/", "(\\d+)\\.(\\d+)", false},
    {"alternatives", "/(if)|(while)|(for)/", "(if)|(while)|(for)", false},
    {"word_equals_number", "/\\b\\w+\\s*=\\s*\\d+/", "\\b\\w+[ \t]*=[ \t]*\\d+", false},
    {"number_suffix", "/\\d+[uU]?[lL]/", "\\d+[uU]?[lL]", false},
    // Shipped rule sets' Match patterns ("\\s" is a blank here).
    {"rule_c", "/^[\\w\t *]*\\b(\\w+)\\s*\\(/", "^[\\w\t *]*\\b(\\w+)[ \t]*\\(", false},
    {"rule_java", "/^([\\w\t .,<>?@\\[\\]]*\\s)?\\b(\\w+)\\s*\\(/",
     "^([\\w\t .,<>?@\\[\\]]*[ \t])?\\b(\\w+)[ \t]*\\(", false},
    {"rule_go", "/^func\\s*(\\([^)]*\\)\\s*)?(\\w+)\\s*[(\\[]/",
     "^func[ \t]*(\\([^)]*\\)[ \t]*)?(\\w+)[ \t]*[(\\[]", false},
    {"rule_html", "/<h[1-6](\\s[^>]*)?>\\s*(.*?)\\s*((<\\/h[1-6]\\s*>)|$)/i",
     "<h[1-6]([ \t][^>]*)?>[ \t]*(.*?)[ \t]*((</h[1-6][ \t]*>)|$)", true},
    // The function rule of bench_scan_lines.
    {"scan_function_rule", "/^[A-Za-z_][\\w\\s\\*]*\\b(\\w+)\\s*\\(/",
     "^[A-Za-z_][\\w \t\\*]*\\b(\\w+)[ \t]*\\(", false},
};

const size_t kMaxLines = 100000;

std::vector<std::string> SourceLines() {
  std::vector<std::string> lines;
  const char* dir = "/usr/include";
  DIR* folder = opendir(dir);
  if (!folder) return lines;
  std::vector<std::string> names;
  while (dirent* entry = readdir(folder)) {
    std::string name = entry->d_name;
    if (name.size() > 2 && name.compare(name.size() - 2, 2, ".h") == 0) names.push_back(name);
  }
  closedir(folder);
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    std::ifstream file(std::string(dir) + "/" + name);
    for (std::string line; lines.size() < kMaxLines && std::getline(file, line);)
      lines.push_back(line);
  }
  return lines;
}

const std::vector<std::string>& BuiltInLines() {
  static const std::vector<std::string> lines = {
      "static int ParseCount(const int* tokens, int from, int to) {",
      "  for (int i = from; i < to; ++i) {",
      "    if (tokens[i] < '0' || tokens[i] > '9') return -1;",
      "    value = value * 10 + (tokens[i] - '0');",
      "  }",
      "  return value;  // version 1.25 of the buffer format",
      "}",
      "",
      "void CopyBuffer(char* buffer, const char* text, int size) {",
      "  while (size-- > 0 && *text) *buffer++ = *text++;",
      "  *buffer = '\\0';",
      "}",
      "// The Buffer is released by the caller; see the notes of 2.5.",
      "int main(int argc, char** argv) { return Run(argc, argv); }",
      "        result = FindText(line, position, patternMode, group);",
      "    } else if (count == 0) {",
  };
  return lines;
}

const std::vector<std::string>& Lines() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> found = SourceLines();
    return found.empty() ? BuiltInLines() : found;
  }();
  return lines;
}

void Ours_Compile(benchmark::State& state, const PatternPair& p) {
  PatternObject object;
  for (auto _ : state) benchmark::DoNotOptimize(object.CompilePattern(p.ours));
}

void Ours_Match(benchmark::State& state, const PatternPair& p) {
  PatternObject object(p.ours);
  MatchGroups groups;
  if (state.range(0) == 0) object.SetPrefilterEnabled(false);
  size_t line = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(object.MatchText(Lines()[line].c_str(), &groups));
    line = (line + 1) % Lines().size();
  }
}

// The module compiles the pattern again for every line it tests.
void Ours_CompileAndMatch(benchmark::State& state, const PatternPair& p) {
  PatternObject object;
  MatchGroups groups;
  size_t line = 0;
  for (auto _ : state) {
    object.CompilePattern(p.ours);
    benchmark::DoNotOptimize(object.MatchText(Lines()[line].c_str(), &groups));
    line = (line + 1) % Lines().size();
  }
}

void StdRegex_Compile(benchmark::State& state, const PatternPair& p) {
  auto flags = std::regex::ECMAScript | (p.ignoreCase ? std::regex::icase : std::regex::ECMAScript);
  for (auto _ : state) {
    std::regex re(p.common, flags);
    benchmark::DoNotOptimize(re);
  }
}

void StdRegex_Match(benchmark::State& state, const PatternPair& p) {
  auto flags = std::regex::ECMAScript | (p.ignoreCase ? std::regex::icase : std::regex::ECMAScript);
  std::regex re(p.common, flags);
  std::cmatch match;
  size_t line = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::regex_search(Lines()[line].c_str(), match, re));
    line = (line + 1) % Lines().size();
  }
}

#ifdef SKERROW_HAVE_PCRE2
pcre2_code* PcreCompile(const PatternPair& p) {
  int error;
  PCRE2_SIZE offset;
  return pcre2_compile(reinterpret_cast<PCRE2_SPTR>(p.common), PCRE2_ZERO_TERMINATED,
                       p.ignoreCase ? PCRE2_CASELESS : 0, &error, &offset, nullptr);
}

void Pcre2_Compile(benchmark::State& state, const PatternPair& p) {
  for (auto _ : state) {
    pcre2_code* code = PcreCompile(p);
    benchmark::DoNotOptimize(code);
    pcre2_code_free(code);
  }
}

void Pcre2_Match(benchmark::State& state, const PatternPair& p) {
  pcre2_code* code = PcreCompile(p);
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  size_t line = 0;
  for (auto _ : state) {
    const std::string& text = Lines()[line];
    benchmark::DoNotOptimize(pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(text.data()),
                                         text.size(), 0, 0, data, nullptr));
    line = (line + 1) % Lines().size();
  }
  pcre2_match_data_free(data);
  pcre2_code_free(code);
}
#endif

// Best time per line, in nanoseconds, of `match` over all lines, best of
// tableRuns passes. Under callgrind the instructions of the first pass are
// dumped as `label`, with the number of lines after it.
int tableRuns = 5;

template <typename Match>
double NanosPerLine(const std::vector<std::string>& lines, const std::string& label, Match match) {
  const std::string dump = label + "|" + std::to_string(lines.size());
  double best = 1e30;
  for (int run = 0; run < tableRuns; ++run) {
    if (run == 0) CALLGRIND_ZERO_STATS;
    auto start = std::chrono::steady_clock::now();
    int found = 0;
    for (const std::string& line : lines) found += match(line) ? 1 : 0;
    benchmark::DoNotOptimize(found);
    double t = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (run == 0) CALLGRIND_DUMP_STATS_AT(dump.c_str());
    best = std::min(best, t);
  }
  return lines.empty() ? 0 : best * 1e9 / double(lines.size());
}

double OursPerLine(const char* pattern, const std::vector<std::string>& lines,
                   const std::string& label, bool keepAll = true) {
  PatternObject object(pattern);
  object.SetKeepAllEnabled(keepAll);
  MatchGroups groups;
  return NanosPerLine(lines, label + "|ours", [&](const std::string& line) {
    return object.MatchText(line.c_str(), &groups);
  });
}

#ifdef SKERROW_HAVE_PCRE2
// PCRE2 without JIT on the PCRE2 form of `pattern`; -1 when it does not
// compile there.
double PcrePerLine(const char* pattern, const std::vector<std::string>& lines,
                   const std::string& label) {
  PatternObject object(pattern);
  std::string form = pcre_form::Write(object);
  int error;
  PCRE2_SIZE offset;
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(form.c_str()), form.size(), 0,
                                   &error, &offset, nullptr);
  if (!code) return -1;
  pcre2_match_data* data = pcre2_match_data_create_from_pattern(code, nullptr);
  double nanos = NanosPerLine(lines, label + "|pcre2", [&](const std::string& line) {
    return pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(line.data()), line.size(), 0, 0, data,
                       nullptr) >= 0;
  });
  pcre2_match_data_free(data);
  pcre2_code_free(code);
  return nanos;
}
#else
double PcrePerLine(const char*, const std::vector<std::string>&, const std::string&) {
  return -1;
}
#endif

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

std::vector<std::string> SortedEntries(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* folder = opendir(dir.c_str())) {
    while (dirent* entry = readdir(folder))
      if (entry->d_name[0] != '.') names.push_back(entry->d_name);
    closedir(folder);
  }
  std::sort(names.begin(), names.end());
  return names;
}

// The value of "Name"="..." in a REGEDIT4 text, unescaped; empty when absent.
std::string RegString(const std::string& reg, const std::string& name) {
  size_t at = reg.find("\"" + name + "\"=\"");
  if (at == std::string::npos) return "";
  std::string value;
  for (size_t i = at + name.size() + 4; i < reg.size() && reg[i] != '"'; ++i) {
    if (reg[i] == '\\' && i + 1 < reg.size()) ++i;
    value += reg[i];
  }
  return value;
}

std::vector<std::string> CorpusLines(const std::string& dir) {
  std::vector<std::string> lines;
  for (const std::string& name : SortedEntries(dir)) {
    std::stringstream text(ReadFile(dir + "/" + name));
    for (std::string line; std::getline(text, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
  }
  return lines;
}

const double kRuleGoal = 1.5, kRuleMeanGoal = 1.0;

// Every shipped set's Match and Ignore on the corpus of its language.
void RuleTable(double* worst, double* mean) {
  const std::string root = SKERROW_SOURCE_DIR;
  printf("\nshipped rules on tests/data/corpus, ns per line, best of %d passes\n", tableRuns);
  printf("%-22s %-6s %6s %9s %9s %7s %5s\n", "set", "rule", "lines", "ours", "pcre2", "ratio",
         "goal");
  double sum = 0;
  int rows = 0;
  *worst = 0;
  for (const std::string& file : SortedEntries(root + "/data/rules/sets")) {
    std::string set = file.substr(0, file.size() - 4);
    std::vector<std::string> lines = CorpusLines(root + "/tests/data/corpus/" + set);
    if (lines.empty()) continue;
    std::string reg = ReadFile(root + "/data/rules/sets/" + file);
    for (const char* name : {"Match", "Ignore"}) {
      std::string pattern = RegString(reg, name);
      if (pattern.empty()) continue;
      std::string label = set + "|" + name;
      double ours = OursPerLine(pattern.c_str(), lines, label);
      double pcre = PcrePerLine(pattern.c_str(), lines, label);
      if (pcre <= 0) {
        printf("%-22.22s %-6s %6zu %9.1f %9s\n", set.c_str(), name, lines.size(), ours, "-");
        continue;
      }
      double ratio = ours / pcre;
      printf("%-22.22s %-6s %6zu %9.1f %9.1f %7.2f %5.1f\n", set.c_str(), name, lines.size(), ours,
             pcre, ratio, kRuleGoal);
      sum += ratio;
      ++rows;
      *worst = std::max(*worst, ratio);
    }
  }
  *mean = rows ? sum / rows : 0;
  printf("%d rules: worst %.2f (goal %.1f), mean %.2f (goal %.1f)\n", rows, *worst, kRuleGoal,
         *mean, kRuleMeanGoal);
}

// The engine's rows of the speed goals.
void GoalTable(double worstRule, double meanRule) {
  printf("\nengine goals\n");
  printf("%-52s %9s %9s %7s %6s\n", "case", "ours", "reference", "ratio", "goal");
  const PatternPair& rule = kPatterns[sizeof kPatterns / sizeof *kPatterns - 1];
  double ours = OursPerLine(rule.ours, Lines(), "goal|function rule");
  double pcre = PcrePerLine(rule.ours, Lines(), "goal|function rule");
  printf("%-52s %7.1fns %7.1fns %7.2f %6s\n",
         "function rule of the scan, per line, vs PCRE2 no JIT", ours, pcre,
         pcre > 0 ? ours / pcre : 0, "1.5");
  printf("%-52s %9s %9s %7.2f %6s\n", "every shipped rule vs PCRE2 no JIT, worst", "", "",
         worstRule, "1.5");
  printf("%-52s %9s %9s %7.2f %6s\n", "every shipped rule vs PCRE2 no JIT, mean", "", "", meanRule,
         "1.0");
  // One line that backs off over a literal at every step; the reference is
  // the same engine stepping back byte by byte through every repetition.
  std::vector<std::string> backOff = {std::string(200, 'a') + "cb"};
  double keeping = OursPerLine("/a*a*a*b/", backOff, "goal|a*a*a*b keeping");
  double stepping = OursPerLine("/a*a*a*b/", backOff, "goal|a*a*a*b stepping", false);
  printf("%-52s %7.2fms %7.2fms %7.2f %6s\n",
         "/a*a*a*b/ on 200 a + cb, vs backing off byte by byte", keeping / 1e6, stepping / 1e6,
         keeping / stepping, "");
  printf("(a back-off step against the engine before the speed work: see the README)\n");
}

void RegisterAll() {
  for (const PatternPair& p : kPatterns) {
    std::string name = p.name;
    benchmark::RegisterBenchmark(("compile/" + name + "/ours").c_str(), Ours_Compile, p);
#ifdef SKERROW_HAVE_PCRE2
    benchmark::RegisterBenchmark(("compile/" + name + "/pcre2").c_str(), Pcre2_Compile, p);
#endif
    benchmark::RegisterBenchmark(("compile/" + name + "/std_regex").c_str(), StdRegex_Compile, p);
    benchmark::RegisterBenchmark(("match_line/" + name + "/ours").c_str(), Ours_Match, p)->Arg(1);
    benchmark::RegisterBenchmark(("match_line/" + name + "/ours_noprefilter").c_str(), Ours_Match,
                                 p)
        ->Arg(0);
#ifdef SKERROW_HAVE_PCRE2
    benchmark::RegisterBenchmark(("match_line/" + name + "/pcre2").c_str(), Pcre2_Match, p);
#endif
    benchmark::RegisterBenchmark(("match_line/" + name + "/std_regex").c_str(), StdRegex_Match, p);
    benchmark::RegisterBenchmark(("compile_and_match/" + name + "/ours").c_str(),
                                 Ours_CompileAndMatch, p);
  }
}

}  // namespace

int main(int argc, char** argv) {
  bool tablesOnly = false;
  for (int i = 1; i < argc; ++i) {
    tablesOnly = tablesOnly || strcmp(argv[i], "--tables") == 0;
    if (strcmp(argv[i], "--once") == 0) tableRuns = 1;
  }
  if (!tablesOnly) {
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
  }
  double worst, mean;
  RuleTable(&worst, &mean);
  GoalTable(worst, mean);
  return 0;
}
