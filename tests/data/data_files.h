// Reading the shipped language and help files for the data tests: listing a
// data folder, splitting a file into lines, and the code page 866 facts the
// checks need. Both builds read the files from the source tree.
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace data_files {

// Every file of data/<folder> with the given extension, sorted by name so
// that failures name the same file first in both builds.
inline std::vector<std::string> ListDataFiles(const std::string& folder,
                                              const std::string& extension) {
  std::vector<std::string> paths;
  std::error_code error;
  std::filesystem::directory_iterator it(std::string(SKERROW_SOURCE_DIR) + "/data/" + folder,
                                         error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    if (it->path().extension() == extension) paths.push_back(it->path().generic_string());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

// The name after the last separator; Windows paths may use either.
inline std::string FileName(const std::string& path) {
  return path.substr(path.find_last_of("/\\") + 1);
}

// The file's lines without their "\n" or "\r\n"; empty when it cannot be read.
inline std::vector<std::string> ReadLines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

// Code page 866 letters: Latin A-Z a-z, Cyrillic 0x80-0xAF and 0xE0-0xF1.
// Any other byte above 0x7F in a text is box drawing or a sign of a file
// saved in another code page (UTF-8 lead bytes 0xD0/0xD1, code page 1251
// capitals 0xC0-0xDF).
inline bool IsOemLetter(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 0x80 && c <= 0xAF) ||
         (c >= 0xE0 && c <= 0xF1);
}

inline bool IsOemTextByte(unsigned char c) {
  return c == '\t' || (c >= 0x20 && c < 0x7F) || IsOemLetter(c);
}

// The lower-case form of a code page 866 letter, as the host compares hotkeys.
inline unsigned char FoldOem(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0x80 && c <= 0x8F))
    return static_cast<unsigned char>(c + 0x20);
  if (c >= 0x90 && c <= 0x9F) return static_cast<unsigned char>(c + 0x50);
  if (c == 0xF0) return 0xF1;
  return c;
}

// Index of the first byte that is not code page 866 text, or -1.
inline int FirstNonOemByte(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    if (!IsOemTextByte(static_cast<unsigned char>(text[i]))) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace data_files
