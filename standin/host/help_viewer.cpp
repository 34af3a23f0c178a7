// F1: the help topic from the module's .hlf file, in the host's window over
// the screen; nothing for a box that names no topic. Markup is shown as the host shows it: #bold#
// and ~link~@Topic@ without their marks, "$" header lines on top, doubled ~ # @ as one. Tab moves
// over the links, Enter follows one, BS goes back, Esc closes. Covered by
// tests/standin/host/help_viewer_test.cpp.
#include <algorithm>

#include "hlf_file.h"
#include "host_state.h"
#include "trace_line.h"

namespace host {
namespace {

// The host's help window: four columns in from each side of the screen, two
// rows down from the top and up from the bottom (72 by 21 on 80 by 25).
struct HelpWindow {
  int x1, y1, x2, y2;
  explicit HelpWindow(const Screen& screen)
      : x1(4), y1(2), x2(screen.Columns() - 5), y2(screen.Rows() - 3) {}
  int TextWidth() const { return x2 - x1 - 3; }  // a blank on each side of the text
  int BodyRows(const HelpPage& page) const {
    return y2 - y1 - 1 - static_cast<int>(page.header.size()) - (page.header.empty() ? 0 : 1);
  }
};

void DrawHelp(HostState& s, const HelpPage& page, int top, int link) {
  Screen& screen = s.screen;
  const HelpWindow w(screen);
  int x1 = w.x1, y1 = w.y1, x2 = w.x2, y2 = w.y2;
  screen.Fill(x1, y1, x2, y2, ' ', kHelpText);
  screen.Box(x1, y1, x2, y2, true, kHelpText);
  std::string title = " " + page.title + " ";
  screen.Text(x1 + (x2 - x1 + 1 - static_cast<int>(title.size())) / 2, y1, title, kHelpText);
  int row = y1 + 1;
  for (const HelpLine& h : page.header) {
    if (row >= y2) break;
    screen.Text(x1 + 2, row++, h.text, kHelpBold, x2 - x1 - 3);
  }
  if (!page.header.empty() && row < y2) {
    screen.Put(x1, row, 0xC7, kHelpText);
    screen.Fill(x1 + 1, row, x2 - 1, row, 0xC4, kHelpText);
    screen.Put(x2, row, 0xB6, kHelpText);
    ++row;
  }
  for (size_t i = top; i < page.body.size() && row < y2; ++i, ++row) {
    const HelpLine& h = page.body[i];
    int x = h.centred ? x1 + (x2 - x1 + 1 - static_cast<int>(h.text.size())) / 2 : x1 + 2;
    screen.Text(x, row, h.text, kHelpText, x2 - x - 1);
    for (const HelpSpan& span : h.spans) {
      unsigned char attr = span.link < 0       ? kHelpBold
                           : span.link == link ? kHelpSelectedLink
                                               : kHelpLink;
      for (int c = span.start; c < span.end && x + c < x2; ++c) screen.SetAttr(x + c, row, attr);
    }
  }
  screen.cursorVisible = false;
}

}  // namespace

void ShowHelp(HostState& s, const char* topic) {
  // A box opened without a topic ignores F1, as the host's do.
  if (!topic || !*topic) return;
  std::string wanted = topic;
  bool hostTopic = wanted[0] == ':';
  HelpFile file;
  std::string error;
  bool loaded = !hostTopic && LoadHelpFile(s.options.moduleDir, s.options.language, &file, &error);
  std::vector<std::string> visited;
  SavedRect under = s.screen.Save(0, 0, -1, -1);
  ++s.modalDepth;
  for (;;) {
    HelpPage page;
    bool found = loaded && FindHelpTopic(file, wanted, HelpWindow(s.screen).TextWidth(), &page);
    if (s.tracing) {
      TraceLine line("Help");
      line.Text("topic", wanted).Bool("found", found);
      if (!loaded) line.Text("error", hostTopic ? "host help is not available" : error);
      s.Record(line.Done());
    }
    if (!found) {
      page.title = "Help";
      HelpLine missing;
      missing.text = hostTopic ? "The host's own help is not part of this host."
                     : !loaded ? error
                               : "Topic \"" + wanted + "\" not found";
      page.body.push_back(missing);
    }
    int top = 0, link = page.links.empty() ? -1 : 0;
    std::string next;
    bool leave = false, back = false;
    while (next.empty() && !leave) {
      DrawHelp(s, page, top, link);
      ScriptKey key;
      if (!s.ReadKey(&key, true)) {
        leave = true;
        break;
      }
      int bodyRows = HelpWindow(s.screen).BodyRows(page);
      int lastTop = std::max(static_cast<int>(page.body.size()) - bodyRows, 0);
      switch (key.vk) {
        case VK_ESCAPE:
        case VK_F10: leave = true; break;
        case VK_UP: top = std::max(top - 1, 0); break;
        case VK_DOWN: top = std::min(top + 1, lastTop); break;
        case VK_PRIOR: top = std::max(top - bodyRows, 0); break;
        case VK_NEXT: top = std::min(top + bodyRows, lastTop); break;
        case VK_HOME: top = 0; break;
        case VK_END: top = lastTop; break;
        case VK_TAB:
          if (!page.links.empty()) {
            int n = static_cast<int>(page.links.size());
            link = (link + (key.control & SHIFT_PRESSED ? n - 1 : 1)) % n;
          }
          break;
        case VK_RETURN:
          if (link >= 0) next = page.links[link].topic;
          break;
        case VK_BACK:
          if (!visited.empty()) {
            next = visited.back();
            visited.pop_back();
            back = true;
          }
          break;
      }
    }
    if (leave) break;
    if (!back) visited.push_back(wanted);
    wanted = next;
  }
  --s.modalDepth;
  s.screen.Restore(under);
}

}  // namespace host
