// Message numbers of the language files: every visible text is fetched from
// the host by one of these. Keep in line order of every shipped .lng file;
// tests/data/language_files_test.cpp checks count and placeholders.
#pragma once

enum MessageId {
  MsgPluginMenu,         // 0  entry in the editor's plug-in menu
  MsgSearchTitle,        // 1  search dialog title; progress box title
  MsgProgressPercent,    // 2  "%d": percent of the range scanned
  MsgProgressFound,      // 3  "%d": matching lines so far
  MsgConfigMenu,         // 4  entry in the configuration menu
  MsgConfigTitle,        // 5
  MsgPickWord,           // 6
  MsgZeroWarn,           // 7
  MsgSearchFor,          // 8
  MsgCase,               // 9
  MsgRegExp,             // 10
  MsgLines,              // 11
  MsgGlobal,             // 12
  MsgBefore,             // 13
  MsgAfter,              // 14
  MsgCFunc,              // 15
  MsgRules,              // 16 rule-set menu and dialog title; button when no set applies
  MsgRulesKeys,          // 17 bottom line of the rule-set menu
  MsgRuleName,           // 18
  MsgRuleMask,           // 19
  MsgRuleMatch,          // 20
  MsgRuleIgnore,         // 21
  MsgRuleRegNum,         // 22
  MsgResultsTitle,       // 23 "%s": the search text
  MsgResultsCount,       // 24 "%d": number of matching lines
  MsgBadPattern,         // 25
  MsgOk,                 // 26
  MsgCancel,             // 27
  MsgError,              // 28
  MsgRuleNameTaken,      // 29 another set has the name; the next line names it
  MsgRuleNameBackslash,  // 30
  MsgRuleNameTooLong,    // 31
  MsgRuleNotDeleted,     // 32 the next line names the set
  MsgRuleNotSaved,       // 33 the next line names the set
  MsgRuleNumberRange,    // 34 a group number past 32 bits
  MsgRuleNotRenamed,     // 35 the next line names the set that holds the values
  MsgRuleTextUnused,     // 36 the next lines name the texts
  MsgRuleTextCutHint,    // 37
  MsgResultsStopped,     // 38 "%d": after MsgResultsCount, the line a stopped scan ended at
  MsgStoppedEmpty,       // 39 "%d": the line a stopped scan that found nothing ended at
  MsgResultsPage,        // 40 "%d (%d-%d)": results in all, the first and last shown
  MsgPagePrevious,       // 41 "%d-%d": the results of the previous page
  MsgPageNext,           // 42 "%d-%d": the results of the next page
  MsgCount
};
