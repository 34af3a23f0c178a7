// The shipped language and help files as the host stand-in reads them: it
// takes every .lng with the messages the data tests read, chooses the file of
// each language, and lays out every topic the module opens and every topic
// their links lead to. Skipped while the stand-in is not part of the build.
#if __has_include("host/lng_file.h") && __has_include("host/hlf_file.h")
#include "data/data_files.h"
#include "host/hlf_file.h"
#include "host/lng_file.h"
#include "shell/messages.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::string kLngDir = std::string(SKERROW_SOURCE_DIR) + "/data/lng";
const std::string kHlfDir = std::string(SKERROW_SOURCE_DIR) + "/data/hlf";

TEST(HostReading, TakesEveryLanguageFileWithAllMessages) {
  for (const std::string& path : data_files::ListDataFiles("lng", ".lng")) {
    SCOPED_TRACE(path);
    std::string text, error;
    ASSERT_TRUE(host::ReadWholeFile(path, &text, &error)) << error;
    host::LngFile file;
    ASSERT_TRUE(host::ParseLng(text, &file, &error)) << error;
    EXPECT_EQ(file.messages.size(), static_cast<size_t>(MsgCount));
    std::string chosen = host::ChooseLanguageFile(kLngDir, ".lng", file.language, &error);
    EXPECT_EQ(data_files::FileName(chosen), data_files::FileName(path)) << error;
  }
}

TEST(HostReading, FallsBackToEnglish) {
  std::string error;
  std::string chosen = host::ChooseLanguageFile(kLngDir, ".lng", "Klingon", &error);
  EXPECT_EQ(data_files::FileName(chosen), "skerrowEng.lng") << error;
}

TEST(HostReading, LaysOutEveryTopicAndEveryLinkedTopic) {
  for (const char* language : {"English", "Russian"}) {
    SCOPED_TRACE(language);
    host::HelpFile file;
    std::string error;
    ASSERT_TRUE(host::LoadHelpFile(kHlfDir, language, &file, &error)) << error;
    std::vector<std::string> pending = {"Contents", "interface", "Config", "Extensions"};
    std::set<std::string> seen;
    while (!pending.empty()) {
      std::string topic = pending.back();
      pending.pop_back();
      if (!seen.insert(topic).second) continue;
      host::HelpPage page;
      ASSERT_TRUE(host::FindHelpTopic(file, topic, 76, &page)) << topic;
      EXPECT_FALSE(page.title.empty() && page.header.empty()) << topic << " has no title";
      EXPECT_FALSE(page.body.empty()) << topic << " is empty";
      for (const host::HelpLink& link : page.links) pending.push_back(link.topic);
    }
  }
}

}  // namespace
#endif
