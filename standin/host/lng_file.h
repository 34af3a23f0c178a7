// The host's language files (.lng) and help files (.hlf): the header, the
// message lines, and the choice of file by language with its English
// fallback, as the host makes them.
// Covered by tests/standin/host/lng_file_test.cpp.
#pragma once

#include <string>
#include <vector>

namespace host {

struct LngFile {
  std::string path;
  std::string language;     // the .Language name ("English")
  std::string description;  // the text after the comma
  std::vector<std::string> messages;
};

// Parses the text of a .lng file. False when the .Language header is missing
// (the host does not take such a file), with the reason in *error.
bool ParseLng(const std::string& text, LngFile* file, std::string* error);
// The .Language name of a .lng or .hlf text, empty when there is none before
// the first message or topic.
std::string LanguageOf(const std::string& text);
// Of the files with `extension` (".lng", ".hlf") in `dir`: the one whose
// .Language name equals `language` (case-insensitively), else the English
// one, else the last candidate. Empty with *error when there is none.
std::string ChooseLanguageFile(const std::string& dir, const std::string& extension,
                               const std::string& language, std::string* error);
// Reads a whole file; false with *error on failure.
bool ReadWholeFile(const std::string& path, std::string* text, std::string* error);
// Decodes the message escapes \n \r \t \b \\ and \" / "" (other backslashes stay).
std::string DecodeMessage(const std::string& body);

}  // namespace host
