// Every shipped .lng file: the message count of MessageId, the placeholders of
// the format messages and no others, texts that fit where the module
// shows them, and the same hotkey discipline in every language. The parser
// here reads messages as the host does (a line that starts with a quote,
// after trimming blanks, is the next message).
#include "data/data_files.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using data_files::FileName;

struct LanguageFile {
  std::string path;
  std::string languageName;  // before the comma of the .Language line
  std::vector<std::string> messages;
  std::vector<int> messageLines;  // 1-based line of each message
};

std::string TrimBlanks(const std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

LanguageFile ParseLanguageFile(const std::string& path) {
  LanguageFile file;
  file.path = path;
  std::vector<std::string> lines = data_files::ReadLines(path);
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string line = TrimBlanks(lines[i]);
    if (line.rfind(".Language=", 0) == 0 && file.languageName.empty()) {
      std::string value = line.substr(10);
      file.languageName = value.substr(0, value.find(','));
    }
    if (line.empty() || line[0] != '"') continue;
    std::string text = line.substr(1);
    if (!text.empty() && text.back() == '"') text.pop_back();
    file.messages.push_back(text);
    file.messageLines.push_back(static_cast<int>(i + 1));
  }
  return file;
}

std::vector<LanguageFile> ShippedLanguages() {
  std::vector<LanguageFile> files;
  for (const std::string& path : data_files::ListDataFiles("lng", ".lng"))
    files.push_back(ParseLanguageFile(path));
  return files;
}

// The wsprintfA conversions of a text in order ("%d", "%s"; "%%" is a literal
// percent and no conversion). A conversion is everything from '%' up to and
// including its type letter, so "%5d" or "%-s" come back whole.
std::vector<std::string> Conversions(const std::string& text) {
  std::vector<std::string> found;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    if (i + 1 < text.size() && text[i + 1] == '%') {
      ++i;
      continue;
    }
    size_t end = i + 1;
    while (end < text.size() &&
           std::string("-+#0123456789.lhI").find(text[end]) != std::string::npos)
      ++end;
    found.push_back(text.substr(i, end - i + 1));
    i = end;
  }
  return found;
}

const std::map<int, std::vector<std::string>> kFormatMessages = {
    {MsgProgressPercent, {"%d"}},  // percent
    {MsgProgressFound, {"%d"}},    // count
    {MsgResultsTitle, {"%s"}},     // search text
    {MsgResultsCount, {"%d"}},     // count
    {MsgResultsStopped, {"%d"}},   // line number
    {MsgStoppedEmpty, {"%d"}},     // line number
    {MsgProgressPercent, {"%d"}},
    {MsgProgressFound, {"%d"}},
    {MsgResultsTitle, {"%s"}},
    {MsgResultsCount, {"%d"}},
    {MsgResultsPage, {"%d", "%d", "%d"}},
    {MsgPagePrevious, {"%d", "%d"}},
    {MsgPageNext, {"%d", "%d"}},
};

// The text as the host draws it: an '&' marks the next character as the
// hotkey and is not drawn.
std::string Visible(const std::string& text) {
  std::string shown;
  for (char c : text) {
    if (c != '&') shown += c;
  }
  return shown;
}

// A format message as the widest value makes it: percent 0..99, counts up to
// the largest int, the search text of the title left out (the module cuts it).
std::string Expanded(int message, const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size()) {
      char type = text[++i];
      if (type == '%') out += '%';
      if (type == 'd') out += message == MsgProgressPercent ? "99" : "2147483647";
      continue;
    }
    out += text[i];
  }
  return out;
}

// Where each text is shown, as columns available to it. The search and
// configuration dialogs have their frame from column 3 to 72 and their items
// at columns 5 and 40; a check box or radio button draws its mark in four
// columns before its text; the last column used by any item is 70.
constexpr int kItemRight = 70;
constexpr int kRightColumn = 40;
constexpr int kMarkWidth = 4;
constexpr int kLeftBesideRight =
    (kRightColumn - 2) - (5 + kMarkWidth) + 1;  // a blank before column 40
constexpr int kRightColumnText = kItemRight - (kRightColumn + kMarkWidth) + 1;
constexpr int kFullRowText = kItemRight - (5 + kMarkWidth) + 1;
constexpr int kLabelText = 29 - 5 + 1;             // labels from column 5 to 29
constexpr int kRulesButtonText = 68 - 40 + 1 - 4;  // "[ " and " ]" around it
constexpr int kTitleText = 72 - 3 + 1 - 4;         // corners and a blank on each side
// An 80-column screen less the menu's corners, its shadow and a blank on each
// side of a title or bottom line.
constexpr int kScreenLine = 80 - 6;
constexpr int kProgressBuffer = 80 - 1;               // progress lines are formatted into 80 bytes
constexpr int kResultsTitleFixed = kScreenLine - 40;  // leaves 40 columns for the search text
// The stopped line follows the widest count on the bottom line.
constexpr int kResultsStoppedRoom = kScreenLine - 30;

struct Room {
  int message;
  int columns;
};

const Room kRooms[] = {
    {MsgPluginMenu, kScreenLine},
    {MsgSearchTitle, kTitleText},
    {MsgProgressPercent, kScreenLine},
    {MsgProgressFound, kScreenLine},
    {MsgConfigMenu, kScreenLine},
    {MsgConfigTitle, kTitleText},
    {MsgPickWord, kFullRowText},
    {MsgZeroWarn, kFullRowText},
    {MsgSearchFor, kLabelText},
    {MsgCase, kLeftBesideRight},
    {MsgRegExp, kLeftBesideRight},
    {MsgLines, kLeftBesideRight},
    {MsgGlobal, kRightColumnText},
    {MsgBefore, kRightColumnText},
    {MsgAfter, kRightColumnText},
    {MsgCFunc, kLeftBesideRight},
    {MsgRules, kRulesButtonText},
    {MsgRulesKeys, kScreenLine},
    {MsgRuleName, kLabelText},
    {MsgRuleMask, kLabelText},
    {MsgRuleMatch, kLabelText},
    {MsgRuleIgnore, kLabelText},
    {MsgRuleRegNum, kLabelText},
    {MsgResultsTitle, kResultsTitleFixed},
    {MsgResultsCount, kScreenLine},
    {MsgBadPattern, kScreenLine},
    {MsgOk, kTitleText},
    {MsgCancel, kTitleText},
    {MsgError, kTitleText},
    {MsgRuleNameTaken, kScreenLine},
    {MsgRuleNameBackslash, kScreenLine},
    {MsgRuleNameTooLong, kScreenLine},
    {MsgRuleNotDeleted, kScreenLine},
    {MsgRuleNotSaved, kScreenLine},
    {MsgRuleNumberRange, kScreenLine},
    {MsgRuleNotRenamed, kScreenLine},
    {MsgRuleTextUnused, kScreenLine},
    {MsgRuleTextCutHint, kScreenLine},
    {MsgResultsStopped, kResultsStoppedRoom},
    {MsgStoppedEmpty, kScreenLine},
    {MsgResultsPage, kScreenLine},
    {MsgPagePrevious, kScreenLine},
    {MsgPageNext, kScreenLine},
};

// The items of each dialog whose texts may carry a hotkey; the host moves to
// an item on Alt and its hotkey letter, so two items must not share one.
struct Dialog {
  const char* name;
  std::vector<int> messages;
};

const Dialog kDialogs[] = {
    {"search",
     {MsgSearchFor, MsgCase, MsgRegExp, MsgLines, MsgGlobal, MsgBefore, MsgAfter, MsgCFunc,
      MsgRules, MsgOk, MsgCancel}},
    {"configuration",
     {MsgPickWord, MsgZeroWarn, MsgCase, MsgRegExp, MsgLines, MsgGlobal, MsgBefore, MsgAfter,
      MsgCFunc, MsgRules, MsgOk, MsgCancel}},
    {"rule set",
     {MsgRuleName, MsgRuleMask, MsgRuleMatch, MsgRuleIgnore, MsgRuleRegNum, MsgOk, MsgCancel}},
};

// Check boxes and radio buttons must have a hotkey; titles, menu entries and
// lines, warning texts and the rule-set button (which mostly shows a set's
// name) must not, since there an '&' would be drawn as it is or mean nothing.
const std::set<int> kNeedHotkey = {MsgPickWord, MsgZeroWarn, MsgCase,  MsgRegExp, MsgLines,
                                   MsgGlobal,   MsgBefore,   MsgAfter, MsgCFunc};
const std::set<int> kMayHaveHotkey = {MsgSearchFor,  MsgRuleName,   MsgRuleMask, MsgRuleMatch,
                                      MsgRuleIgnore, MsgRuleRegNum, MsgOk,       MsgCancel};

// The hotkey of a text (folded to lower case), 0 for none, -1 when the '&'
// marks are malformed: more than one, a doubled one, or one before something
// that is no letter or digit.
int Hotkey(const std::string& text) {
  int key = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') continue;
    unsigned char next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
    bool usable = data_files::IsOemLetter(next) || (next >= '0' && next <= '9');
    if (key != 0 || !usable) return -1;
    key = data_files::FoldOem(next);
  }
  return key;
}

class LanguageFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    files_ = ShippedLanguages();
    ASSERT_GE(files_.size(), 2u) << "English and Russian at least, in " << SKERROW_SOURCE_DIR
                                 << "/data/lng";
  }
  std::vector<LanguageFile> files_;
};

TEST_F(LanguageFiles, EnglishAndRussianAreShipped) {
  std::set<std::string> names;
  for (const LanguageFile& file : files_) {
    SCOPED_TRACE(file.path);
    EXPECT_FALSE(file.languageName.empty()) << "no .Language line";
    EXPECT_TRUE(names.insert(file.languageName).second) << "two files for " << file.languageName;
  }
  EXPECT_EQ(names.count("English"), 1u);
  EXPECT_EQ(names.count("Russian"), 1u);
}

TEST_F(LanguageFiles, HoldOneMessagePerMessageId) {
  for (const LanguageFile& file : files_) {
    SCOPED_TRACE(file.path);
    EXPECT_EQ(file.messages.size(), static_cast<size_t>(MsgCount));
  }
}

TEST_F(LanguageFiles, FormatMessagesHoldExactlyTheirPlaceholders) {
  for (const LanguageFile& file : files_) {
    for (size_t n = 0; n < file.messages.size(); ++n) {
      SCOPED_TRACE(FileName(file.path) + ":" + std::to_string(file.messageLines[n]) + " message " +
                   std::to_string(n));
      const std::string& text = file.messages[n];
      auto format = kFormatMessages.find(static_cast<int>(n));
      if (format != kFormatMessages.end()) {
        EXPECT_EQ(Conversions(text), format->second) << text;
      } else {
        // Shown as it is, never formatted: a '%' here is either a stray
        // conversion or a "%%" that would be drawn doubled.
        EXPECT_EQ(text.find('%'), std::string::npos) << text;
      }
    }
  }
}

TEST_F(LanguageFiles, TextsAreCodePage866WithoutEscapes) {
  for (const LanguageFile& file : files_) {
    std::vector<std::string> lines = data_files::ReadLines(file.path);
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(data_files::FirstNonOemByte(lines[i]), -1) << FileName(file.path) << ":" << i + 1;
    }
    for (size_t n = 0; n < file.messages.size(); ++n) {
      SCOPED_TRACE(FileName(file.path) + ":" + std::to_string(file.messageLines[n]));
      const std::string& text = file.messages[n];
      // The host turns "\n", "\t" and the like into control characters.
      EXPECT_EQ(text.find('\\'), std::string::npos) << text;
      EXPECT_EQ(text.find('"'), std::string::npos) << "inner quote: " << text;
      EXPECT_FALSE(text.empty());
      EXPECT_EQ(text, TrimBlanks(text)) << "blanks at the ends are drawn";
    }
  }
}

TEST_F(LanguageFiles, TextsFitWhereTheyAreShown) {
  ASSERT_EQ(sizeof(kRooms) / sizeof(kRooms[0]), static_cast<size_t>(MsgCount));
  for (const LanguageFile& file : files_) {
    ASSERT_EQ(file.messages.size(), static_cast<size_t>(MsgCount)) << file.path;
    for (const Room& room : kRooms) {
      SCOPED_TRACE(FileName(file.path) + ":" + std::to_string(file.messageLines[room.message]) +
                   " message " + std::to_string(room.message));
      std::string shown = Expanded(room.message, Visible(file.messages[room.message]));
      EXPECT_LE(static_cast<int>(shown.size()), room.columns) << shown;
      EXPECT_LE(file.messages[room.message].size(), 511u) << "longer than a dialog item's text";
    }
    for (int progress : {MsgProgressPercent, MsgProgressFound}) {
      EXPECT_LE(static_cast<int>(Expanded(progress, file.messages[progress]).size()),
                kProgressBuffer);
    }
    // OK and Cancel are centred together on one row of the dialogs.
    int buttons = static_cast<int>(Visible(file.messages[MsgOk]).size() +
                                   Visible(file.messages[MsgCancel]).size());
    EXPECT_LE(buttons + 4 + 4 + 2, kItemRight - 5 + 1) << FileName(file.path);
  }
}

TEST_F(LanguageFiles, CheckBoxesAndRadioButtonsHaveWellFormedHotkeys) {
  for (const LanguageFile& file : files_) {
    ASSERT_EQ(file.messages.size(), static_cast<size_t>(MsgCount)) << file.path;
    for (int n = 0; n < MsgCount; ++n) {
      SCOPED_TRACE(FileName(file.path) + ":" + std::to_string(file.messageLines[n]) + " " +
                   file.messages[n]);
      int key = Hotkey(file.messages[n]);
      EXPECT_NE(key, -1) << "malformed '&'";
      if (kNeedHotkey.count(n)) {
        EXPECT_GT(key, 0) << "needs a hotkey";
      } else if (!kMayHaveHotkey.count(n)) {
        EXPECT_EQ(key, 0) << "must not have a hotkey";
      }
    }
  }
}

TEST_F(LanguageFiles, HotkeysAreUniqueWithinEachDialog) {
  for (const LanguageFile& file : files_) {
    ASSERT_EQ(file.messages.size(), static_cast<size_t>(MsgCount)) << file.path;
    for (const Dialog& dialog : kDialogs) {
      SCOPED_TRACE(FileName(file.path) + ", " + dialog.name + " dialog");
      std::map<int, int> owner;
      for (int n : dialog.messages) {
        int key = Hotkey(file.messages[n]);
        if (key <= 0) continue;
        auto taken = owner.emplace(key, n);
        EXPECT_TRUE(taken.second) << "messages " << taken.first->second << " and " << n
                                  << " share a hotkey";
      }
    }
  }
}

TEST_F(LanguageFiles, LanguagesAgreeOnHotkeysAndPlaceholders) {
  const LanguageFile& first = files_.front();
  for (const LanguageFile& file : files_) {
    SCOPED_TRACE(FileName(file.path) + " against " + FileName(first.path));
    ASSERT_EQ(file.messages.size(), first.messages.size());
    for (size_t n = 0; n < file.messages.size(); ++n) {
      SCOPED_TRACE("message " + std::to_string(n));
      EXPECT_EQ(Hotkey(file.messages[n]) > 0, Hotkey(first.messages[n]) > 0);
      EXPECT_EQ(Conversions(file.messages[n]), Conversions(first.messages[n]));
    }
  }
}

// The checks above must catch what they are written for.
TEST(LanguageFileChecks, FindConversionsAndHotkeys) {
  EXPECT_EQ(Conversions("Scanned %d%%"), std::vector<std::string>{"%d"});
  EXPECT_EQ(Conversions("%5d of %-s"), (std::vector<std::string>{"%5d", "%-s"}));
  EXPECT_TRUE(Conversions("100%% done").empty());
  EXPECT_EQ(Hotkey("&Case"), 'c');
  EXPECT_EQ(Hotkey("no key"), 0);
  EXPECT_EQ(Hotkey("&a&b"), -1);
  EXPECT_EQ(Hotkey("a && b"), -1);
  EXPECT_EQ(Hotkey("end&"), -1);
  EXPECT_EQ(Hotkey("\x90\xA5"), 0);
  // Cyrillic capitals Р and Ё fold onto р and ё, as Alt+letter compares them.
  EXPECT_EQ(Hotkey("&\x90"), Hotkey("&\xE0"));
  EXPECT_EQ(Hotkey("&\xF0"), 0xF1);
  EXPECT_EQ(Visible("Show line &numbers"), "Show line numbers");
  EXPECT_EQ(Expanded(MsgResultsCount, "Matching lines: %d"), "Matching lines: 2147483647");
}

TEST(LanguageFileChecks, RecogniseOtherCodePages) {
  // "Р" in UTF-8 (D0 A0) and in code page 1251 (D0) are not 866 text; in 866 it is 0x90.
  EXPECT_EQ(data_files::FirstNonOemByte("\xD0\xA0"), 0);
  EXPECT_EQ(data_files::FirstNonOemByte("ab\xD0"), 2);
  EXPECT_EQ(data_files::FirstNonOemByte("\x90\xE0\xF1 ok"), -1);
}

}  // namespace
