// The .lng parser, the language choice and what GetMsg does with a missing
// or malformed file.
#include "host/lng_file.h"

#include "host_fixture.h"

namespace host_test {
namespace {

TEST(LngFile, MessagesAreTheQuotedLinesInOrder) {
  host::LngFile file;
  std::string error;
  ASSERT_TRUE(
      host::ParseLng("\xEF\xBB\xBF.Language=English,English (UK)\r\n"
                     "// a comment\r\n"
                     "\r\n"
                     "\"first\"\r\n"
                     "   \"indented\"   \r\n"
                     ".Options something\r\n"
                     ":label lines are ignored\r\n"
                     "\"no closing quote\r\n"
                     "\"say \"hi\" now\"\n"
                     "\"tab\\there\\nnext \\\\ \\x kept\"\n"
                     "\"quote \\\" and \"\" doubled\"\n"
                     "\"\"\n"
                     "\"100%% done: %d\"\n",
                     &file, &error))
      << error;
  EXPECT_EQ("English", file.language);
  EXPECT_EQ("English (UK)", file.description);
  std::vector<std::string> expected = {"first",
                                       "indented",
                                       "no closing quote",
                                       "say \"hi\" now",
                                       "tab\there\nnext \\ \\x kept",
                                       "quote \" and \" doubled",
                                       "",
                                       "100%% done: %d"};
  EXPECT_EQ(expected, file.messages);
}

TEST(LngFile, AFileWithoutItsHeaderIsRefused) {
  host::LngFile file;
  std::string error;
  EXPECT_FALSE(host::ParseLng("\"a message\"\n", &file, &error));
  EXPECT_NE(std::string::npos, error.find(".Language"));
  EXPECT_FALSE(host::ParseLng(".Language=\n\"a\"\n", &file, &error));
}

TEST(LngFile, LinesAreCutAtTheHostsLimit) {
  host::LngFile file;
  std::string error;
  ASSERT_TRUE(host::ParseLng(".Language=English,English\n\"" + std::string(1200, 'x') + "\"\n",
                             &file, &error));
  EXPECT_EQ(999u, file.messages[0].size());  // 1000 characters, the first a quote
}

TEST(LngFile, TheLanguageChoiceFallsBackToEnglishThenToAnyFile) {
  ScratchDir dir;
  dir.Write("aEng.lng", ".Language=English,English\n\"english\"\n");
  dir.Write("bRus.lng", ".Language=Russian,Russian (Русский)\n\"russian\"\n");
  dir.Write("cBad.lng", "\"no header\"\n");
  dir.Write("notes.txt", ".Language=German,Deutsch\n");
  std::string error;
  EXPECT_NE(std::string::npos,
            host::ChooseLanguageFile(dir.path(), ".lng", "russian", &error).find("bRus"));
  EXPECT_NE(std::string::npos,
            host::ChooseLanguageFile(dir.path(), ".lng", "German", &error).find("aEng"));
  ScratchDir other;
  other.Write("x.lng", ".Language=Polish,Polski\n\"p\"\n");
  EXPECT_NE(std::string::npos,
            host::ChooseLanguageFile(other.path(), ".lng", "German", &error).find("x.lng"));
  ScratchDir empty;
  EXPECT_EQ("", host::ChooseLanguageFile(empty.path(), ".lng", "English", &error));
  EXPECT_NE(std::string::npos, error.find("no .lng file"));
}

using GetMsg = HostTest;

TEST_F(GetMsg, MessagesComeFromTheChosenFile) {
  ScratchDir dir;
  dir.Write("tEng.lng", ".Language=English,English\n\"zero\"\n\"one\"\n");
  dir.Write("tRus.lng", ".Language=Russian,Russian\n\"\xAD\xAE\xAB\xEC\"\n\"\xAE\xA4\xA8\xAD\"\n");
  host::HostOptions options;
  options.moduleDir = dir.path();
  options.language = "Russian";
  Reset(options);
  EXPECT_STREQ("\xAE\xA4\xA8\xAD", info().GetMsg(0, 1));
  EXPECT_EQ("", h().LanguageError());
  EXPECT_STREQ("", info().GetMsg(0, 2));  // past the last message
  EXPECT_NE(std::string::npos, LastTrace().find("message not found"));
}

TEST_F(GetMsg, AMissingFileGivesEmptyTextsAndAClearError) {
  ScratchDir dir;
  host::HostOptions options;
  options.moduleDir = dir.path();
  Reset(options);
  EXPECT_STREQ("", info().GetMsg(0, 0));
  EXPECT_NE(std::string::npos, h().LanguageError().find("no .lng file"));
  EXPECT_NE(std::string::npos, h().LanguageError().find(dir.path()));
}

TEST_F(GetMsg, TheShippedEnglishFileLoads) {
  host::HostOptions options;
  options.moduleDir = SKERROW_BIN_DIR;
  Reset(options);
  EXPECT_STRNE("", info().GetMsg(0, 0));
  EXPECT_EQ("", h().LanguageError());
}

}  // namespace
}  // namespace host_test
