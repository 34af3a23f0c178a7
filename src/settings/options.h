// Options: the nine switches that steer the search command, and the module-wide
// settings object in which the active FunctionRule follows them.
#pragma once

struct Options {
  int PickWord;  // propose the word under the cursor
  int ZeroWarn;  // warn when a search finds nothing
  int Case;      // case-sensitive search
  int RegExp;    // the search text is a pattern
  int Lines;     // line-number column
  int Global;    // scope: whole file (stored and shown; the scan reads Before/After)
  int Before;    // scope: lines above the cursor line
  int After;     // scope: cursor line to the end
  int CFunc;     // function-name column
};

// Rule texts hold anything the host's 512-byte dialog field can return, so a
// text the rule-set dialog accepts reads back whole.
enum { kRuleTextSize = 512 };

// The active function-list rule, filled from a rule set for each command.
struct FunctionRule {
  int RegNum;                  // capture group holding the function name
  char Match[kRuleTextSize];   // pattern marking a header line
  char Ignore[kRuleTextSize];  // pattern ruling a line out
};

struct Settings {
  Options options;
  FunctionRule rule;
};

// The module-wide settings object; starts with the defaults.
extern Settings settings;

// Reads the nine switches below PluginKey, each falling back to its default.
// Scope values that do not name exactly one scope load as the whole file.
void LoadOptions();
// Writes the nine switches below PluginKey; failures go unreported.
void SaveOptions();
