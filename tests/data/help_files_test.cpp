// Every shipped .hlf file: the topics the module opens exist in each language,
// every link leads to a topic of the same file, and the markup is closed on
// the line that opens it. The reader here knows just enough of the host's
// help format for that: "@Name" starts a topic, "~text~@Topic@" is a link,
// "#text#" highlights, and a doubled "~", "#" or "@" is the character itself.
#include "data/data_files.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/options.h"
#include "settings/rule_set_name.h"

namespace {

using data_files::FileName;

// Topics the module passes to the host: the search dialog, the configuration
// dialog (also F1 in the host's plug-in configuration menu) and the rule-set
// menu; Contents is where the host's plug-in help list enters.
const char* const kModuleTopics[] = {"Contents", "interface", "Config", "Extensions"};

constexpr size_t kLongestLine = 300;  // the host's limit for a help line

// Box drawing the help may use for pictures of the screen: single vertical
// line, double lines and corners of code page 866.
bool IsPictureByte(unsigned char c) {
  return c == 0xB3 || c == 0xBA || c == 0xBB || c == 0xBC || c == 0xC8 || c == 0xC9 || c == 0xCD;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(data_files::FoldOem(static_cast<unsigned char>(c)));
  return text;
}

struct Link {
  std::string target;
  int line;
};

struct HelpFile {
  std::string path;
  std::string languageName;
  bool pluginContents = false;
  std::vector<std::string> topics;  // in file order, as written
  std::vector<Link> links;          // links into this file
  std::vector<std::string> faults;  // "line N: what"
};

bool IsTopicLine(const std::string& line) {
  return line.size() > 1 && line[0] == '@' && line[1] != '-' && line[1] != '+' && line[1] != '@';
}

// Reads the markup of one text line; links and faults go into the file.
void ReadMarkup(const std::string& line, int number, HelpFile* file) {
  auto fault = [&](const std::string& what) {
    file->faults.push_back("line " + std::to_string(number) + ": " + what);
  };
  bool highlighted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if ((c == '~' || c == '#' || c == '@') && i + 1 < line.size() && line[i + 1] == c) {
      ++i;  // the character itself
    } else if (c == '#') {
      highlighted = !highlighted;
    } else if (c == '@') {
      fault("'@' outside a link (write \"@@\")");
    } else if (c == '~') {
      size_t textEnd = line.find('~', i + 1);
      if (textEnd == std::string::npos || textEnd + 1 >= line.size() || line[textEnd + 1] != '@') {
        fault("'~' that starts no link (write \"~~\")");
        return;
      }
      size_t targetEnd = line.find('@', textEnd + 2);
      if (targetEnd == std::string::npos) {
        fault("link without its closing '@'");
        return;
      }
      std::string target = line.substr(textEnd + 2, targetEnd - textEnd - 2);
      bool elsewhere = target.empty() || target[0] == ':' || target[0] == '<' ||
                       target.find("://") != std::string::npos;
      if (target.empty() || target[0] == '<') fault("link to another file: " + target);
      if (!elsewhere) file->links.push_back({target, number});
      i = targetEnd;
    }
  }
  if (highlighted) fault("'#' left open (write \"##\")");
}

HelpFile ParseHelpFile(const std::string& path) {
  HelpFile file;
  file.path = path;
  std::vector<std::string> lines = data_files::ReadLines(path);
  bool headerExpected = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    int number = static_cast<int>(i + 1);
    if (line.size() > kLongestLine)
      file.faults.push_back("line " + std::to_string(number) + ": too long");
    for (unsigned char c : line) {
      if (!data_files::IsOemTextByte(c) && !IsPictureByte(c)) {
        file.faults.push_back("line " + std::to_string(number) + ": not code page 866 text");
        break;
      }
    }
    if (file.topics.empty() && line.rfind(".Language=", 0) == 0) {
      std::string value = line.substr(10);
      file.languageName = value.substr(0, value.find(','));
      continue;
    }
    if (file.topics.empty() && line.rfind(".PluginContents=", 0) == 0) {
      file.pluginContents = line.size() > 16;
      continue;
    }
    if (line.rfind(".Options", 0) == 0) continue;
    if (headerExpected && line.rfind("$", 0) != 0) {
      file.faults.push_back("line " + std::to_string(number) +
                            ": topic without a \"$\" title line");
    }
    headerExpected = false;
    if (IsTopicLine(line)) {
      if (file.languageName.empty()) file.faults.push_back("topic before the .Language line");
      file.topics.push_back(line.substr(1));
      headerExpected = true;
      continue;
    }
    if (line == "@-" || line == "@+") continue;
    ReadMarkup(line, number, &file);
  }
  return file;
}

std::set<std::string> TopicSet(const HelpFile& file) {
  std::set<std::string> names;
  for (const std::string& topic : file.topics) names.insert(Lower(topic));
  return names;
}

class HelpFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const std::string& path : data_files::ListDataFiles("hlf", ".hlf"))
      files_.push_back(ParseHelpFile(path));
    ASSERT_GE(files_.size(), 2u) << "English and Russian at least, in " << SKERROW_SOURCE_DIR
                                 << "/data/hlf";
  }
  std::vector<HelpFile> files_;
};

TEST_F(HelpFiles, EnglishAndRussianAreShipped) {
  std::set<std::string> names;
  for (const HelpFile& file : files_) {
    SCOPED_TRACE(file.path);
    EXPECT_TRUE(names.insert(file.languageName).second)
        << "no or a second .Language line for " << file.languageName;
    EXPECT_TRUE(file.pluginContents) << "not in the host's list of plug-in help";
  }
  EXPECT_EQ(names.count("English"), 1u);
  EXPECT_EQ(names.count("Russian"), 1u);
}

TEST_F(HelpFiles, MarkupIsWellFormed) {
  for (const HelpFile& file : files_) {
    SCOPED_TRACE(file.path);
    for (const std::string& fault : file.faults) ADD_FAILURE() << fault;
  }
}

TEST_F(HelpFiles, HoldEveryTopicTheModuleOpensOnce) {
  for (const HelpFile& file : files_) {
    SCOPED_TRACE(file.path);
    std::set<std::string> topics = TopicSet(file);
    EXPECT_EQ(topics.size(), file.topics.size()) << "a topic name used twice";
    for (const char* topic : kModuleTopics) EXPECT_EQ(topics.count(Lower(topic)), 1u) << topic;
  }
}

TEST_F(HelpFiles, EveryLinkLeadsToATopicOfTheSameFile) {
  for (const HelpFile& file : files_) {
    SCOPED_TRACE(file.path);
    std::set<std::string> topics = TopicSet(file);
    for (const Link& link : file.links) {
      EXPECT_EQ(topics.count(Lower(link.target)), 1u)
          << FileName(file.path) << ":" << link.line << " " << link.target;
    }
  }
}

TEST_F(HelpFiles, LanguagesHaveTheSameTopics) {
  for (const HelpFile& file : files_) {
    EXPECT_EQ(TopicSet(file), TopicSet(files_.front()))
        << FileName(file.path) << " against " << FileName(files_.front().path);
  }
}

// The limits the help states for rule-set texts and names are the module's.
TEST_F(HelpFiles, StateTheRuleSetLimitsTheModuleHas) {
  const std::string textLimit = std::to_string(kRuleTextSize - 1);
  const std::string nameLimit = std::to_string(int(kMaxRuleSetNameLength));
  for (const HelpFile& file : files_) {
    SCOPED_TRACE(file.path);
    std::string text;
    for (const std::string& line : data_files::ReadLines(file.path)) text += line + "\n";
    size_t topic = text.find("\n@Extensions\n");
    ASSERT_NE(topic, std::string::npos);
    // The topic ends where the next one starts ("@-" and "@+" are no topics).
    size_t end = topic + 1;
    do end = text.find("\n@", end + 1);
    while (end != std::string::npos && (text[end + 2] == '-' || text[end + 2] == '+'));
    std::string extensions = text.substr(topic, end == std::string::npos ? end : end - topic);
    EXPECT_NE(extensions.find(textLimit), std::string::npos) << "text limit " << textLimit;
    EXPECT_NE(extensions.find(nameLimit), std::string::npos) << "name limit " << nameLimit;
    EXPECT_EQ(extensions.find("254"), std::string::npos) << "a limit the module does not have";
  }
}

// The reader must see the faults it is written for.
TEST(HelpFileChecks, FindBrokenMarkup) {
  struct Case {
    const char* line;
    size_t faults;
    size_t links;
  };
  const Case cases[] = {
      {"plain text", 0, 0},
      {"see ~the dialog~@interface@ and ~host~@:Editor@", 0, 1},
      {"a #bold# word, a ## sign, a ~~ tilde, an @@ at", 0, 0},
      {"look-behind ?##2 and ?~~2", 0, 0},
      {"look-behind ?#2", 1, 0},
      {"a ~broken link", 1, 0},
      {"a ~link~@unclosed", 1, 0},
      {"mail me @ home", 1, 0},
      {"~other~@<other.dll>Topic@", 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    HelpFile file;
    ReadMarkup(c.line, 1, &file);
    EXPECT_EQ(file.faults.size(), c.faults);
    EXPECT_EQ(file.links.size(), c.links);
  }
  EXPECT_TRUE(IsTopicLine("@Contents"));
  EXPECT_FALSE(IsTopicLine("@-"));
  EXPECT_FALSE(IsTopicLine("@@ literal"));
}

}  // namespace
