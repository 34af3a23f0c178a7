// .lng parsing: after trimming blanks, a line starting with '"' is a message
// (the first quote dropped, a last quote dropped); every other line is ignored,
// which is what makes '//' lines comments. Lines are cut at 1000 characters,
// the host's documented limit.
#include "lng_file.h"

#include <ctype.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <filesystem>

namespace host {
namespace {

const size_t kMaxLngLine = 1000;

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
  return s.substr(b, e - b);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

template <typename Visit>
void ForEachLine(const std::string& text, Visit visit) {
  size_t pos = 0;
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) pos = 3;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, std::min(end - pos, kMaxLngLine));
    if (!visit(Trim(line))) return;
    pos = end + 1;
  }
}

}  // namespace

std::string DecodeMessage(const std::string& body) {
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    char c = body[i];
    if (c == '\\' && i + 1 < body.size()) {
      char n = body[i + 1];
      const char* from = "nrtb\\\"";
      const char* to = "\n\r\t\b\\\"";
      const char* hit = n ? strchr(from, n) : nullptr;
      if (hit) {
        out.push_back(to[hit - from]);
        ++i;
        continue;
      }
    } else if (c == '"' && i + 1 < body.size() && body[i + 1] == '"') {
      out.push_back('"');
      ++i;
      continue;
    }
    out.push_back(c);
  }
  return out;
}

std::string LanguageOf(const std::string& text) {
  std::string language;
  ForEachLine(text, [&](const std::string& line) {
    if (!line.empty() && (line[0] == '"' || line[0] == '@')) return false;
    if (line.compare(0, 10, ".Language=") == 0) {
      std::string value = line.substr(10);
      language = Trim(value.substr(0, value.find(',')));
      return false;
    }
    return true;
  });
  return language;
}

bool ParseLng(const std::string& text, LngFile* file, std::string* error) {
  file->messages.clear();
  file->language.clear();
  file->description.clear();
  ForEachLine(text, [&](const std::string& line) {
    if (line.compare(0, 10, ".Language=") == 0 && file->language.empty()) {
      std::string value = line.substr(10);
      size_t comma = value.find(',');
      file->language = Trim(value.substr(0, comma));
      if (comma != std::string::npos) file->description = Trim(value.substr(comma + 1));
      if (file->language.empty()) file->language = "?";
    } else if (!line.empty() && line[0] == '"') {
      std::string body = line.substr(1);
      if (!body.empty() && body.back() == '"') body.pop_back();
      file->messages.push_back(DecodeMessage(body));
    }
    return true;
  });
  if (file->language.empty() || file->language == "?") {
    *error = "no .Language=<name>,<description> line";
    return false;
  }
  return true;
}

bool ReadWholeFile(const std::string& path, std::string* text, std::string* error) {
  FILE* f = fopen(path.c_str(), "rb");
  if (!f) {
    *error = "cannot open " + path;
    return false;
  }
  text->clear();
  // One read of the whole size where the size is known; pipes and the like
  // are read on in blocks.
  long size = fseek(f, 0, SEEK_END) == 0 ? ftell(f) : -1;
  if (size > 0 && fseek(f, 0, SEEK_SET) == 0) {
    text->resize(static_cast<size_t>(size));
    text->resize(fread(&(*text)[0], 1, text->size(), f));
  } else {
    rewind(f);
  }
  char buffer[65536];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, f)) > 0) text->append(buffer, n);
  bool failed = ferror(f) != 0;
  fclose(f);
  if (failed) *error = "cannot read " + path;
  return !failed;
}

std::string ChooseLanguageFile(const std::string& dir, const std::string& extension,
                               const std::string& language, std::string* error) {
  namespace fs = std::filesystem;
  std::vector<std::string> candidates;
  std::error_code ec;
  for (fs::directory_iterator it(dir.empty() ? "." : dir, ec), end; !ec && it != end;
       it.increment(ec)) {
    std::string ext = it->path().extension().string();
    if (EqualNoCase(ext, extension) && it->is_regular_file(ec))
      candidates.push_back(it->path().string());
  }
  std::sort(candidates.begin(), candidates.end());
  std::string exact, english, last;
  for (const std::string& path : candidates) {
    std::string text, readError;
    if (!ReadWholeFile(path, &text, &readError)) continue;
    std::string name = LanguageOf(text);
    if (name.empty()) continue;
    last = path;
    if (exact.empty() && EqualNoCase(name, language)) exact = path;
    if (english.empty() && EqualNoCase(name, "English")) english = path;
  }
  std::string chosen = !exact.empty() ? exact : !english.empty() ? english : last;
  if (chosen.empty() && error)
    *error = "no " + extension + " file with a .Language line in " + (dir.empty() ? "." : dir);
  return chosen;
}

}  // namespace host
