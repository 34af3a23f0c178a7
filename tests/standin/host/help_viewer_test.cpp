// Help files: topics, markup and the F1 viewer over a dialog.
#include "host/hlf_file.h"

#include "host_fixture.h"

namespace host_test {
namespace {

const char kHelp[] =
    ".Language=English,English\n"
    ".PluginContents=Sample\n"
    "\n"
    "@Contents\n"
    "$ #Sample tool#\n"
    "   Opening text of the help. See ~the dialog~@Dialog@\n"
    "and ~settings~@Config@, with ## and ~~ doubled.\n"
    "\n"
    "@-\n"
    "  kept   as   is\n"
    "@+\n"
    "^#Centred#\n"
    "\n"
    "@Dialog\n"
    "$ #The dialog#\n"
    "   #First field# - what it is for.\n";

TEST(HelpFile, TopicsAreLaidOutWithTheirMarkup) {
  ScratchDir dir;
  dir.Write("sEng.hlf", kHelp);
  host::HelpFile file;
  std::string error;
  ASSERT_TRUE(host::LoadHelpFile(dir.path(), "English", &file, &error)) << error;
  host::HelpPage page;
  ASSERT_TRUE(host::FindHelpTopic(file, "contents", 76, &page));
  EXPECT_EQ("Sample tool", page.title);
  ASSERT_GE(page.body.size(), 4u);
  // 79 columns: wrapped at the last blank that fits.
  EXPECT_EQ("   Opening text of the help. See the dialog and settings, with # and ~ doubled.",
            page.body[0].text + " " + page.body[1].text);
  EXPECT_LE(page.body[0].text.size(), 76u);
  ASSERT_EQ(2u, page.links.size());
  EXPECT_EQ("Dialog", page.links[0].topic);
  EXPECT_EQ("Config", page.links[1].topic);
  bool kept = false, centred = false;
  for (const host::HelpLine& line : page.body) {
    kept = kept || line.text == "  kept   as   is";
    centred = centred || (line.centred && line.text == "Centred");
  }
  EXPECT_TRUE(kept);
  EXPECT_TRUE(centred);
  EXPECT_FALSE(host::FindHelpTopic(file, "Missing", 76, &page));
}

TEST(HelpFile, LongParagraphsWrapAtBlanks) {
  std::vector<host::HelpLink> links;
  host::HelpFile file;
  file.lines = {
      "@T", "   " + std::string(30, 'a') + " " + std::string(30, 'b') + " " + std::string(30, 'c')};
  host::HelpPage page;
  ASSERT_TRUE(host::FindHelpTopic(file, "T", 70, &page));
  ASSERT_EQ(2u, page.body.size());
  EXPECT_EQ("   " + std::string(30, 'a') + " " + std::string(30, 'b'), page.body[0].text);
  EXPECT_EQ(std::string(30, 'c'), page.body[1].text);
}

using HelpViewer = HostTest;

TEST_F(HelpViewer, F1InADialogShowsTheTopicAndEscReturnsToIt) {
  ScratchDir dir;
  dir.Write("sEng.hlf", kHelp);
  dir.Write("sEng.lng", ".Language=English,English\n\"m\"\n");
  host::HostOptions options;
  options.moduleDir = dir.path();
  Reset(options);
  FarDialogItem items[] = {Item(DI_DOUBLEBOX, 3, 1, 30, 3, "D"), Item(DI_BUTTON, 5, 2, 0, 0, "OK")};
  Keys("F1 Snap Enter Snap Esc Snap Enter");
  EXPECT_EQ(1, info().Dialog(0, -1, -1, 34, 5, "Contents", items, 2));
  ASSERT_EQ(3u, h().Snaps().size());
  EXPECT_NE(std::string::npos, h().Snaps()[0].find("Sample tool"));
  EXPECT_NE(std::string::npos, h().Snaps()[1].find("First field"));  // Enter followed the link
  EXPECT_NE(std::string::npos, h().Snaps()[2].find("═ D ═"));
}

TEST_F(HelpViewer, F1IsIgnoredWhereNoTopicIsNamed) {
  ScratchDir dir;
  dir.Write("sEng.hlf", kHelp);
  dir.Write("sEng.lng", ".Language=English,English\n\"m\"\n");
  host::HostOptions options;
  options.moduleDir = dir.path();
  Reset(options);
  FarDialogItem items[] = {Item(DI_DOUBLEBOX, 3, 1, 30, 3, "D"), Item(DI_BUTTON, 5, 2, 0, 0, "OK")};
  FarMenuItem entries[1] = {};
  snprintf(entries[0].Text, sizeof entries[0].Text, "one");
  const char* lines[] = {"T", "text", "OK"};
  for (const char* topic : {static_cast<const char*>(nullptr), ""}) {
    Keys("F1 Snap Enter F1 Snap Enter F1 Snap Enter");
    EXPECT_EQ(1, info().Dialog(0, -1, -1, 34, 5, topic, items, 2));
    EXPECT_EQ(0, info().Menu(0, -1, -1, 0, 0, "M", nullptr, topic, nullptr, nullptr, entries, 1));
    EXPECT_EQ(0, info().Message(0, 0, topic, lines, 3, 1));
    EXPECT_EQ(0, h().PendingScriptKeys());
    for (const std::string& snap : h().Snaps())
      EXPECT_EQ(std::string::npos, snap.find("Sample tool"));
    for (const std::string& call : h().Trace()) EXPECT_EQ(std::string::npos, call.find("Help"));
  }
}

}  // namespace
}  // namespace host_test
