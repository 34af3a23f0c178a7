// ParseRegText: turns a registry text file into operations, checking all of it
// before anything is applied. Joined continuation lines keep the number of
// their first line for messages.
// Covered by tests/standin/regfile/reg_text_parser_test.cpp.
#include "reg_file.h"

#include <stdio.h>

namespace regfile {
namespace {

struct LogicalLine {
  std::string text;
  int number = 0;
};

// True when the line ends in a backslash that is not inside a quoted text.
bool EndsInContinuation(const std::string& line) {
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    if (quoted && line[i] == '\\') {
      ++i;
    } else if (line[i] == '"') {
      quoted = !quoted;
    }
  }
  size_t first = line.find_first_not_of(" \t");
  return !quoted && first != std::string::npos && line[first] != '[' && line.back() == '\\';
}

// Splits into lines (LF or CRLF), joining a line that ends in a backslash
// outside a quoted text with the next one (leading blanks of that one dropped).
// A backslash ending a quoted name or text is an escape, not a continuation.
std::vector<LogicalLine> SplitLines(const std::string& text) {
  std::vector<LogicalLine> lines;
  size_t pos = 0;
  int number = 0;
  bool joining = false;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = end + 1;
    ++number;
    if (joining) {
      size_t start = line.find_first_not_of(" \t");
      lines.back().text += start == std::string::npos ? std::string() : line.substr(start);
    } else {
      lines.push_back(LogicalLine{line, number});
    }
    std::string& current = lines.back().text;
    joining = EndsInContinuation(current);
    if (joining) current.pop_back();
  }
  return lines;
}

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return std::string();
  size_t b = s.find_last_not_of(" \t");
  return s.substr(a, b - a + 1);
}

class Parser {
 public:
  Parser(std::vector<RegOperation>* out, std::string* error) : out_(out), error_(error) {}
  bool Run(const std::string& text);

 private:
  bool Fail(const std::string& why) {
    char prefix[32];
    snprintf(prefix, sizeof prefix, "line %d: ", line_);
    *error_ = prefix + why;
    return false;
  }
  bool Header(const std::string& first);
  bool Section(const std::string& text);
  bool Value(const std::string& text);
  bool QuotedText(const std::string& text, size_t* pos, std::string* value);
  bool Data(const std::string& text, RegOperation* op);
  bool HexBytes(const std::string& text, std::vector<BYTE>* bytes);

  std::vector<RegOperation>* out_;
  std::string* error_;
  int line_ = 0;
  HKEY root_ = nullptr;
  std::string key_;
  bool inKey_ = false;
};

bool Parser::Run(const std::string& input) {
  std::string text = input;
  if (text.size() >= 2 && static_cast<unsigned char>(text[0]) == 0xFF &&
      static_cast<unsigned char>(text[1]) == 0xFE) {
    line_ = 1;
    return Fail("UTF-16 text is not supported; save the file as ANSI (REGEDIT4)");
  }
  if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
  bool headerSeen = false;
  for (const LogicalLine& line : SplitLines(text)) {
    line_ = line.number;
    std::string t = Trim(line.text);
    if (t.empty() || t[0] == ';') continue;
    if (!headerSeen) {
      if (!Header(t)) return false;
      headerSeen = true;
    } else if (t[0] == '[') {
      if (!Section(t)) return false;
    } else if (t[0] == '"' || t[0] == '@') {
      if (!Value(t)) return false;
    } else {
      return Fail("expected a [key], a \"name\"=value or a ; comment");
    }
  }
  if (!headerSeen) {
    line_ = 1;
    return Fail("missing header: the file must start with REGEDIT4");
  }
  return true;
}

bool Parser::Header(const std::string& first) {
  if (first == "REGEDIT4" || first == "Windows Registry Editor Version 5.00") return true;
  return Fail("missing header: the file must start with REGEDIT4");
}

bool Parser::Section(const std::string& t) {
  size_t close = t.rfind(']');
  if (close == std::string::npos || close != t.size() - 1) return Fail("key name without ']'");
  bool remove = t.size() > 1 && t[1] == '-';
  std::string path = t.substr(remove ? 2 : 1, close - (remove ? 2 : 1));
  size_t slash = path.find('\\');
  std::string rootName = path.substr(0, slash);
  root_ = RootByName(rootName);
  if (!root_) return Fail("unknown root key \"" + rootName + "\"");
  key_ = slash == std::string::npos ? std::string() : path.substr(slash + 1);
  while (!key_.empty() && key_.back() == '\\') key_.pop_back();
  if (!key_.empty() && key_[0] == '\\') return Fail("empty key name after the root");
  RegOperation op;
  op.kind = remove ? RegOperation::DeleteKey : RegOperation::CreateKey;
  op.root = root_;
  op.keyPath = key_;
  op.line = line_;
  if (remove && key_.empty()) return Fail("a root key cannot be deleted");
  out_->push_back(op);
  inKey_ = !remove;
  return true;
}

bool Parser::QuotedText(const std::string& t, size_t* pos, std::string* value) {
  ++*pos;  // opening quote
  for (; *pos < t.size(); ++*pos) {
    char c = t[*pos];
    if (c == '"') {
      ++*pos;
      return true;
    }
    if (c == '\\') {
      if (*pos + 1 >= t.size()) break;
      char next = t[++*pos];
      if (next != '\\' && next != '"') return Fail(std::string("unknown escape \\") + next);
      c = next;
    }
    *value += c;
  }
  return Fail("text without closing '\"'");
}

bool Parser::Value(const std::string& t) {
  if (!inKey_) return Fail("value outside a [key] section");
  RegOperation op;
  op.root = root_;
  op.keyPath = key_;
  op.line = line_;
  size_t pos = 0;
  if (t[0] == '@') {
    pos = 1;
  } else if (!QuotedText(t, &pos, &op.valueName)) {
    return false;
  }
  while (pos < t.size() && (t[pos] == ' ' || t[pos] == '\t')) ++pos;
  if (pos >= t.size() || t[pos] != '=') return Fail("expected '=' after the value name");
  if (!Data(Trim(t.substr(pos + 1)), &op)) return false;
  out_->push_back(op);
  return true;
}

bool Parser::Data(const std::string& d, RegOperation* op) {
  if (d == "-") {
    op->kind = RegOperation::DeleteValue;
    return true;
  }
  op->kind = RegOperation::SetValue;
  if (!d.empty() && d[0] == '"') {
    size_t pos = 0;
    std::string text;
    if (!QuotedText(d, &pos, &text)) return false;
    if (pos != d.size()) return Fail("unexpected characters after the closing '\"'");
    op->type = REG_SZ;
    op->data.assign(text.begin(), text.end());
    op->data.push_back(0);
    return true;
  }
  if (d.compare(0, 6, "dword:") == 0) {
    std::string digits = d.substr(6);
    if (digits.empty() || digits.size() > 8 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      return Fail("dword: needs 1 to 8 hexadecimal digits");
    DWORD v = static_cast<DWORD>(strtoul(digits.c_str(), nullptr, 16));
    op->type = REG_DWORD;
    for (int i = 0; i < 4; ++i) op->data.push_back(static_cast<BYTE>(v >> (8 * i)));
    return true;
  }
  if (d.compare(0, 4, "hex:") == 0) {
    op->type = REG_BINARY;
    return HexBytes(d.substr(4), &op->data);
  }
  if (d.compare(0, 4, "hex(") == 0) {
    size_t close = d.find("):");
    std::string digits = close == std::string::npos ? std::string() : d.substr(4, close - 4);
    if (digits.empty() || digits.size() > 8 ||
        digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
      return Fail("hex(N): needs a hexadecimal type number");
    op->type = static_cast<DWORD>(strtoul(digits.c_str(), nullptr, 16));
    return HexBytes(d.substr(close + 2), &op->data);
  }
  return Fail("unknown value data (expected \"text\", dword:, hex:, hex(N): or -)");
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Parser::HexBytes(const std::string& list, std::vector<BYTE>* bytes) {
  std::string t = Trim(list);
  if (t.empty()) return true;
  size_t pos = 0;
  while (true) {
    while (pos < t.size() && (t[pos] == ' ' || t[pos] == '\t')) ++pos;
    int hi = pos < t.size() ? HexDigit(t[pos]) : -1;
    int lo = pos + 1 < t.size() ? HexDigit(t[pos + 1]) : -1;
    if (hi < 0 || lo < 0) return Fail("hex data must be two-digit bytes separated by commas");
    bytes->push_back(static_cast<BYTE>(hi * 16 + lo));
    pos += 2;
    while (pos < t.size() && (t[pos] == ' ' || t[pos] == '\t')) ++pos;
    if (pos == t.size()) return true;
    if (t[pos] != ',') return Fail("hex data must be two-digit bytes separated by commas");
    ++pos;
    if (Trim(t.substr(pos)).empty()) return true;  // regedit leaves a trailing comma
  }
}

}  // namespace

HKEY RootByName(const std::string& name) {
  struct Root {
    const char* full;
    const char* brief;
    HKEY key;
  };
  static const Root kRoots[] = {
      {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT},
      {"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
      {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
      {"HKEY_USERS", "HKU", HKEY_USERS},
  };
  for (const Root& r : kRoots)
    if (name == r.full || name == r.brief) return r.key;
  return nullptr;
}

bool ParseRegText(const std::string& text, std::vector<RegOperation>* operations,
                  std::string* error) {
  std::vector<RegOperation> parsed;
  std::string why;
  if (!Parser(&parsed, &why).Run(text)) {
    operations->clear();
    if (error) *error = why;
    return false;
  }
  *operations = std::move(parsed);
  return true;
}

}  // namespace regfile
