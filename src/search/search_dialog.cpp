// The search dialog. The dialog's text and switches reach the module only
// through the default button; the rule-set button shows the same template
// copy again, so whatever was changed before pressing it is dropped, and the
// button shows the name now in ruleSetName.
// Covered by tests/search/search_dialog_test.cpp.
#include "search/search_dialog.h"

#include <string.h>

#include "settings/options.h"
#include "settings/rule_set_label.h"
#include "settings/rule_sets.h"
#include "shell/dialog_template.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "text/bounded_copy.h"
#include "text/trim_blanks.h"

char LastSearchText[kSearchTextSize];

namespace {

enum SearchItem {
  SearchFrame,
  SearchForLabel,
  SearchText,
  SearchSeparator1,
  SearchCase,
  SearchRegExp,
  SearchLines,
  SearchGlobal,
  SearchBefore,
  SearchAfter,
  SearchSeparator2,
  SearchCFunc,
  SearchRules,
  SearchSeparator3,
  SearchOk,
  SearchCancel,
  SearchItemCount
};

// clang-format off
const DialogTemplateItem kSearchDialog[SearchItemCount] = {
    // type           x1   y1   x2   y2    sel flags                              text
    {DI_DOUBLEBOX,    3,   1,   72,  12,   0,  0,                                 MsgSearchTitle},
    {DI_TEXT,         5,   2,   29,  0,    0,  0,                                 MsgSearchFor},
    {DI_EDIT,         5,   3,   70,  0,    0,  DIF_HISTORY | DIF_USELASTHISTORY,  0},
    {DI_TEXT,         5,   4,   0,   255,  0,  0,                                 0},
    {DI_CHECKBOX,     5,   5,   0,   0,    0,  0,                                 MsgCase},
    {DI_CHECKBOX,     5,   6,   0,   0,    0,  0,                                 MsgRegExp},
    {DI_CHECKBOX,     5,   7,   0,   0,    0,  0,                                 MsgLines},
    {DI_RADIOBUTTON,  40,  5,   0,   0,    0,  DIF_GROUP,                         MsgGlobal},
    {DI_RADIOBUTTON,  40,  6,   0,   0,    0,  0,                                 MsgBefore},
    {DI_RADIOBUTTON,  40,  7,   0,   0,    0,  0,                                 MsgAfter},
    {DI_TEXT,         5,   8,   0,   255,  0,  0,                                 0},
    {DI_CHECKBOX,     5,   9,   0,   0,    0,  0,                                 MsgCFunc},
    {DI_BUTTON,       40,  9,   68,  0,    0,  0,                                 0},
    {DI_TEXT,         5,   10,  0,   255,  0,  0,                                 0},
    {DI_BUTTON,       0,   11,  0,   0,    0,  DIF_CENTERGROUP,                   MsgOk},
    {DI_BUTTON,       0,   11,  0,   0,    0,  DIF_CENTERGROUP,                   MsgCancel},
};
// clang-format on

// The seven switches the dialog shows, in record order.
struct SwitchItem {
  int Options::*field;
  SearchItem item;
};
const SwitchItem kSwitchItems[] = {
    {&Options::Case, SearchCase},     {&Options::RegExp, SearchRegExp},
    {&Options::Lines, SearchLines},   {&Options::Global, SearchGlobal},
    {&Options::Before, SearchBefore}, {&Options::After, SearchAfter},
    {&Options::CFunc, SearchCFunc},
};

}  // namespace

void PickWord(char (&dest)[kSearchTextSize], const EditorCursor& start) {
  SendEditorKey(VK_RIGHT, LEFT_CTRL_PRESSED);
  EditorCursor wordEnd = GetEditorCursor();
  SendEditorKey(VK_LEFT, LEFT_CTRL_PRESSED);
  EditorCursor wordStart = GetEditorCursor();
  EditorGetString line = {};
  GetEditorLine(&line, -1);
  // The editor may leave the cursor past the end of the line: only bytes the
  // line really has are taken.
  if (line.StringLength > 0 && line.StringText && wordEnd.CurLine == wordStart.CurLine &&
      wordEnd.CurPos > wordStart.CurPos && wordStart.CurPos >= 0 &&
      wordStart.CurPos < line.StringLength) {
    size_t count = static_cast<size_t>(wordEnd.CurPos - wordStart.CurPos);
    size_t available = static_cast<size_t>(line.StringLength - wordStart.CurPos);
    if (count > available) count = available;
    if (count > kSearchTextSize - 1) count = kSearchTextSize - 1;
    CopyPadded(dest, line.StringText + wordStart.CurPos, count);
    dest[count] = 0;
    TrimBlanks(dest);
    EditorConvertText convert = {dest, static_cast<int>(strlen(dest))};
    HostInfo.EditorControl(ECTL_EDITORTOOEM, &convert);
  }
  SetEditorCursor(start.CurLine, start.CurPos, start.TopScreenLine, start.LeftPos);
}

// The rule-set button's label: the set's name as stored, within the button.
static void SetRuleButtonLabel(char (&label)[kDialogTextSize], const char* ruleSetName) {
  const DialogTemplateItem& button = kSearchDialog[SearchRules];
  size_t width = static_cast<size_t>(button.X2 - button.X1 + 1 - 4);  // "[ " and " ]"
  FitRuleSetName(label, sizeof label, ruleSetName, width, true);
}

// The dialog's working copy: the template with the run-time fields filled in.
static void FillSearchDialog(DialogTemplateItem (&copy)[SearchItemCount], char* searchText,
                             char* ruleButtonLabel) {
  memcpy(copy, kSearchDialog, sizeof copy);
  copy[SearchText].Selected = TemplateText("SearchText");
  copy[SearchText].Data = TemplateBuffer(searchText);
  for (const SwitchItem& s : kSwitchItems)
    copy[s.item].Selected = settings.options.*s.field ? 1 : 0;
  copy[SearchRules].Data = TemplateBuffer(ruleButtonLabel);
}

bool RunSearchDialog(LineScan* scan, char (&searchText)[kSearchTextSize], EditorCursor* start) {
  EditorInfo info = {};
  HostInfo.EditorControl(ECTL_GETINFO, &info);
  *start = GetEditorCursor();
  // With PickWord on and no word at the cursor the field starts empty, so the
  // host's last-history rule can fill it.
  searchText[0] = 0;
  if (settings.options.PickWord)
    PickWord(searchText, *start);
  else
    CopyCut(searchText, LastSearchText, sizeof searchText);
  // The button's label; the host's copy-back may write the whole 511-character
  // record text into it.
  char ruleSetName[kDialogTextSize];
  bool setInUse = ChooseRuleForFile(&settings, info.FileName, ruleSetName);
  // The copy-back writes the button's text into its buffer, so the label has
  // a buffer of the same size.
  char ruleButtonLabel[kDialogTextSize];
  SetRuleButtonLabel(ruleButtonLabel, ruleSetName);
  DialogTemplateItem copy[SearchItemCount];
  FillSearchDialog(copy, searchText, ruleButtonLabel);
  int result;
  while ((result = RunDialog(copy, SearchItemCount, SearchText, SearchOk, "interface")) ==
         SearchRules) {
    // After Esc the set in use is read again, since F4 or Del in the menu
    // may have changed it, renamed it or taken it away.
    RuleMenuResult menu = RuleSetMenu(&settings, ruleSetName);
    if (menu != RuleMenuLeft)
      setInUse = menu == RuleMenuChoseSet;
    else if (setInUse)
      setInUse = ReloadRuleSet(&settings, info.FileName, ruleSetName);
    SetRuleButtonLabel(ruleButtonLabel, ruleSetName);
  }
  if (result != SearchOk) return false;
  PrepareLineScan(scan);
  for (const SwitchItem& s : kSwitchItems)
    settings.options.*s.field = static_cast<int>(copy[s.item].Selected);
  return true;
}
