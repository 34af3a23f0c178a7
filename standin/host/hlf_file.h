// The module's help file (.hlf): topics, their "$" header lines, and the
// markup (#bold#, ~text~@Topic@ links, ^ centring, @- / @+ formatting off and
// on), laid out for a window of a given width.
// Covered by tests/standin/host/help_viewer_test.cpp.
#pragma once

#include <string>
#include <vector>

namespace host {

struct HelpSpan {
  int start, end;  // columns in the line's text
  int link;        // index into HelpPage::links, -1 for highlighted text
};

struct HelpLine {
  std::string text;
  bool centred = false;
  std::vector<HelpSpan> spans;
};

struct HelpLink {
  std::string topic;
};

struct HelpPage {
  std::string title;
  std::vector<HelpLine> header, body;
  std::vector<HelpLink> links;
};

struct HelpFile {
  std::string path;
  std::vector<std::string> lines;
};

// Chooses and reads the .hlf of `language` (English as the fallback) in `dir`.
bool LoadHelpFile(const std::string& dir, const std::string& language, HelpFile* file,
                  std::string* error);
// Lays out `topic` (compared case-insensitively) for `width` columns.
bool FindHelpTopic(const HelpFile& file, const std::string& topic, int width, HelpPage* page);
// Markup of one line: the shown text and its highlighted and link spans.
HelpLine ParseHelpMarkup(const std::string& raw, std::vector<HelpLink>* links);

}  // namespace host
