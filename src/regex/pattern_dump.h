// Compact text forms of tokens and trees, for the tester's --tokens and
// --tree and for one-line tree tests: «/ab*/» dumps as
// "grp0{lit:a star{lit:b}}". Not used by the module itself.
#pragma once

#include <string>

#include "regex/pattern_node.h"

class PatternObject;

std::string TokenName(int token);                    // "lit:a", "star", "backref:12", ...
std::string DumpNode(const PatternNode* node);       // the node and its operand, not its next
std::string DumpTree(const PatternObject& pattern);  // "invalid" when not compiled
