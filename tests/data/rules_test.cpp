// The shipped rule sets (data/rules/sets/*.reg, one set per fragment) against
// their samples (tests/data/rules/<folder>/: a sample file and expected.txt,
// format in tests/data/rules/README.md), through the module itself: the
// fragments are imported with the .reg reader below a scratch PluginKey, the
// set is chosen by ChooseRuleForFile for the sample's file name (so the masks
// are checked by the host's CmpName), and the sample is scanned by the real
// line scan in the host stand-in's editor with RegExp and CFunc on and a
// pattern that finds every non-empty line; the function column of the results
// menu is compared with the table. Prints "rules: <Set> <hits>/<lines> (<pct>%)"
// per set and fails on any wrong name. tools/check-rules.py is the same check
// through skerrow-regex, for people writing rules.
#include <gtest/gtest.h>

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/data_files.h"
#include "regex/pattern_object.h"
#include "regfile/reg_file.h"
#include "search/line_scan.h"
#include "settings/options.h"
#include "settings/registry_fixture.h"
#include "settings/registry_store.h"
#include "settings/rule_set_key.h"
#include "settings/rule_sets.h"
#include "shell/editor_access.h"
#include "shell/win_api.h"
#include "support/module_host.h"

namespace {

const char kScratchRoot[] = "Software\\SkerrowTests\\rules";
const std::string kShippedKey = "HKEY_CURRENT_USER\\Software\\Far\\Plugins\\SKERROW\\Extensions\\";
const char kColumnBar = '\xB3';
const int kMinSampleLines = 150;
const int kWrongLinesShown = 10;  // per set; the rest is counted

std::string SourcePath(const std::string& relative) {
  return std::string(SKERROW_SOURCE_DIR) + "/" + relative;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Lines split at "\n"; a final "\n" ends the last line rather than starting one.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::vector<std::string> Entries(const std::string& dir, bool folders) {
  std::vector<std::string> paths;
  std::error_code error;
  std::filesystem::directory_iterator it(dir, error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (it->is_directory() == folders) paths.push_back(it->path().generic_string());
  }
  std::sort(paths.begin(), paths.end(), [](const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
      return tolower(static_cast<unsigned char>(x)) < tolower(static_cast<unsigned char>(y));
    });
  });
  return paths;
}

std::string BaseName(const std::string& path) {
  return path.substr(path.find_last_of('/') + 1);
}

struct Fragment {
  std::string file;  // data/rules/sets/<name>.reg
  std::string text;
  std::string name;  // the set name, from the key
};

std::vector<Fragment> ReadFragments() {
  std::vector<Fragment> fragments;
  for (const std::string& path : Entries(SourcePath("data/rules/sets"), false)) {
    if (path.size() < 4 || path.compare(path.size() - 4, 4, ".reg") != 0) continue;
    Fragment f;
    f.file = path;
    f.text = ReadAll(path);
    size_t key = f.text.find("[" + kShippedKey);
    size_t close = key == std::string::npos ? key : f.text.find(']', key);
    if (close != std::string::npos) {
      size_t from = key + 1 + kShippedKey.size();
      f.name = f.text.substr(from, close - from);
    }
    fragments.push_back(f);
  }
  return fragments;
}

struct Sample {
  std::string folder;
  std::string fileName;
  std::vector<std::string> lines;
  std::vector<std::string> expected;  // one name per line
  std::string problem;                // why the sample cannot be checked
};

Sample ReadSample(const std::string& folder) {
  Sample s;
  s.folder = BaseName(folder);
  for (const std::string& path : Entries(folder, false)) {
    if (BaseName(path) == "expected.txt") continue;
    if (!s.fileName.empty()) s.problem = "more than one sample file";
    s.fileName = BaseName(path);
  }
  if (s.fileName.empty()) {
    s.problem = "no sample file";
    return s;
  }
  std::string text = ReadAll(folder + "/" + s.fileName);
  if (text.find('\r') != std::string::npos) s.problem = "CR in the sample: use LF line ends";
  s.lines = SplitLines(text);
  std::vector<std::string> rows = SplitLines(ReadAll(folder + "/expected.txt"));
  for (size_t i = 0; i < rows.size(); ++i) {
    std::string number = std::to_string(i + 1) + "\t";
    if (rows[i].compare(0, number.size(), number) != 0) {
      s.problem = "expected.txt row " + std::to_string(i + 1) + " is not \"N<TAB>name\"";
      break;
    }
    s.expected.push_back(rows[i].substr(number.size()));
  }
  if (s.problem.empty() && s.expected.size() != s.lines.size())
    s.problem = "expected.txt has " + std::to_string(s.expected.size()) + " rows for " +
                std::to_string(s.lines.size()) + " lines";
  for (size_t i = 0; s.problem.empty() && i < s.lines.size(); ++i) {
    if (data_files::FirstNonOemByte(s.lines[i]) >= 0)
      s.problem = "line " + std::to_string(i + 1) + " is not code page 866 text";
  }
  if (s.problem.empty() && static_cast<int>(s.lines.size()) < kMinSampleLines)
    s.problem = "fewer than " + std::to_string(kMinSampleLines) + " lines";
  return s;
}

using settings_test::DeleteTree;

// The shipped rules imported below a PluginKey of the test's own, so the
// registry of a Wine prefix is left as it was found.
class RulesTest : public support::ModuleTest {
 protected:
  host::HostOptions HostOptionsForTest() override {
    host::HostOptions options = support::ModuleHostOptions();
    options.rootKey = kScratchRoot;
    return options;
  }

  void SetUp() override {
    DeleteTree(kScratchRoot);
    support::ModuleTest::SetUp();
    fragments = ReadFragments();
    const std::string scratchKey =
        std::string("HKEY_CURRENT_USER\\") + kScratchRoot + "\\SKERROW\\Extensions\\";
    for (const Fragment& f : fragments) {
      std::string text = f.text;
      size_t key = text.find(kShippedKey);
      if (key != std::string::npos) text.replace(key, kShippedKey.size(), scratchKey);
      std::string error;
      EXPECT_TRUE(regfile::ImportRegText(text, &error)) << f.file << ": " << error;
    }
  }

  void TearDown() override {
    support::ModuleTest::TearDown();
    DeleteTree(kScratchRoot);
  }

  // The set ChooseRuleForFile makes active for `fileName` (as the editor
  // hands over a full path), or "" when none applies.
  std::string ChooseSet(const std::string& fileName) {
    std::string path = "C:\\work\\project\\" + fileName;
    char name[kRuleTextSize];
    ChooseRuleForFile(&settings, path.c_str(), name);
    bool applies = settings.rule.Match[0] != 0 || settings.rule.RegNum != 0;
    return applies ? name : "";
  }

  // Scans the whole editor text with the active rule; the function column of
  // each results-menu entry, by 0-based line.
  std::map<int, std::string> ScanFunctionColumn() {
    settings.options.RegExp = 1;
    settings.options.CFunc = 1;
    settings.options.Lines = 1;
    settings.options.Case = 0;
    settings.options.Before = 0;
    settings.options.After = 0;
    settings.options.ZeroWarn = 0;
    // The release of the Esc that closed the last sample's menu: the host's
    // editor reads it before a new command, and a scan would take it for Esc.
    FlushConsoleInputBuffer(GetStdHandle(STD_INPUT_HANDLE));
    EXPECT_TRUE(host().QueueKeys("Esc"));  // closes the results menu
    ClearCalls();
    LineScan scan;
    PrepareLineScan(&scan);
    RunLineScan(&scan, "^", GetEditorCursor());  // every line that is examined is found
    std::map<int, std::string> columns;
    std::vector<support::Call> menus = Calls("Menu");
    EXPECT_EQ(menus.size(), 1u);
    if (menus.empty()) return columns;
    for (const std::string& entry : menus.back().Items()) {
      size_t first = entry.find(kColumnBar);
      size_t second = first == std::string::npos ? first : entry.find(kColumnBar, first + 1);
      if (second == std::string::npos) {
        ADD_FAILURE() << "entry without a function column: " << entry;
        continue;
      }
      std::string function = entry.substr(first + 1, second - first - 1);
      function.erase(function.find_last_not_of(' ') + 1);  // the column's padding
      columns[atoi(entry.c_str()) - 1] = function;
    }
    return columns;
  }

  std::vector<Fragment> fragments;
};

}  // namespace

TEST_F(RulesTest, EveryFragmentHoldsOneSoundRuleSet) {
  ASSERT_FALSE(fragments.empty());
  for (const Fragment& f : fragments) {
    SCOPED_TRACE(f.file);
    EXPECT_TRUE(f.text.compare(0, 12, "REGEDIT4\r\n\r\n") == 0 ||
                f.text.compare(0, 10, "REGEDIT4\n\n") == 0)
        << "header line and blank line";
    EXPECT_FALSE(f.name.empty()) << "no key below " << kShippedKey;
    EXPECT_EQ(BaseName(f.file), f.name + ".reg") << "file named after its set";
    std::vector<regfile::RegOperation> operations;
    std::string error;
    ASSERT_TRUE(regfile::ParseRegText(f.text, &operations, &error)) << error;
    std::map<std::string, const regfile::RegOperation*> values;
    for (const regfile::RegOperation& op : operations) {
      EXPECT_EQ(op.keyPath, "Software\\Far\\Plugins\\SKERROW\\Extensions\\" + f.name);
      if (op.kind == regfile::RegOperation::SetValue) values[op.valueName] = &op;
    }
    ASSERT_EQ(values.size(), 4u) << "Mask, Match, Ignore and RegNum, nothing else";
    std::string texts[3];
    const char* names[3] = {"Mask", "Match", "Ignore"};
    for (int i = 0; i < 3; ++i) {
      ASSERT_TRUE(values.count(names[i])) << names[i];
      const regfile::RegOperation& op = *values[names[i]];
      EXPECT_EQ(op.type, static_cast<DWORD>(REG_SZ)) << names[i];
      texts[i] = std::string(op.data.begin(), op.data.end());
      texts[i] = texts[i].c_str();  // without the terminator
      EXPECT_LT(texts[i].size(), static_cast<size_t>(kRuleTextSize)) << names[i];
    }
    ASSERT_TRUE(values.count("RegNum"));
    const regfile::RegOperation& regNum = *values["RegNum"];
    ASSERT_EQ(regNum.type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(regNum.data.size(), 4u);
    int group = regNum.data[0] | regNum.data[1] << 8 | regNum.data[2] << 16 | regNum.data[3] << 24;

    EXPECT_FALSE(texts[0].empty()) << "a set without masks applies to no file";
    PatternObject match;
    EXPECT_TRUE(match.CompilePattern(texts[1].c_str())) << "Match " << texts[1];
    EXPECT_GT(match.GroupCount(), group) << "RegNum names no group of Match";
    EXPECT_GE(group, 0);
    if (!texts[2].empty()) {
      PatternObject ignore;
      EXPECT_TRUE(ignore.CompilePattern(texts[2].c_str())) << "Ignore " << texts[2];
    }
  }
}

// Registry order decides between sets whose masks overlap, so an extension
// given by two sets silently belongs to the first: every "*.ext" item must
// choose its own set.
TEST_F(RulesTest, EveryExtensionMaskChoosesItsOwnSet) {
  for (const Fragment& f : fragments) {
    SCOPED_TRACE(f.file);
    char subPath[kSubPathSize];
    ASSERT_TRUE(RuleSetSubPath(subPath, f.name.c_str()));
    char mask[kRuleTextSize];
    ReadString(HKEY_CURRENT_USER, subPath, "Mask", mask, "", sizeof mask);
    std::string list = mask;
    size_t start = 0;
    while (start <= list.size()) {
      size_t comma = list.find(',', start);
      if (comma == std::string::npos) comma = list.size();
      std::string item = list.substr(start, comma - start);
      start = comma + 1;
      if (item.compare(0, 2, "*.") != 0 || item.find_first_of("*?[", 2) != std::string::npos)
        continue;
      EXPECT_EQ(ChooseSet("sample" + item.substr(1)), f.name) << "mask item " << item;
    }
  }
}

TEST_F(RulesTest, EverySampleLineCarriesItsExpectedName) {
  std::set<std::string> claimed;
  int checked = 0;
  for (const std::string& folder : Entries(SourcePath("tests/data/rules"), true)) {
    Sample sample = ReadSample(folder);
    SCOPED_TRACE(sample.folder + "/" + sample.fileName);
    if (!sample.problem.empty()) {
      ADD_FAILURE() << sample.problem;
      continue;
    }
    std::string set = ChooseSet(sample.fileName);
    if (set.empty()) {
      ADD_FAILURE() << "no rule set claims this file name";
      continue;
    }
    EXPECT_TRUE(claimed.insert(set).second) << "set " << set << " has a second sample";

    SetLines(sample.lines);
    std::map<int, std::string> found = ScanFunctionColumn();
    int lines = 0, hits = 0, shown = 0;
    for (int i = 0; i < static_cast<int>(sample.lines.size()); ++i) {
      if (sample.lines[i].empty()) {
        EXPECT_EQ(found.count(i), 0u) << "empty line " << i + 1 << " was found";
        continue;
      }
      ++lines;
      auto it = found.find(i);
      std::string got = it == found.end() ? "(line not found)" : it->second;
      if (got == sample.expected[i]) {
        ++hits;
      } else if (shown++ < kWrongLinesShown) {
        ADD_FAILURE() << "line " << i + 1 << ": expected \"" << sample.expected[i] << "\", got \""
                      << got << "\"    | " << sample.lines[i];
      }
    }
    if (shown > kWrongLinesShown) ADD_FAILURE() << shown - kWrongLinesShown << " more wrong lines";
    printf("rules: %s %d/%d (%.1f%%)\n", set.c_str(), hits, lines,
           lines ? 100.0 * hits / lines : 0.0);
    ++checked;
  }
  EXPECT_GT(checked, 0);
  for (const Fragment& f : fragments)
    EXPECT_TRUE(claimed.count(f.name)) << f.name << " has no sample";
}
