// A small JSON reader for the host stand-in's trace lines: objects, arrays,
// strings with the escapes the trace writes (\" \\ \n \r \t \uXXXX), integers,
// true, false and null.
#include "support/trace_call.h"

#include <stdlib.h>

#include "host/code_pages.h"

namespace support {

namespace {

class Reader {
 public:
  explicit Reader(const std::string& text) : s(text) {}

  bool Value(TraceValue* v) {
    Blanks();
    if (at >= s.size()) return false;
    char c = s[at];
    if (c == '{') return ObjectValue(v);
    if (c == '[') return ListValue(v);
    if (c == '"') {
      v->kind = TraceValue::Text;
      std::string utf8;
      if (!String(&utf8)) return false;
      v->text = host::Utf8ToOem(utf8);
      return true;
    }
    if (Word("true")) return v->kind = TraceValue::Bool, v->number = 1, true;
    if (Word("false")) return v->kind = TraceValue::Bool, v->number = 0, true;
    if (Word("null")) return v->kind = TraceValue::Null, true;
    return NumberValue(v);
  }

  bool AtEnd() {
    Blanks();
    return at == s.size();
  }

 private:
  void Blanks() {
    while (at < s.size() && (s[at] == ' ' || s[at] == '\t' || s[at] == '\n' || s[at] == '\r')) ++at;
  }

  bool Word(const char* word) {
    size_t n = std::string(word).size();
    if (s.compare(at, n, word) != 0) return false;
    at += n;
    return true;
  }

  bool NumberValue(TraceValue* v) {
    const char* begin = s.c_str() + at;
    char* end = nullptr;
    long long n = strtoll(begin, &end, 10);
    if (end == begin) return false;
    at += size_t(end - begin);
    v->kind = TraceValue::Number;
    v->number = n;
    return true;
  }

  bool String(std::string* out) {
    ++at;  // the opening quote
    while (at < s.size()) {
      char c = s[at++];
      if (c == '"') return true;
      if (c != '\\') {
        out->push_back(c);
        continue;
      }
      if (at >= s.size()) return false;
      char e = s[at++];
      switch (e) {
        case 'n': out->push_back('\n'); break;
        case 'r': out->push_back('\r'); break;
        case 't': out->push_back('\t'); break;
        case 'u': {
          if (at + 4 > s.size()) return false;
          unsigned long u = strtoul(s.substr(at, 4).c_str(), nullptr, 16);
          at += 4;
          host::AppendUtf8(uint32_t(u), out);
          break;
        }
        default: out->push_back(e);
      }
    }
    return false;
  }

  bool ListValue(TraceValue* v) {
    v->kind = TraceValue::List;
    ++at;
    Blanks();
    if (at < s.size() && s[at] == ']') return ++at, true;
    for (;;) {
      TraceValue item;
      if (!Value(&item)) return false;
      v->list.push_back(item);
      Blanks();
      if (at >= s.size()) return false;
      char c = s[at++];
      if (c == ']') return true;
      if (c != ',') return false;
    }
  }

  bool ObjectValue(TraceValue* v) {
    v->kind = TraceValue::Object;
    ++at;
    Blanks();
    if (at < s.size() && s[at] == '}') return ++at, true;
    for (;;) {
      Blanks();
      std::string key;
      if (at >= s.size() || s[at] != '"' || !String(&key)) return false;
      Blanks();
      if (at >= s.size() || s[at++] != ':') return false;
      TraceValue item;
      if (!Value(&item)) return false;
      v->fields[key] = item;
      Blanks();
      if (at >= s.size()) return false;
      char c = s[at++];
      if (c == '}') return true;
      if (c != ',') return false;
    }
  }

  const std::string& s;
  size_t at = 0;
};

}  // namespace

const TraceValue* TraceValue::Field(const std::string& key) const {
  auto found = fields.find(key);
  return found == fields.end() ? nullptr : &found->second;
}

bool ParseTraceValue(const std::string& json, TraceValue* value) {
  Reader reader(json);
  return reader.Value(value) && reader.AtEnd();
}

Call::Call(const std::string& json) : json_(json), valid_(ParseTraceValue(json, &value_)) {}

std::string Call::Service() const {
  return Text("call");
}

long long Call::Int(const std::string& key) const {
  const TraceValue* v = Field(key);
  return v ? v->number : 0;
}

std::string Call::Text(const std::string& key) const {
  const TraceValue* v = Field(key);
  return v && v->kind == TraceValue::Text ? v->text : std::string();
}

std::vector<std::string> Call::Items() const {
  std::vector<std::string> texts;
  const TraceValue* items = Field("items");
  if (!items) return texts;
  for (const TraceValue& item : items->list) {
    if (item.kind == TraceValue::Object) {
      const TraceValue* text = item.Field("text");
      texts.push_back(text ? text->text : std::string());
    } else {
      texts.push_back(item.text);
    }
  }
  return texts;
}

}  // namespace support
