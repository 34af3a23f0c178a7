#include "trace_line.h"

#include <stdio.h>

#include "code_pages.h"

namespace host {

TraceLine::TraceLine(const char* call) : out_("{\"call\":") {
  out_ += QuoteUtf8(call);
}

void TraceLine::Key(const char* key) {
  out_ += ",\"";
  out_ += key;
  out_ += "\":";
}

TraceLine& TraceLine::Int(const char* key, long long value) {
  Key(key);
  out_ += std::to_string(value);
  return *this;
}

TraceLine& TraceLine::Hex(const char* key, unsigned long value) {
  char buffer[24];
  snprintf(buffer, sizeof buffer, "\"0x%lx\"", value);
  Key(key);
  out_ += buffer;
  return *this;
}

TraceLine& TraceLine::Bool(const char* key, bool value) {
  Key(key);
  out_ += value ? "true" : "false";
  return *this;
}

TraceLine& TraceLine::Text(const char* key, const char* oem) {
  Key(key);
  out_ += oem ? Quote(oem) : "null";
  return *this;
}

TraceLine& TraceLine::Text(const char* key, const std::string& oem) {
  Key(key);
  out_ += Quote(oem);
  return *this;
}

TraceLine& TraceLine::AnsiText(const char* key, const std::string& ansi) {
  Key(key);
  out_ += QuoteAnsi(ansi);
  return *this;
}

TraceLine& TraceLine::Raw(const char* key, const std::string& json) {
  Key(key);
  out_ += json;
  return *this;
}

std::string TraceLine::QuoteUtf8(const std::string& utf8) {
  std::string out = "\"";
  for (unsigned char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  return out + "\"";
}

std::string TraceLine::Quote(const std::string& oem) {
  return QuoteUtf8(OemToUtf8(oem));
}
std::string TraceLine::QuoteAnsi(const std::string& ansi) {
  return QuoteUtf8(AnsiToUtf8(ansi));
}

}  // namespace host
