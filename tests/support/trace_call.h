// One call of the host stand-in's trace, parsed from its JSON line, for module
// tests that check what the module asked the host to do. Texts are turned
// back from the trace's UTF-8 into OEM bytes, so tests compare them with the
// module's own strings.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace support {

struct TraceValue {
  enum Kind { Null, Bool, Number, Text, List, Object } kind = Null;
  long long number = 0;  // Number, and Bool as 0 or 1
  std::string text;      // Text, in OEM
  std::vector<TraceValue> list;
  std::map<std::string, TraceValue> fields;

  const TraceValue* Field(const std::string& key) const;
};

// Parses one JSON value; false on malformed input.
bool ParseTraceValue(const std::string& json, TraceValue* value);

class Call {
 public:
  explicit Call(const std::string& json);
  const std::string& Json() const { return json_; }
  bool Valid() const { return valid_; }
  std::string Service() const;  // the "call" field
  const TraceValue* Field(const std::string& key) const { return value_.Field(key); }
  // A number field (or 0 when it is missing).
  long long Int(const std::string& key) const;
  // A text field (or "" when it is missing).
  std::string Text(const std::string& key) const;
  // The texts of the "items" array: plain strings, or the "text" of objects.
  std::vector<std::string> Items() const;

 private:
  std::string json_;
  TraceValue value_;
  bool valid_;
};

}  // namespace support
