// A compiled pattern of ours written as a PCRE2 pattern for the engine
// comparison, from the tree rather than the text, so that the bar binds one
// item, "\s" in a class is the space alone, "\b" is the start of a word and
// "/i" folds literals only, as here. Byte sets are written out, so the
// PCRE2 form is compiled without PCRE2_CASELESS and without UTF. What it
// cannot say the same way ("\y", "\m", "\M", and how a repetition gives
// back) it says as closely as it can: the figures compare work, not answers.
#pragma once

#include <cstdio>
#include <string>

#include "regex/char_set.h"
#include "regex/pattern_object.h"
#include "regex/token_codes.h"

namespace pcre_form {

inline std::string Byte(int byte) {
  char text[8];
  snprintf(text, sizeof text, "\\x%02x", byte);
  return text;
}

inline std::string Class(const CharSet& set, bool negated) {
  std::string members;
  int count = 0;
  for (int byte = 0; byte < 256; ++byte) {
    if (InSet(set, static_cast<unsigned char>(byte)) == negated) continue;
    int last = byte;
    while (last < 255 && InSet(set, static_cast<unsigned char>(last + 1)) != negated) ++last;
    members += Byte(byte);
    if (last > byte) members += "-" + Byte(last);
    count += last - byte + 1;
    byte = last;
  }
  if (count == 0) return "(*FAIL)";
  return "[" + members + "]";
}

inline std::string Word() {
  return Class(WordSet, false);
}

class Writer {
 public:
  explicit Writer(const PatternObject& object) : object(object) {}

  std::string Sequence(const PatternNode* node) const {
    std::string text;
    while (node) {
      if (node->kind != NodeAlternative) {
        text += Node(node);
        node = node->next;
        continue;
      }
      std::string chain = "(?:";
      for (; node && node->kind == NodeAlternative; node = node->next) {
        chain += Node(node->operand.child) + "|";
        if (!node->next) break;
      }
      if (node && node->kind == NodeAlternative) {
        node = nullptr;  // a bar that ends the sequence: the last choice is empty
      } else if (node) {
        chain += Node(node);
        node = node->next;
      }
      text += chain + ")";
    }
    return text;
  }

 private:
  std::string Item(int code) const {
    if (IsLiteralToken(code)) {
      if (!object.IgnoreCase()) return Byte(code);
      CharSet set;
      ClearSet(&set);
      unsigned char folded = FoldByte(static_cast<unsigned char>(code));
      for (int byte = 0; byte < 256; ++byte)
        if (FoldByte(static_cast<unsigned char>(byte)) == folded)
          AddToSet(&set, static_cast<unsigned char>(byte));
      return Class(set, false);
    }
    switch (code) {
      case ItemAny: return "[\\x00-\\xff]";
      case ItemTextStart: return "\\A";
      case ItemTextEnd: return "\\z";
      case ItemDigit: return "[0-9]";
      case ItemNotDigit: return "[^0-9]";
      case ItemWord: return Word();
      case ItemNotWord: return Class(WordSet, true);
      case ItemBlank: return "[ \\t]";
      case ItemNotBlank: return "[^ \\t]";
      case ItemUpper: return Class(UpperSet, false);
      case ItemLower: return Class(LowerSet, false);
      case ItemWordStart: return "(?:\\z|(?=" + Word() + ")(?<!" + Word() + "))";
      case ItemWordEnd: return "(?:\\z|(?!" + Word() + ")(?<=" + Word() + "))";
      case ItemNotAfterWord: return "(?:\\z|(?<!" + Word() + "))";
    }
    return "";  // the markers
  }

  std::string Repeated(const PatternNode* node, const char* suffix) const {
    return "(?:" + Node(node->operand.child) + ")" + suffix;
  }

  std::string Counted(const PatternNode* node, bool lazy) const {
    char count[32];
    if (node->high < 0)
      snprintf(count, sizeof count, "{%d,}", node->low);
    else
      snprintf(count, sizeof count, "{%d,%d}", node->low, node->high);
    return Repeated(node, (std::string(count) + (lazy ? "?" : "")).c_str());
  }

  // Our look-behind walks its operand from d bytes back, wherever it ends.
  std::string Behind(const PatternNode* node, bool negative) const {
    std::string body =
        "(?=" + Node(node->operand.child) + ")[\\x00-\\xff]{" + std::to_string(node->low) + "}";
    return (negative ? "(?<!" : "(?<=") + body + ")";
  }

  std::string Node(const PatternNode* node) const {
    switch (node->kind) {
      case NodeEmpty: return "";
      case NodeItem: return Item(node->operand.value);
      case NodeClass: return Class(*node->operand.set, false);
      case NodeNegClass: return Class(*node->operand.set, true);
      case NodeGroup:
        if (node->low == 0) return Sequence(node->operand.child);
        return "(" + Sequence(node->operand.child) + ")";
      case NodeBackref:
        if (node->operand.value >= object.GroupCount()) return "(*FAIL)";
        return "\\g{" + std::to_string(node->operand.value) + "}";
      case NodeRefBackref: return "(*FAIL)";
      case NodeStar: return Repeated(node, "*");
      case NodePlus: return Repeated(node, "+");
      case NodeOptional: return Repeated(node, "?");
      case NodeLazyStar: return Repeated(node, "*?");
      case NodeLazyPlus: return Repeated(node, "+?");
      case NodeLazyOptional: return Repeated(node, "??");
      case NodeAtLeast: return Counted(node, false);
      case NodeBetween: return Counted(node, false);
      case NodeLazyAtLeast: return Counted(node, true);
      case NodeLazyBetween: return Counted(node, true);
      case NodeAlternative: return Repeated(node, "?");  // alone, as an operand
      case NodeLookAhead: return "(?=" + Node(node->operand.child) + ")";
      case NodeNegLookAhead: return "(?!" + Node(node->operand.child) + ")";
      case NodeLookBehind: return Behind(node, false);
      case NodeNegLookBehind: return Behind(node, true);
    }
    return "(*FAIL)";
  }

  const PatternObject& object;
};

// The PCRE2 form of a compiled pattern; empty when it is not compiled.
inline std::string Write(const PatternObject& object) {
  if (!object.IsPatternValid() || !object.Root()) return "";
  return Writer(object).Sequence(object.Root());
}

}  // namespace pcre_form
