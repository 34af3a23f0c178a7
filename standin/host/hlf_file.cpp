#include "hlf_file.h"

#include <ctype.h>

#include <algorithm>

#include "lng_file.h"

namespace host {
namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool IsTopicLine(const std::string& line) {
  return line.size() > 1 && line[0] == '@' && line[1] != '-' && line[1] != '+' && line[1] != '@';
}

std::string StripEnd(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

// Cuts a laid-out paragraph into lines of at most `width` columns at blanks.
void Wrap(const HelpLine& paragraph, int width, std::vector<HelpLine>* out) {
  const std::string& text = paragraph.text;
  if (width < 10 || static_cast<int>(text.size()) <= width) {
    out->push_back(paragraph);
    return;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = std::min(text.size(), start + width);
    if (end < text.size()) {
      size_t blank = text.rfind(' ', end);
      if (blank != std::string::npos && blank > start) end = blank;
    }
    HelpLine line;
    line.text = text.substr(start, end - start);
    line.centred = paragraph.centred;
    for (const HelpSpan& span : paragraph.spans) {
      int a = std::max(span.start, static_cast<int>(start)),
          b = std::min(span.end, static_cast<int>(end));
      if (a < b)
        line.spans.push_back({a - static_cast<int>(start), b - static_cast<int>(start), span.link});
    }
    out->push_back(line);
    start = end;
    while (start < text.size() && text[start] == ' ') ++start;
    if (start < text.size()) {
      // keep the indentation of continuation lines at none, as the host does
    }
  }
}

}  // namespace

HelpLine ParseHelpMarkup(const std::string& raw, std::vector<HelpLink>* links) {
  HelpLine line;
  size_t i = 0;
  if (!raw.empty() && raw[0] == '^') {
    line.centred = true;
    i = 1;
  }
  int boldStart = -1;
  for (; i < raw.size(); ++i) {
    char c = raw[i];
    if ((c == '#' || c == '~' || c == '@') && i + 1 < raw.size() && raw[i + 1] == c) {
      line.text.push_back(c);
      ++i;
      continue;
    }
    if (c == '#') {
      if (boldStart < 0) {
        boldStart = static_cast<int>(line.text.size());
      } else {
        line.spans.push_back({boldStart, static_cast<int>(line.text.size()), -1});
        boldStart = -1;
      }
      continue;
    }
    if (c == '~') {
      size_t close = raw.find('~', i + 1);
      if (close == std::string::npos) {
        line.text.push_back(c);
        continue;
      }
      int start = static_cast<int>(line.text.size());
      line.text += raw.substr(i + 1, close - i - 1);
      i = close;
      if (i + 1 < raw.size() && raw[i + 1] == '@') {
        size_t end = raw.find('@', i + 2);
        if (end != std::string::npos) {
          links->push_back({raw.substr(i + 2, end - i - 2)});
          line.spans.push_back(
              {start, static_cast<int>(line.text.size()), static_cast<int>(links->size()) - 1});
          i = end;
        }
      }
      continue;
    }
    line.text.push_back(c);
  }
  if (boldStart >= 0) line.spans.push_back({boldStart, static_cast<int>(line.text.size()), -1});
  return line;
}

bool LoadHelpFile(const std::string& dir, const std::string& language, HelpFile* file,
                  std::string* error) {
  std::string path = ChooseLanguageFile(dir, ".hlf", language, error);
  if (path.empty()) return false;
  std::string text;
  if (!ReadWholeFile(path, &text, error)) return false;
  file->path = path;
  file->lines.clear();
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    file->lines.push_back(StripEnd(text.substr(pos, end - pos)));
    pos = end + 1;
  }
  return true;
}

bool FindHelpTopic(const HelpFile& file, const std::string& topic, int width, HelpPage* page) {
  size_t i = 0;
  while (i < file.lines.size() &&
         !(IsTopicLine(file.lines[i]) && SameNoCase(file.lines[i].substr(1), topic)))
    ++i;
  if (i == file.lines.size()) return false;
  page->title = topic;
  ++i;
  while (i < file.lines.size() && !file.lines[i].empty() && file.lines[i][0] == '$') {
    page->header.push_back(ParseHelpMarkup(file.lines[i].substr(1), &page->links));
    std::string& t = page->header.back().text;
    t.erase(0, t.find_first_not_of(' ') == std::string::npos ? t.size() : t.find_first_not_of(' '));
    if (page->header.size() == 1) page->title = t;
    ++i;
  }
  bool format = true;
  std::string paragraph;
  bool open = false;
  auto flush = [&]() {
    if (!open) return;
    Wrap(ParseHelpMarkup(paragraph, &page->links), width, &page->body);
    paragraph.clear();
    open = false;
  };
  for (; i < file.lines.size() && !IsTopicLine(file.lines[i]); ++i) {
    const std::string& line = file.lines[i];
    if (line == "@-") {
      flush();
      format = false;
      continue;
    }
    if (line == "@+") {
      flush();
      format = true;
      continue;
    }
    if (!format || line.empty() || line[0] == ' ' || line[0] == '^' || !open) {
      flush();
      if (line.empty()) {
        page->body.push_back(HelpLine());
        continue;
      }
      paragraph = line;
      open = true;
      if (!format) flush();
      continue;
    }
    paragraph += " " + line;
  }
  flush();
  while (!page->body.empty() && page->body.back().text.empty()) page->body.pop_back();
  return true;
}

}  // namespace host
