// One JSON object of the trace, built field by field. Texts are OEM (or ANSI)
// bytes and come out as UTF-8; every string is escaped, so a module's odd text
// cannot break the line. Only built when tracing is on.
// Covered through the trace checks of tests/standin/host/*.
#pragma once

#include <string>

namespace host {

class TraceLine {
 public:
  explicit TraceLine(const char* call);
  TraceLine& Int(const char* key, long long value);
  TraceLine& Hex(const char* key, unsigned long value);
  TraceLine& Bool(const char* key, bool value);
  TraceLine& Text(const char* key, const char* oem);  // null gives JSON null
  TraceLine& Text(const char* key, const std::string& oem);
  TraceLine& AnsiText(const char* key, const std::string& ansi);
  TraceLine& Raw(const char* key, const std::string& json);  // an array or object built elsewhere
  std::string Done() const { return out_ + "}"; }

  // Pieces for arrays built elsewhere.
  static std::string Quote(const std::string& oem);
  static std::string QuoteAnsi(const std::string& ansi);
  static std::string QuoteUtf8(const std::string& utf8);

 private:
  void Key(const char* key);
  std::string out_;
};

}  // namespace host
