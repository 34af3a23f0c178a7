// Helpers of the engine tests: one call compiles and matches and gives the
// result as the tester prints it ("0", or "1" and the register pairs), so
// each case of a table is one line.
#pragma once

#include <string>

#include "regex/pattern_dump.h"
#include "regex/pattern_node.h"
#include "regex/pattern_object.h"

// "invalid", "0", or "1 S E ..." for groups 0 to groupCount - 1.
inline std::string Registers(const MatchGroups& groups) {
  std::string text = "1";
  for (int g = 0; g < groups.groupCount && g < kMaxGroups; ++g) {
    text += " " + std::to_string(groups.groupStart[g]) + " " + std::to_string(groups.groupEnd[g]);
  }
  return text;
}

inline std::string RunMatch(PatternObject& pattern, const std::string& text) {
  MatchGroups groups;
  const char* start = text.data();
  if (!pattern.MatchRange(start, start, start + text.size(), &groups, -1)) return "0";
  return Registers(groups);
}

inline std::string RunMatch(const char* pattern, const std::string& text) {
  PatternObject object(pattern);
  if (!object.IsPatternValid()) return "invalid";
  return RunMatch(object, text);
}

// Calls visit(node) on every node of the tree under node, in tree order.
template <typename Visit>
void ForEachNode(const PatternNode* node, const Visit& visit) {
  for (; node; node = node->next) {
    visit(node);
    if (node->kind == NodeGroup || IsPostfixKind(node->kind))
      ForEachNode(node->operand.child, visit);
  }
}

// What describe(node) says of the nodes of a compiled pattern, those that
// say anything, in tree order and joined by blanks; "invalid" when the
// pattern does not compile.
template <typename Describe>
std::string Described(const char* pattern, const Describe& describe) {
  PatternObject object(pattern);
  if (!object.IsPatternValid()) return "invalid";
  std::string all;
  ForEachNode(object.Root(), [&](const PatternNode* node) {
    std::string one = describe(node);
    if (!one.empty()) all += (all.empty() ? "" : " ") + one;
  });
  return all;
}

inline std::string Tree(const char* pattern) {
  PatternObject object(pattern);
  return DumpTree(object);
}

struct MatchCase {
  const char* pattern;
  std::string text;
  const char* expected;
};
