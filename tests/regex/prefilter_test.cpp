// The prefilter must change nothing but speed: every case runs with it on
// and off, and the result and every register must agree. Cases come from
// the fuzz corpus and from random patterns and texts (fixed seed). The same
// cases compare repetitions that skip the tries of a rest that cannot start
// and keep all they took (give_back.h) with repetitions that try the rest
// at every step and back off byte by byte.
#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <random>
#include <sstream>
#include <vector>

#include "regex/char_set.h"
#include "regex_test_support.h"

namespace {

const unsigned long kSteps = 20000;  // matching time is not polynomial

std::string Outcome(PatternObject& object, const std::string& text, int anchoring, size_t start) {
  MatchGroups groups;
  const char* base = text.data();
  if (!object.MatchRange(base + start, base, base + text.size(), &groups, anchoring))
    return object.GaveUp() ? "gave up" : "0";
  return Registers(groups);
}

void CompareCompiled(PatternObject& on, PatternObject& off, const std::string& text);

bool IsLazyKind(int kind) {
  return kind == NodeLazyStar || kind == NodeLazyPlus || kind == NodeLazyOptional ||
         kind == NodeLazyAtLeast || kind == NodeLazyBetween;
}

// Repetitions that keep all they took, lazy ones that know where their
// rest can start, and all that know it.
void CountShortcuts(const PatternNode* root, int* keeping, int* lazy, int* knowing) {
  ForEachNode(root, [&](const PatternNode* node) {
    *keeping += node->keepsAll ? 1 : 0;
    *lazy += node->rest && IsLazyKind(node->kind) ? 1 : 0;
    *knowing += node->rest ? 1 : 0;
  });
}

// How many compared patterns exercised each shortcut.
int patternsKeepingAll = 0;
int patternsSkippingLazily = 0;

// Compares on and off for one pattern over some texts, several ways in.
void Compare(const std::string& pattern, const std::vector<std::string>& texts) {
  PatternObject on(pattern.c_str()), off(pattern.c_str()), backingOff(pattern.c_str());
  if (!on.IsPatternValid()) return;
  on.SetStepLimit(kSteps);
  off.SetStepLimit(kSteps);
  off.SetPrefilterEnabled(false);
  backingOff.SetStepLimit(kSteps);
  backingOff.SetKeepAllEnabled(false);
  SCOPED_TRACE(pattern);
  for (const std::string& text : texts) CompareCompiled(on, off, text);
  int keeping = 0, lazy = 0, knowing = 0;
  CountShortcuts(on.Root(), &keeping, &lazy, &knowing);
  patternsKeepingAll += keeping ? 1 : 0;
  patternsSkippingLazily += lazy ? 1 : 0;
  if (!knowing) return;
  for (const std::string& text : texts) CompareCompiled(on, backingOff, text);
}

void Compare(const std::string& pattern, const std::string& text) {
  Compare(pattern, std::vector<std::string>{text});
}

// Skipping start positions saves steps, so a run at the step limit may end
// where the other does not: such a pair has nothing to compare.
void ExpectSameOutcome(const std::string& on, const std::string& off, const std::string& text) {
  if (on == "gave up" || off == "gave up") return;
  EXPECT_EQ(on, off) << text;
}

void CompareCompiled(PatternObject& on, PatternObject& off, const std::string& text) {
  ExpectSameOutcome(Outcome(on, text, 0, 0), Outcome(off, text, 0, 0), text);
  ExpectSameOutcome(Outcome(on, text, 1, text.size() / 2), Outcome(off, text, 1, text.size() / 2),
                    text);
  std::string line = text.c_str();
  MatchGroups a, b;
  bool may = on.MayMatchText(line.c_str());
  bool foundOn = on.MatchText(line.c_str(), &a), foundOff = off.MatchText(line.c_str(), &b);
  if (!may) {
    EXPECT_FALSE(foundOn || foundOff) << "rejected first, yet matched: " << text;
  }
  if (on.GaveUp() || off.GaveUp()) return;
  EXPECT_EQ(foundOn, foundOff) << text;
  if (foundOn && foundOff) {
    EXPECT_EQ(Registers(a), Registers(b)) << text;
  }
}

std::string RandomPiece(std::mt19937& random, const char* const* pieces, size_t count) {
  return pieces[random() % count];
}

}  // namespace

TEST(Prefilter, RequiresOnlyWhatEveryMatchTests) {
  const MatchCase cases[] = {
      {"/abc/", "xabcx", "1 1 4"},
      {"/abc/", "xabx", "0"},
      {"/a|bc/", "bc", "1 0 2"},
      {"/a|b/", "a", "1 0 1"},  // the last alternative
      {"/x(y)?z/", "xz", "1 0 2 -1 -1"},
      {"/a+ab/", "ab", "1 0 2"},
      {"/a{0,2}b/", "b", "1 0 1"},
      {"/q(u)?=/", "qu", "1 0 1 1 2"},
      {"/q(u)?!/", "q", "1 0 1 -1 -1"},
      {"/b(a)?#2/", "ab", "1 1 2 0 1"},
      {"/ABC/i", "xabc", "1 1 4"},
      {"/\x90/i", "\xE0", "1 0 1"},
      {"/((ab)|(cd))e/", "cde", "1 0 3 0 2 -1 -1 0 2"},
      // Past the start of the text only the second member can start.
      {"/(^a)|(<b)/", "x<b a", "1 1 3 -1 -1 1 3"},
      {"/(^a)|(<b)/", "ab", "1 0 1 0 1 -1 -1"},
      {"/(^\\s*\\mx)|(<h\\M)/", " x<h", "1 1 2 0 2 -1 -1"},
      {"/(^\\s*\\mx)|(<h\\M)/", "y <h", "1 2 4 -1 -1 2 4"},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.pattern);
    EXPECT_EQ(RunMatch(c.pattern, c.text), c.expected);
    Compare(c.pattern, c.text);
  }
}

TEST(Prefilter, OnAndOffAgreeOverTheFuzzCorpus) {
  std::string dir = std::string(SKERROW_SOURCE_DIR) + "/fuzz/corpus/regex_match";
  DIR* folder = opendir(dir.c_str());
  ASSERT_NE(folder, nullptr);
  int files = 0;
  while (dirent* entry = readdir(folder)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream file(dir + "/" + entry->d_name, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::string input = content.str();
    size_t split = input.find('\0');
    std::string pattern = input.substr(0, split);
    std::string text = split == std::string::npos ? "" : input.substr(split + 1);
    Compare(pattern, text);
    ++files;
  }
  closedir(folder);
  EXPECT_GT(files, 0);
}

TEST(Prefilter, OnAndOffAgreeOverRandomPatternsAndTexts) {
  static const char* const kPieces[] = {
      "a",      "b",    "c",     "A",      "\\x90", "\xE0", " ",       "ab",      "(",
      ")",      "(a)",  "(b|c)", "|",      "*",     "+",    "?",       "*?",      "+?",
      "??",     "{2}",  "{1,}",  "{0,2}",  "{,1}?", "?=",   "?!",      "?#1",     "?~2",
      "[ab]",   "[^a]", ".",     "^",      "$",     "\\b",  "\\B",     "\\c",     "\\w",
      "\\s",    "\\d",  "\\1",   "\\m",    "\\M",   "(a?)", "((b?)c)", "(a|)",    "(\\m)",
      "[^ab]+", "\\d+", ",",     "[a-c]*", "\\s*",  "\\(",  "\\w+",    "(\\s*a)", "(a|\\s*)",
  };
  static const char kTextBytes[] = "abcABC \xE0\x90x1,(";
  std::mt19937 random(12345);
  int before = patternsKeepingAll, lazyBefore = patternsSkippingLazily;
  for (int round = 0; round < 4000; ++round) {
    std::string body;
    for (int n = 1 + random() % 7; n > 0; --n)
      body += RandomPiece(random, kPieces, sizeof kPieces / sizeof *kPieces);
    std::string pattern = "/" + body + (random() % 3 == 0 ? "/i" : "/");
    std::string text;
    for (int n = random() % 12; n > 0; --n) text += kTextBytes[random() % (sizeof kTextBytes - 1)];
    Compare(pattern, text);
  }
  EXPECT_GT(patternsKeepingAll - before, 150);
  EXPECT_GT(patternsSkippingLazily - lazyBefore, 150);
}

// Patterns where a repetition's rest begins with a one-byte test and a
// greedy star, so that a failed try answers for the run before it.
TEST(Prefilter, OnAndOffAgreeWhereARestBeginsWithATestAndAStar) {
  static const char* const kRepeated[] = {"(a|b)*",      "(ab)*",  "(a|\\s)*", "(\\w| )*",
                                          "(<[^>]*?>)*", "[a-c]*", "(a|<)+",   "(.)*"};
  static const char* const kTests[] = {"a", "b", "[ab]", "[^<]", "\\w", ".", "[^a ]", "\\s"};
  static const char* const kStars[] = {"[ab]*", "[a-c]*", "[^<]*", "\\w*", "a*", "\\s*", "[ab]+"};
  static const char* const kRests[] = {"b", "c",   "<",   "1",     "\\s*<", "bc",   "(b|<)", "\\1",
                                       "$", "a?c", "\\b", "(c)?=", "<?",    "\\M!", "!\\1"};
  static const char kTextBytes[] = "abc<> 1!\t";
  std::mt19937 random(2468);
  int passing = 0;
  for (int round = 0; round < 1500; ++round) {
    std::string pattern =
        "/" + RandomPiece(random, kRepeated, sizeof kRepeated / sizeof *kRepeated);
    if (random() % 2) pattern += "\\m";
    pattern += RandomPiece(random, kTests, sizeof kTests / sizeof *kTests);
    pattern += RandomPiece(random, kStars, sizeof kStars / sizeof *kStars);
    for (int n = 1 + random() % 2; n > 0; --n)
      pattern += RandomPiece(random, kRests, sizeof kRests / sizeof *kRests);
    pattern += random() % 4 == 0 ? "/i" : "/";
    std::vector<std::string> texts;
    for (int t = 0; t < 6; ++t) {
      std::string text;
      for (int n = random() % 14; n > 0; --n)
        text += kTextBytes[random() % (sizeof kTextBytes - 1)];
      texts.push_back(text);
    }
    Compare(pattern, texts);
    PatternObject object(pattern.c_str());
    bool passes = false;
    if (object.IsPatternValid())
      ForEachNode(object.Root(),
                  [&](const PatternNode* node) { passes = passes || node->passesRuns; });
    passing += passes ? 1 : 0;
  }
  EXPECT_GT(passing, 500);
}

TEST(Prefilter, IgnoreCaseStartsAtTheNearestLetterOfEitherCase) {
  EXPECT_EQ(RunMatch("/ab/i", "xAxaB"), "1 3 5");
  EXPECT_EQ(RunMatch("/ab/i", "xaxAb"), "1 3 5");
  EXPECT_EQ(RunMatch("/ab/i", "AaB"), "1 1 3");
  EXPECT_EQ(RunMatch("/ab/i", "aAb"), "1 1 3");
}

TEST(Prefilter, IgnoreCaseFindsEitherCaseOfEveryLetter) {
  for (int byte = 1; byte < 256; ++byte) {
    for (int other = 1; other < 256; ++other) {
      if (FoldByte(static_cast<unsigned char>(byte)) != FoldByte(static_cast<unsigned char>(other)))
        continue;
      char pattern[] = {'/', 'x', static_cast<char>(byte), '/', 'i', 0};
      if (byte == '/' || byte == '\\' || byte == '(' || byte == ')' || byte == '[' || byte == ']' ||
          byte == '{' || byte == '}' || byte == '*' || byte == '+' || byte == '?' || byte == '|' ||
          byte == '.' || byte == '^' || byte == '$')
        continue;
      std::string text = std::string("x") + static_cast<char>(other);
      SCOPED_TRACE(byte * 256 + other);
      EXPECT_EQ(RunMatch(pattern, text), "1 0 2");
      // First in the pattern, the letter is looked for in either case.
      char first[] = {'/', static_cast<char>(byte), 'x', '/', 'i', 0};
      EXPECT_EQ(RunMatch(first, "-" + text.substr(1) + "x"), "1 1 3");
    }
  }
}

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

std::vector<std::string> Entries(const std::string& dir) {
  std::vector<std::string> names;
  if (DIR* folder = opendir(dir.c_str())) {
    while (dirent* entry = readdir(folder))
      if (entry->d_name[0] != '.') names.push_back(dir + "/" + entry->d_name);
    closedir(folder);
  }
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

}  // namespace

// The shipped rule sets' patterns over the rule samples, line by line.
TEST(Prefilter, OnAndOffAgreeForTheShippedRulesOnTheirSamples) {
  std::string root = SKERROW_SOURCE_DIR;
  std::vector<std::string> lines;
  for (const std::string& dir : Entries(root + "/tests/data/rules")) {
    for (const std::string& file : Entries(dir)) {
      std::stringstream text(ReadFile(file));
      // Every 8th line keeps the test to a few seconds in a Debug build.
      int n = 0;
      for (std::string line; std::getline(text, line);)
        if (n++ % 8 == 0) lines.push_back(line);
    }
  }
  ASSERT_FALSE(lines.empty());
  int patterns = 0;
  for (const std::string& set : Entries(root + "/data/rules/sets")) {
    std::string reg = ReadFile(set);
    for (const char* name : {"Match", "Ignore"}) {
      std::string pattern = RegString(reg, name);
      if (pattern.empty()) continue;
      Compare(pattern, lines);
      ++patterns;
    }
  }
  EXPECT_GT(patterns, 40);
  EXPECT_GT(patternsKeepingAll, 10);
  EXPECT_GT(patternsSkippingLazily, 2);
}
