// Dumps of tokens and trees. Bytes outside 0x21-0x7E, and the bytes that
// would make a class dump ambiguous, print as \xHH.
#include "regex/pattern_dump.h"

#include <cstdio>

#include "regex/char_set.h"
#include "regex/pattern_object.h"
#include "regex/token_codes.h"

namespace {

std::string ByteText(int byte, bool inClass) {
  bool special = inClass && (byte == ']' || byte == '-' || byte == '\\');
  if (byte > 0x20 && byte < 0x7F && !special) return std::string(1, static_cast<char>(byte));
  char text[8];
  std::snprintf(text, sizeof text, "\\x%02X", byte & 0xFF);
  return text;
}

const char* ItemText(int code) {
  static const char* const kItems[] = {".",   "^",   "$",   "\\d", "\\D", "\\w", "\\W", "\\s",
                                       "\\S", "\\u", "\\l", "\\b", "\\B", "\\c", "\\m", "\\M"};
  return IsItemCode(code) ? kItems[code - ItemAny] : "?";
}

struct NamedCode {
  int code;
  const char* name;
};

const NamedCode kOperatorNames[] = {
    {NodeStar, "star"},
    {NodePlus, "plus"},
    {NodeOptional, "opt"},
    {NodeLazyStar, "lstar"},
    {NodeLazyPlus, "lplus"},
    {NodeLazyOptional, "lopt"},
    {NodeAtLeast, "atleast"},
    {NodeBetween, "between"},
    {NodeLazyAtLeast, "latleast"},
    {NodeLazyBetween, "lbetween"},
    {NodeAlternative, "alt"},
    {NodeLookBehind, "behind"},
    {NodeNegLookBehind, "nbehind"},
    {NodeLookAhead, "ahead"},
    {NodeNegLookAhead, "nahead"},
};

const NamedCode kStructureNames[] = {
    {TokGroupOpen, "("},  {TokGroupClose, ")"},      {TokClassOpen, "["},
    {TokClassClose, "]"}, {TokNegClassOpen, "[^"},   {TokBraceOpen, "{"},
    {TokBraceClose, "}"}, {TokLazyBraceClose, "}?"}, {TokRangeDash, "dash"},
};

template <int N>
const char* FindName(const NamedCode (&names)[N], int code) {
  for (const NamedCode& entry : names) {
    if (entry.code == code) return entry.name;
  }
  return nullptr;
}

std::string SetText(const CharSet& set) {
  std::string text;
  for (int v = 0; v < 256; ++v) {
    if (!InSet(set, static_cast<unsigned char>(v))) continue;
    int last = v;
    while (last < 255 && InSet(set, static_cast<unsigned char>(last + 1))) ++last;
    text += ByteText(v, true);
    if (last > v + 1) text += "-";
    if (last > v) text += ByteText(last, true);
    v = last;
  }
  return text;
}

std::string SequenceText(const PatternNode* node) {
  std::string text;
  for (; node; node = node->next) {
    if (!text.empty()) text += " ";
    text += DumpNode(node);
  }
  return text;
}

std::string OperatorText(const PatternNode* node) {
  std::string text = FindName(kOperatorNames, node->kind);
  if (node->kind == NodeAtLeast || node->kind == NodeLazyAtLeast || node->kind == NodeLookBehind ||
      node->kind == NodeNegLookBehind) {
    text += std::to_string(node->low);
  } else if (node->kind == NodeBetween || node->kind == NodeLazyBetween) {
    text += std::to_string(node->low) + "," + std::to_string(node->high);
  }
  return text + "{" + SequenceText(node->operand.child) + "}";
}

}  // namespace

std::string TokenName(int token) {
  if (IsLiteralToken(token)) return "lit:" + ByteText(token, false);
  if (IsItemCode(token)) return std::string("item:") + ItemText(token);
  if (token >= TokLookBehind && token <= TokLookBehind + kMaxLookBehind) {
    return "behind" + std::to_string(token - TokLookBehind);
  }
  if (token >= TokNegLookBehind && token <= TokNegLookBehind + kMaxLookBehind) {
    return "nbehind" + std::to_string(token - TokNegLookBehind);
  }
  if (token >= TokRefBackref && token <= TokRefBackref + kMaxBackrefGroup) {
    return "yref:" + std::to_string(token - TokRefBackref);
  }
  if (token >= TokBackref && token <= TokBackref + kMaxBackrefGroup) {
    return "ref:" + std::to_string(token - TokBackref);
  }
  if (const char* name = FindName(kOperatorNames, token)) return name;
  if (const char* name = FindName(kStructureNames, token)) return name;
  return "?" + std::to_string(token);
}

std::string DumpNode(const PatternNode* node) {
  if (!node) return "null";
  switch (node->kind) {
    case NodeEmpty: return "empty";
    case NodeItem:
      if (IsLiteralToken(node->operand.value)) return "lit:" + ByteText(node->operand.value, false);
      return std::string("item:") + ItemText(node->operand.value);
    case NodeClass: return "class[" + SetText(*node->operand.set) + "]";
    case NodeNegClass: return "nclass[" + SetText(*node->operand.set) + "]";
    case NodeGroup:
      return "grp" + std::to_string(node->low) + "{" + SequenceText(node->operand.child) + "}";
    case NodeBackref: return "ref:" + std::to_string(node->operand.value);
    case NodeRefBackref: return "yref:" + std::to_string(node->operand.value);
  }
  if (IsPostfixKind(node->kind) && FindName(kOperatorNames, node->kind)) return OperatorText(node);
  return "?" + std::to_string(node->kind);
}

std::string DumpTree(const PatternObject& pattern) {
  if (!pattern.IsPatternValid()) return "invalid";
  return DumpNode(pattern.Root());
}
