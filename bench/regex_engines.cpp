// Compile time and match time per line of the pattern engine for typical
// search and rule patterns, beside PCRE2 and std::regex running the same
// patterns (written where their meanings agree on these lines). Figures
// only: nothing here asserts on time. The lines are real C source: the
// headers under /usr/include that Debian's packages installed (up to
// kMaxLines of them), or a few built-in lines where there are none.
// "ours_noprefilter" runs our engine with its prefilter off.
#include <benchmark/benchmark.h>
#include <dirent.h>

#include <fstream>
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "regex/pattern_object.h"

#ifdef SKERROW_HAVE_PCRE2
#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>
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
  RegisterAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
