// Covered by tests/search/results_menu_test.cpp.
#include "search/results_menu.h"

#include "search/message_format.h"
#include "settings/options.h"
#include "shell/editor_access.h"
#include "shell/host_info.h"
#include "shell/messages.h"
#include "shell/win_api.h"

#include <stdint.h>
#include <string.h>

namespace {

enum {
  kNumberColumnSize = 16,                         // 10 digits, separator, terminator
  kFunctionColumnSize = kResultFunctionSize + 2,  // the widest stored name and the separator
  kColumnFormatSize = 32,
};

int DecimalDigits(long long n) {
  int digits = 1;
  while (n >= 10) {
    n /= 10;
    ++digits;
  }
  return digits;
}

void FormatNumberColumn(char* column, int line, int width) {
  if (width < 1) width = 1;
  if (width > kNumberColumnSize - 2) width = kNumberColumnSize - 2;
  char format[kColumnFormatSize];
  wsprintfA(format, "%%%dd%c", width, kColumnSeparator);
  char scratch[kFormatScratchSize];
  wsprintfA(scratch, format, line + 1);
  CopyCut(column, scratch, kNumberColumnSize);
}

void FormatFunctionColumn(char* column, const char* function, unsigned width) {
  if (width > kResultFunctionSize - 1) width = kResultFunctionSize - 1;
  char format[kColumnFormatSize];
  wsprintfA(format, "%%-%ds%c", int(width), kColumnSeparator);
  char cut[kResultFunctionSize];
  CopyCut(cut, function, sizeof cut);
  wsprintfA(column, format, cut);
}

void ShowNothingFound(const char* title, const char* bottom) {
  const char* items[] = {title, bottom, GetMsg(MsgOk)};
  HostInfo.Message(HostInfo.ModuleNumber, FMSG_WARNING, nullptr, items, 3, 1);
}

void ShowMenu(ResultList* list, const char* title, const char* bottom, const ResultColumns& columns,
              const Options& options) {
  unsigned count = list->Count();
  if (count > SIZE_MAX / sizeof(FarMenuItem) || count > 0x7FFFFFFF) return;
  FarMenuItem* entries =
      static_cast<FarMenuItem*>(GlobalAlloc(GMEM_FIXED, count * sizeof(FarMenuItem)));
  if (!entries) return;
  for (unsigned i = 0; i < count; ++i) {
    FormatResultEntry(entries[i].Text, *list->Get(i), columns, options.Lines != 0,
                      options.CFunc != 0);
    entries[i].Selected = entries[i].Checked = entries[i].Separator = 0;
  }
  int chosen = HostInfo.Menu(HostInfo.ModuleNumber, -1, -1, 0, FMENU_SHOWAMPERSAND | FMENU_WRAPMODE,
                             title, bottom, nullptr, nullptr, nullptr, entries, int(count));
  if (chosen >= 0 && unsigned(chosen) < count) {
    const SearchResult* result = list->Get(unsigned(chosen));
    SetEditorCursor(result->line, result->position, -1, -1);
  }
  GlobalFree(entries);
}

}  // namespace

void WidenColumns(ResultColumns* columns, const SearchResult& result, bool lines) {
  if (lines) {
    int digits = DecimalDigits(static_cast<long long>(result.line) + 1);
    if (digits > columns->lineNumberWidth) columns->lineNumberWidth = digits;
  }
  size_t length = strlen(result.function);
  if (length > columns->functionWidth) columns->functionWidth = unsigned(length);
}

void FormatResultEntry(char* entry, const SearchResult& result, const ResultColumns& columns,
                       bool lines, bool functions) {
  char numberColumn[kNumberColumnSize] = "";
  char functionColumn[kFunctionColumnSize] = "";
  if (lines) FormatNumberColumn(numberColumn, result.line, columns.lineNumberWidth);
  if (functions) FormatFunctionColumn(functionColumn, result.function, columns.functionWidth);
  char text[kResultTextSize];
  CopyCut(text, result.text, sizeof text);
  TrimBlanks(text);
  char scratch[kFormatScratchSize];
  wsprintfA(scratch, "%s%s%s", numberColumn, functionColumn, text);
  CopyCut(entry, scratch, kMenuTextSize);
}

void PresentResults(ResultList* list, const char* searchText, const ResultColumns& columns,
                    const Options& options) {
  char title[kResultsTitleSize];
  char bottom[kResultsTitleSize];
  FormatWithText(title, sizeof title, GetMsg(MsgResultsTitle), searchText);
  FormatWithNumber(bottom, sizeof bottom, GetMsg(MsgResultsCount), int(list->Count()));
  if (list->Count() == 0) {
    if (options.ZeroWarn) ShowNothingFound(title, bottom);
  } else {
    ShowMenu(list, title, bottom, columns, options);
  }
  list->Destroy(2);
}
